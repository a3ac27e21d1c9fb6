#include "plan/PlanPath.h"

#include "document/ArdoDoc.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoRect.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {

constexpr float kCoordinateLimit = 1.0e9f;

float Bounded(float v) {
    if (std::isnan(v)) return 0.0f;
    return std::fmax(-kCoordinateLimit, std::fmin(kCoordinateLimit, v));
}

}  // namespace

int32_t PlanToLogicalTrunc(float value) { return int32_t(Bounded(value)); }
int32_t PlanToLogicalRound(float value) { return int32_t(Bounded(value) + 0.5f); }

void PlanPathBuilder::MoveTo(float x, float y) {
    EndPath();
    m_points[0] = {x, y};
    m_count = 1;
    m_penX = x;
    m_penY = y;
    Capture();
}

void PlanPathBuilder::LineTo(float x, float y) {
    m_filled = false;
    AddPoint(x, y);
}

void PlanPathBuilder::AddPoint(float x, float y) {
    m_penX = x;
    m_penY = y;
    if (m_count == 0) {
        m_points[0] = {x, y};
        m_count = 1;
        return;
    }
    if (m_count == kMaxPoints) {
        ++m_counts.droppedPoints;
        return;
    }
    const PlotPoint& last = m_points[m_count - 1];
    if (last.x == x && last.y == y) return;
    m_points[m_count++] = {x, y};
}

void PlanPathBuilder::BeginFilled() {
    EndPath();
    Capture();
    m_filled = true;
}

void PlanPathBuilder::DropPath() {
    m_count = 0;
    m_filled = false;
}

void PlanPathBuilder::EndPath() {
    if (m_count == 2) {
        MakeLine();
    } else if (m_count >= 3) {
        if (m_filled)
            MakePolygon();
        else
            MakePolyline();
    }
    DropPath();
}

namespace {

// Line weight in 1/100 mm from a width in mm, truncated as a float product.
int WidthInHundredths(float widthMm) { return PlanToLogicalTrunc(widthMm * 100.0f); }

}  // namespace

void PlanPathBuilder::MakeLine() {
    const float u = m_doc.UnitsPerMm();
    const float x0 = m_points[0].x * u, y0 = m_points[0].y * u;
    const float x1 = m_points[1].x * u, y1 = m_points[1].y * u;
    const CPoint first(PlanToLogicalTrunc(x0), PlanToLogicalTrunc(y0));
    const CPoint second(first.x + PlanToLogicalTrunc(x1 - x0), first.y + PlanToLogicalTrunc(y1 - y0));
    CArdoRect* line = m_doc.AddBackgroundObject(std::make_unique<CArdoRect>(CRect(first, second), SHAPE_LINE));
    line->SetLineColorSilent(m_captured.LineColor());
    line->SetLineWidthSilent(WidthInHundredths(m_captured.width));
    m_last = line;
    ++m_counts.lines;
}

void PlanPathBuilder::MakePolyline() {
    const float u = m_doc.UnitsPerMm();
    std::vector<CPoint> pts;
    pts.reserve(size_t(m_count));
    for (int i = 0; i < m_count; ++i)
        pts.emplace_back(PlanToLogicalRound(m_points[i].x * u), PlanToLogicalRound(m_points[i].y * u));
    auto poly = std::make_unique<CArdoPolyline>(CRect());
    for (const CPoint& p : pts) poly->AddPointSilent(p);
    poly->m_position = CArdoPoly::BoundsOf(pts);
    Add(std::move(poly), false);
    ++m_counts.polylines;
}

void PlanPathBuilder::MakePolygon() {
    const float u = m_doc.UnitsPerMm();
    std::vector<CPoint> pts;
    pts.reserve(size_t(m_count));
    for (int i = 0; i < m_count; ++i) {
        const CPoint p(PlanToLogicalRound(m_points[i].x * u), PlanToLogicalRound(m_points[i].y * u));
        if (pts.empty() || pts.back() != p) pts.push_back(p);
    }
    // The outline closes where the last point repeats an earlier one; the polygon runs from
    // the first occurrence of that point. A loop of two corners (A B A) is no area.
    const CPoint closing = pts.back();
    size_t first = 0;
    while (first + 1 < pts.size() && pts[first] != closing) ++first;
    if (first + 1 >= pts.size() || pts.size() - 1 - first < 3) {
        ++m_counts.unbuiltPaths;
        return;
    }
    pts.erase(pts.begin(), pts.begin() + std::ptrdiff_t(first));
    auto poly = std::make_unique<CArdoPoly>(CRect());
    for (const CPoint& p : pts) poly->AddPointSilent(p);
    poly->m_position = CArdoPoly::BoundsOf(pts);
    Add(std::move(poly), true);
    ++m_counts.polygons;
}

void PlanPathBuilder::Add(std::unique_ptr<CArdoObj> created, bool filled) {
    CArdoObj* obj = m_doc.AddBackgroundObject(std::move(created));
    obj->SetLineColorSilent(m_captured.LineColor());
    obj->SetFilledSilent(filled ? 1 : 0);
    if (filled) obj->SetFillColorSilent(m_captured.FillColor());
    obj->SetLineWidthSilent(WidthInHundredths(m_captured.width));
    m_last = obj;
}
