#include "plan/PlanWriter.h"

#include <cstring>

void AppendPlanFloat(std::vector<uint8_t>& out, float v) {
    uint32_t bits = 0;
    std::memcpy(&bits, &v, 4);
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(bits >> (8 * i)));
}

PlanWriter::PlanWriter() {
    SetParameter(PLAN_ARC_RESOLUTION, 1.0f);
    SetParameter(PLAN_TEXT_SWITCH, 1.0f);
    SetParameter(PLAN_PAGE_SWITCH, 1.0f);
}

void PlanWriter::SetPaper(float widthMm, float heightMm) {
    header.extents = {0, widthMm, heightMm, 0, 0};
    SetParameter(PLAN_SHEET_MODE, 2.0f);
}

void PlanWriter::Float(float v) { AppendPlanFloat(m_body, v); }

void PlanWriter::Arc(float cx, float cy, float rx, float ry, float start, float sweep, float rotation) {
    Code('G');
    for (float v : {cx, cy, rx, ry, start, sweep, rotation}) Float(v);
}

void PlanWriter::Polygon(const std::vector<std::pair<float, float>>& points) {
    Code('I');
    Float(float(points.size() * 2));
    for (const auto& [x, y] : points) {
        Float(x);
        Float(y);
    }
}

void PlanWriter::LineColor(uint8_t r, uint8_t g, uint8_t b) {
    if (r == g && g == b && (r == 0 || r == 0xFF)) r = g = b = uint8_t(~r);
    LineColorBytes(r, g, b);
}

void PlanWriter::Text(const std::string& bytes) {
    Code('M');
    Float(float(bytes.size()));
    Raw(bytes);
}

std::vector<uint8_t> PlanWriter::Bytes() const {
    std::vector<uint8_t> out{'A', 'M', 'F'};
    AppendPlanFloat(out, float(header.text1.size()));
    AppendPlanFloat(out, float(header.text2.size()));
    out.insert(out.end(), header.text1.begin(), header.text1.end());
    out.insert(out.end(), header.text2.begin(), header.text2.end());
    AppendPlanFloat(out, header.parameterCount);
    const int count = int(header.parameterCount);
    for (int i = 2; i <= count; ++i)
        AppendPlanFloat(out, size_t(i) < header.parameters.size() ? header.parameters[size_t(i)] : 0.0f);
    for (float v : header.auxiliary) AppendPlanFloat(out, v);
    AppendPlanFloat(out, float(header.extents.size()));
    for (float v : header.extents) AppendPlanFloat(out, v);
    AppendPlanFloat(out, float(header.annotations.size()));
    for (const std::string& text : header.annotations) {
        AppendPlanFloat(out, float(text.size()));
        out.insert(out.end(), text.begin(), text.end());
    }
    out.insert(out.end(), m_body.begin(), m_body.end());
    return out;
}
