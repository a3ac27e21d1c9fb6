// The shapes of the symbol sources (rectangles, rounded rectangles, circles, arcs, lines,
// polygons, placed parts) expanded into point figures of the polygon family, in millimetres
// of the symbol's frame.
#pragma once

#include "platform/GdiTypes.h"

#include <nlohmann/json.hpp>

#include <stdexcept>
#include <string>
#include <vector>

namespace symc {

using nlohmann::json;

class SourceError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct PointF {
    double x = 0.0;
    double y = 0.0;
};

// Line and fill of a figure; inherited from the file, the symbol and enclosing parts.
struct Style {
    bool bPen = true;
    COLORREF crLine = RGB(0, 0, 0);
    int nLineWidth = 18;  // 1/100 mm on paper
    uint32_t nPenStyle = PS_SOLID;
    bool bFill = true;
    COLORREF crFill = RGB(255, 255, 255);
};

struct Figure {
    enum class Kind { Polygon, Polyline, Bezier };
    Kind kind = Kind::Polygon;
    // Bezier: start point, then two control points and an end point per segment; the end
    // point of the last segment is the start point and is not listed.
    std::vector<PointF> points;
    Style style;
};

// An affine map x' = a x + c y + e, y' = b x + d y + f.
struct Affine {
    double a = 1, b = 0, c = 0, d = 1, e = 0, f = 0;
    PointF Apply(PointF p) const { return {a * p.x + c * p.y + e, b * p.x + d * p.y + f}; }
    Affine Then(const Affine& inner) const;  // this ∘ inner
};

// The style keys of obj ("stroke", "fill", "w", "dash") applied over base.
Style ReadStyle(const json& obj, Style base);

// Expands one shape, mapped by `place`, into figures appended to out. `parts` holds the
// file's named parts for "use".
void ExpandShape(const json& shape, const Style& style, const Affine& place, const json& parts,
                 std::vector<Figure>& out, int depth = 0);

}  // namespace symc
