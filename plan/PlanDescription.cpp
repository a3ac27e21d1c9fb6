#include "plan/PlanDescription.h"

#include "platform/Win1252.h"

#include <cctype>
#include <cmath>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace {

constexpr float kDegrees = 3.14159265358979f / 180.0f;

struct Statement {
    int line = 0;
    std::vector<std::string> words;  // quoted strings without their quotes
    std::vector<Statement> body;     // the statements a repeat block repeats
};

class DescriptionError : public std::runtime_error {
public:
    DescriptionError(int line, const std::string& why)
        : std::runtime_error("line " + std::to_string(line) + ": " + why) {}
};

std::vector<std::string> SplitWords(const std::string& text, int line) {
    std::vector<std::string> words;
    size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (c == '#') break;
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
            continue;
        }
        if (c == '"') {
            const size_t close = text.find('"', i + 1);
            if (close == std::string::npos) throw DescriptionError(line, "unterminated string");
            words.push_back(text.substr(i + 1, close - i - 1));
            i = close + 1;
            continue;
        }
        size_t end = i;
        while (end < text.size() && !std::isspace(static_cast<unsigned char>(text[end])) && text[end] != '#') ++end;
        words.push_back(text.substr(i, end - i));
        i = end;
    }
    return words;
}

// Reads statements up to "endrepeat" (nested) or the end of the input.
std::vector<Statement> ParseBlock(std::istream& in, int& lineNo, bool nested) {
    std::vector<Statement> block;
    std::string text;
    while (std::getline(in, text)) {
        ++lineNo;
        Statement st{lineNo, SplitWords(text, lineNo), {}};
        if (st.words.empty()) continue;
        if (st.words[0] == "endrepeat") {
            if (!nested) throw DescriptionError(lineNo, "endrepeat without repeat");
            return block;
        }
        if (st.words[0] == "repeat") st.body = ParseBlock(in, lineNo, true);
        block.push_back(std::move(st));
    }
    if (nested) throw DescriptionError(lineNo, "repeat without endrepeat");
    return block;
}

class Compiler {
public:
    Compiler(PlanWriter& writer, PlanDescriptionCounts& counts) : m_w(writer), m_counts(counts) {}

    void Run(const std::vector<Statement>& block, float dx, float dy) {
        for (const Statement& st : block) Execute(st, dx, dy);
    }

private:
    float Num(const Statement& st, size_t i) const {
        if (i >= st.words.size()) throw DescriptionError(st.line, "'" + st.words[0] + "' needs more values");
        try {
            size_t used = 0;
            const float v = std::stof(st.words[i], &used);
            if (used != st.words[i].size() || !std::isfinite(v)) throw std::invalid_argument("");
            return v;
        } catch (const std::exception&) {
            throw DescriptionError(st.line, "not a number: " + st.words[i]);
        }
    }
    void Count(const Statement& st, size_t n) const {
        if (st.words.size() != n + 1)
            throw DescriptionError(st.line, "'" + st.words[0] + "' takes " + std::to_string(n) + " values");
    }
    uint8_t Byte(const Statement& st, size_t i) const {
        const float v = Num(st, i);
        if (v < 0 || v > 255 || v != std::floor(v)) throw DescriptionError(st.line, "colour values are 0 ... 255");
        return uint8_t(v);
    }
    // Description units (shifted by a repeat) to plot millimetres.
    float X(float v, float dx) const { return m_originX + (v + dx) * m_unitMm / m_scale; }
    float Y(float v, float dy) const { return m_originY + (v + dy) * m_unitMm / m_scale; }
    float Len(float v) const { return v * m_unitMm / m_scale; }

