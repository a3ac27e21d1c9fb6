#include "Figures.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace symc {

namespace {

// Control point distance of a cubic quarter circle of radius 1.
constexpr double kKappa = 0.5522847498;
// Arcs are flattened in steps of at most this many degrees.
constexpr double kArcStepDegrees = 7.5;
// Parts may use parts, but not without end.
constexpr int kMaxPartDepth = 8;

double Number(const json& v, const char* what) {
    if (!v.is_number()) throw SourceError(std::string("expected a number in \"") + what + "\"");
    return v.get<double>();
}

// The numbers of a flat array, e.g. [x, y, w, h]; count 0 accepts any even count >= 4.
std::vector<double> Numbers(const json& v, const char* key, size_t count, size_t altCount = 0) {
    if (!v.is_array()) throw SourceError(std::string("\"") + key + "\" needs an array of numbers");
    std::vector<double> n;
    for (const json& x : v) n.push_back(Number(x, key));
    const bool ok =
        count ? (n.size() == count || (altCount && n.size() == altCount)) : (n.size() >= 4 && n.size() % 2 == 0);
    if (!ok) throw SourceError(std::string("\"") + key + "\" has the wrong number of values");
    return n;
}

COLORREF ParseColour(const std::string& text) {
    if (text.size() != 7 || text[0] != '#') throw SourceError("colours are written #rrggbb, not \"" + text + "\"");
    const unsigned long v = std::stoul(text.substr(1), nullptr, 16);
    return RGB(uint8_t(v >> 16), uint8_t(v >> 8), uint8_t(v));
}

std::vector<PointF> Pairs(const std::vector<double>& n) {
    std::vector<PointF> pts;
    for (size_t i = 0; i + 1 < n.size(); i += 2) pts.push_back({n[i], n[i + 1]});
    return pts;
}

PointF Lerp(PointF a, PointF b, double t) { return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t}; }

// A closed outline built from cubic segments.
struct Outline {
    std::vector<PointF> points;  // start, then (c1, c2, end) per segment
    void Start(PointF p) { points = {p}; }
    void Line(PointF to) {
        const PointF from = points.back();
        if (from.x == to.x && from.y == to.y) return;
        points.push_back(Lerp(from, to, 1.0 / 3));
        points.push_back(Lerp(from, to, 2.0 / 3));
        points.push_back(to);
    }
    void Curve(PointF c1, PointF c2, PointF to) { points.insert(points.end(), {c1, c2, to}); }
    // The closing end point equals the start and is dropped: drawing adds it again.
    std::vector<PointF> Closed() const { return {points.begin(), points.end() - 1}; }
};

Outline EllipseOutline(double cx, double cy, double rx, double ry) {
    const double kx = kKappa * rx, ky = kKappa * ry;
    Outline o;
    o.Start({cx + rx, cy});
    o.Curve({cx + rx, cy + ky}, {cx + kx, cy + ry}, {cx, cy + ry});
    o.Curve({cx - kx, cy + ry}, {cx - rx, cy + ky}, {cx - rx, cy});
    o.Curve({cx - rx, cy - ky}, {cx - kx, cy - ry}, {cx, cy - ry});
    o.Curve({cx + kx, cy - ry}, {cx + rx, cy - ky}, {cx + rx, cy});
    return o;
}

Outline RoundRectOutline(double x, double y, double w, double h, double r) {
    r = std::clamp(r, 0.0, std::min(w, h) / 2);
    const double k = kKappa * r;
    Outline o;
    o.Start({x + r, y});
    o.Line({x + w - r, y});
    o.Curve({x + w - r + k, y}, {x + w, y + r - k}, {x + w, y + r});
    o.Line({x + w, y + h - r});
    o.Curve({x + w, y + h - r + k}, {x + w - r + k, y + h}, {x + w - r, y + h});
    o.Line({x + r, y + h});
    o.Curve({x + r - k, y + h}, {x, y + h - r + k}, {x, y + h - r});
    o.Line({x, y + r});
    o.Curve({x, y + r - k}, {x + r - k, y}, {x + r, y});
    return o;
}

// Points along a cubic outline, for figures that must stay unfilled (a Bezier area is
// always filled when drawn).
std::vector<PointF> Flatten(const Outline& o) {
    std::vector<PointF> pts{o.points.front()};
    for (size_t i = 1; i + 2 < o.points.size(); i += 3) {
        const PointF p0 = pts.back(), c1 = o.points[i], c2 = o.points[i + 1], p3 = o.points[i + 2];
        const bool straight = std::hypot(c1.x - Lerp(p0, p3, 1.0 / 3).x, c1.y - Lerp(p0, p3, 1.0 / 3).y) < 1e-9;
        const int steps = straight ? 1 : 8;
        for (int s = 1; s <= steps; ++s) {
            const double t = double(s) / steps, u = 1 - t;
            pts.push_back({u * u * u * p0.x + 3 * u * u * t * c1.x + 3 * u * t * t * c2.x + t * t * t * p3.x,
                           u * u * u * p0.y + 3 * u * u * t * c1.y + 3 * u * t * t * c2.y + t * t * t * p3.y});
        }
    }
    pts.pop_back();  // the end repeats the start
    return pts;
}

std::vector<PointF> ArcPoints(double cx, double cy, double rx, double ry, double a0, double a1) {
    const int steps = std::max(1, int(std::ceil(std::fabs(a1 - a0) / kArcStepDegrees)));
    std::vector<PointF> pts;
    for (int i = 0; i <= steps; ++i) {
        const double a = (a0 + (a1 - a0) * i / steps) * std::numbers::pi / 180;
        pts.push_back({cx + rx * std::cos(a), cy + ry * std::sin(a)});
    }
    return pts;
}

Affine Placement(const json& use) {
    Affine t;
    if (use.contains("scale")) {
        const json& s = use["scale"];
        if (s.is_number()) {
            t.a = t.d = s.get<double>();
        } else {
            const auto n = Numbers(s, "scale", 2);
            t.a = n[0];
            t.d = n[1];
        }
    }
    if (use.contains("rotate")) {
        const double r = Number(use["rotate"], "rotate") * std::numbers::pi / 180;
        Affine rot{std::cos(r), std::sin(r), -std::sin(r), std::cos(r), 0, 0};
        t = rot.Then(t);
    }
    if (use.contains("at")) {
        const auto n = Numbers(use["at"], "at", 2);
        t.e += n[0];
        t.f += n[1];
    }
    return t;
}

void Emit(Figure::Kind kind, std::vector<PointF> pts, const Style& style, const Affine& place,
          std::vector<Figure>& out) {
    for (PointF& p : pts) p = place.Apply(p);
    out.push_back({kind, std::move(pts), style});
}

void EmitOutline(const Outline& o, const Style& style, const Affine& place, std::vector<Figure>& out) {
    if (style.bFill)
        Emit(Figure::Kind::Bezier, o.Closed(), style, place, out);
    else
        Emit(Figure::Kind::Polygon, Flatten(o), style, place, out);
}

}  // namespace

Affine Affine::Then(const Affine& in) const {
    return {a * in.a + c * in.b, b * in.a + d * in.b,     a * in.c + c * in.d,
            b * in.c + d * in.d, a * in.e + c * in.f + e, b * in.e + d * in.f + f};
}

Style ReadStyle(const json& obj, Style s) {
    if (obj.contains("stroke")) {
        const json& v = obj["stroke"];
        s.bPen = !(v.is_string() && v.get<std::string>() == "none");
        if (s.bPen) s.crLine = ParseColour(v.get<std::string>());
    }
    if (obj.contains("fill")) {
        const json& v = obj["fill"];
        s.bFill = !(v.is_string() && v.get<std::string>() == "none");
        if (s.bFill) s.crFill = ParseColour(v.get<std::string>());
    }
    if (obj.contains("w")) s.nLineWidth = int(Number(obj["w"], "w"));
    if (obj.contains("dash")) s.nPenStyle = obj["dash"].get<bool>() ? PS_DASH : PS_SOLID;
    return s;
}