    std::vector<std::pair<float, float>> Points(const Statement& st, float dx, float dy) const {
        if (st.words.size() % 2 == 0) throw DescriptionError(st.line, "points come in pairs");
        std::vector<std::pair<float, float>> pts;
        for (size_t i = 1; i + 1 < st.words.size(); i += 2) pts.emplace_back(X(Num(st, i), dx), Y(Num(st, i + 1), dy));
        return pts;
    }
    void ClosedPolygon(std::vector<std::pair<float, float>> pts, int line) {
        if (pts.size() < 3) throw DescriptionError(line, "a polygon needs three corners");
        if (pts.front() != pts.back()) pts.push_back(pts.front());
        m_w.Polygon(pts);
        ++m_counts.polygons;
    }
    void Segment(float x1, float y1, float x2, float y2) {
        m_w.Move(x1, y1);
        m_w.Line(x2, y2);
        ++m_counts.lines;
    }

    void Execute(const Statement& st, float dx, float dy);

    PlanWriter& m_w;
    PlanDescriptionCounts& m_counts;
    float m_scale = 1.0f;   // plot = real / scale
    float m_unitMm = 1.0f;  // millimetres per description unit
    float m_originX = 0.0f, m_originY = 0.0f;
};

void Compiler::Execute(const Statement& st, float dx, float dy) {
    const std::string& op = st.words[0];
    if (op == "title") {
        Count(st, 1);
        m_w.header.text1 = Utf8ToWin1252(st.words[1]);
    } else if (op == "note") {
        Count(st, 1);
        m_w.header.annotations = {Utf8ToWin1252(st.words[1])};
    } else if (op == "paper") {
        Count(st, 2);
        m_w.SetPaper(Num(st, 1), Num(st, 2));
    } else if (op == "param") {
        Count(st, 2);
        const float n = Num(st, 1);
        if (n < 2 || n > kPlanMaxParameter || n != std::floor(n))
            throw DescriptionError(st.line, "parameters are 2 ... 40");
        m_w.SetParameter(int(n), Num(st, 2));
    } else if (op == "scale") {
        Count(st, 1);
        m_scale = Num(st, 1);
        if (m_scale <= 0) throw DescriptionError(st.line, "the scale must be positive");
    } else if (op == "unit") {
        Count(st, 1);
        static const std::map<std::string, float> units{{"mm", 1.0f}, {"cm", 10.0f}, {"m", 1000.0f}};
        const auto it = units.find(st.words[1]);
        if (it == units.end()) throw DescriptionError(st.line, "units are mm, cm or m");
        m_unitMm = it->second;
    } else if (op == "origin") {
        Count(st, 2);
        m_originX = Num(st, 1);
        m_originY = Num(st, 2);
    } else if (op == "colour") {
        Count(st, 3);
        m_w.LineColor(Byte(st, 1), Byte(st, 2), Byte(st, 3));
    } else if (op == "fill") {
        Count(st, 3);
        m_w.FillColor(Byte(st, 1), Byte(st, 2), Byte(st, 3));
    } else if (op == "width") {
        Count(st, 1);
        m_w.Width(Num(st, 1));
    } else if (op == "line") {
        Count(st, 4);
        Segment(X(Num(st, 1), dx), Y(Num(st, 2), dy), X(Num(st, 3), dx), Y(Num(st, 4), dy));
    } else if (op == "polyline") {
        const auto pts = Points(st, dx, dy);
        if (pts.size() < 2 || pts.size() > 512) throw DescriptionError(st.line, "a polyline has 2 ... 512 points");
        m_w.Move(pts[0].first, pts[0].second);
        for (size_t i = 1; i < pts.size(); ++i) m_w.Line(pts[i].first, pts[i].second);
        ++(pts.size() == 2 ? m_counts.lines : m_counts.polylines);
    } else if (op == "polygon") {
        ClosedPolygon(Points(st, dx, dy), st.line);
    } else if (op == "rect") {
        Count(st, 4);
        const float x1 = X(Num(st, 1), dx), y1 = Y(Num(st, 2), dy), x2 = X(Num(st, 3), dx), y2 = Y(Num(st, 4), dy);
        ClosedPolygon({{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}, st.line);
    } else if (op == "wall") {
        // A wall of thickness t centred on the segment, as a filled outline.
        Count(st, 5);
        const float x1 = Num(st, 1) + dx, y1 = Num(st, 2) + dy, x2 = Num(st, 3) + dx, y2 = Num(st, 4) + dy;
        const float t = Num(st, 5) / 2;
        const float len = std::hypot(x2 - x1, y2 - y1);
        if (len <= 0 || t <= 0) throw DescriptionError(st.line, "a wall needs a length and a thickness");
        const float nx = -(y2 - y1) / len * t, ny = (x2 - x1) / len * t;
        ClosedPolygon({{X(x1 + nx, 0), Y(y1 + ny, 0)},
                       {X(x2 + nx, 0), Y(y2 + ny, 0)},
                       {X(x2 - nx, 0), Y(y2 - ny, 0)},
                       {X(x1 - nx, 0), Y(y1 - ny, 0)}},
                      st.line);
    } else if (op == "arc" || op == "door") {
        // arc: centre, radius, start and sweep in degrees. door: the same for the swing,
        // and the open leaf from the hinge (the centre) to the end of the swing.
        Count(st, 5);
        const float cx = X(Num(st, 1), dx), cy = Y(Num(st, 2), dy), r = Len(Num(st, 3));
        const float start = Num(st, 4) * kDegrees, sweep = Num(st, 5) * kDegrees;
        m_w.Arc(cx, cy, r, r, start, sweep, 0.0f);
        ++m_counts.polylines;
        if (op == "door") Segment(cx, cy, cx + r * std::cos(start + sweep), cy + r * std::sin(start + sweep));
    } else if (op == "window") {
        // A window in a wall opening: both wall faces and the glass line between them.
        Count(st, 5);
        const float x1 = Num(st, 1) + dx, y1 = Num(st, 2) + dy, x2 = Num(st, 3) + dx, y2 = Num(st, 4) + dy;
        const float t = Num(st, 5) / 2;
        const float len = std::hypot(x2 - x1, y2 - y1);
        if (len <= 0 || t <= 0) throw DescriptionError(st.line, "a window needs a length and a depth");
        const float nx = -(y2 - y1) / len * t, ny = (x2 - x1) / len * t;
        for (float f : {1.0f, 0.0f, -1.0f})
            Segment(X(x1 + f * nx, 0), Y(y1 + f * ny, 0), X(x2 + f * nx, 0), Y(y2 + f * ny, 0));
    } else if (op == "text") {
        Count(st, 3);
        const std::string bytes = Utf8ToWin1252(st.words[3]);
        if (bytes.empty()) throw DescriptionError(st.line, "a text may not be empty");
        m_w.Move(X(Num(st, 1), dx), Y(Num(st, 2), dy));
        m_w.Text(bytes);
        ++m_counts.texts;
    } else if (op == "repeat") {
        Count(st, 3);
        const float n = Num(st, 1);
        if (n < 0 || n > 100000 || n != std::floor(n))
            throw DescriptionError(st.line, "repeat counts are 0 ... 100000");
        const float stepX = Num(st, 2), stepY = Num(st, 3);
        for (int i = 0; i < int(n); ++i) Run(st.body, dx + float(i) * stepX, dy + float(i) * stepY);
    } else
        throw DescriptionError(st.line, "unknown statement '" + op + "'");
}

}  // namespace

bool CompilePlanDescription(std::istream& in, PlanWriter& writer, PlanDescriptionCounts& counts, std::string& error) {
    try {
        int lineNo = 0;
        const std::vector<Statement> block = ParseBlock(in, lineNo, false);
        Compiler compiler(writer, counts);
        compiler.Run(block, 0.0f, 0.0f);
        writer.End();
        return true;
    } catch (const DescriptionError& e) {
        error = e.what();
        return false;
    }
}