void ExpandShape(const json& shape, const Style& inherited, const Affine& place, const json& parts,
                 std::vector<Figure>& out, int depth) {
    if (!shape.is_object()) throw SourceError("a shape must be an object");
    const Style style = ReadStyle(shape, inherited);
    using K = Figure::Kind;

    if (shape.contains("rect")) {
        const auto n = Numbers(shape["rect"], "rect", 4);
        Emit(K::Polygon, {{n[0], n[1]}, {n[0] + n[2], n[1]}, {n[0] + n[2], n[1] + n[3]}, {n[0], n[1] + n[3]}}, style,
             place, out);
    } else if (shape.contains("rrect")) {
        const auto n = Numbers(shape["rrect"], "rrect", 5);
        EmitOutline(RoundRectOutline(n[0], n[1], n[2], n[3], n[4]), style, place, out);
    } else if (shape.contains("circle")) {
        const auto n = Numbers(shape["circle"], "circle", 3);
        EmitOutline(EllipseOutline(n[0], n[1], n[2], n[2]), style, place, out);
    } else if (shape.contains("ellipse")) {
        const auto n = Numbers(shape["ellipse"], "ellipse", 4);
        EmitOutline(EllipseOutline(n[0], n[1], n[2], n[3]), style, place, out);
    } else if (shape.contains("arc")) {
        // [cx, cy, r, from, to] or [cx, cy, rx, ry, from, to], degrees counter-clockwise from +x.
        const auto n = Numbers(shape["arc"], "arc", 5, 6);
        const bool round = n.size() == 5;
        Emit(K::Polyline, ArcPoints(n[0], n[1], n[2], round ? n[2] : n[3], n[round ? 3 : 4], n[round ? 4 : 5]), style,
             place, out);
    } else if (shape.contains("sector")) {
        const auto n = Numbers(shape["sector"], "sector", 5);
        auto pts = ArcPoints(n[0], n[1], n[2], n[2], n[3], n[4]);
        pts.insert(pts.begin(), PointF{n[0], n[1]});
        Emit(K::Polygon, std::move(pts), style, place, out);
    } else if (shape.contains("line")) {
        const auto n = Numbers(shape["line"], "line", 4);
        Emit(K::Polyline, Pairs(n), style, place, out);
    } else if (shape.contains("polyline")) {
        Emit(K::Polyline, Pairs(Numbers(shape["polyline"], "polyline", 0)), style, place, out);
    } else if (shape.contains("polygon")) {
        const auto n = Numbers(shape["polygon"], "polygon", 0);
        if (n.size() < 6) throw SourceError("a polygon needs three points");
        Emit(K::Polygon, Pairs(n), style, place, out);
    } else if (shape.contains("bezier")) {
        auto pts = Pairs(Numbers(shape["bezier"], "bezier", 0));
        if (pts.size() % 3 != 0) throw SourceError("a bezier area lists 3 points per segment");
        Emit(K::Bezier, std::move(pts), style, place, out);
    } else if (shape.contains("use")) {
        const std::string name = shape["use"].get<std::string>();
        if (!parts.is_object() || !parts.contains(name)) throw SourceError("unknown part \"" + name + "\"");
        if (depth >= kMaxPartDepth) throw SourceError("parts nested too deeply at \"" + name + "\"");
        const Affine inner = place.Then(Placement(shape));
        for (const json& s : parts[name]) ExpandShape(s, style, inner, parts, out, depth + 1);
    } else {
        throw SourceError("unknown shape " + shape.dump());
    }
}

}  // namespace symc
