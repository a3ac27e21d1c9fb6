#include "plan/PlanArc.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

// More steps than this cannot add anything a 512-point path keeps, unless nearly all of
// them repeat the previous point.
constexpr int kMaxArcSteps = 65536;

void PointAt(const PlanArc& a, float t, float& x, float& y) {
    const float ct = std::cos(t), st = std::sin(t);
    const float cr = std::cos(a.rotation), sr = std::sin(a.rotation);
    x = a.cx + a.rx * ct * cr - a.ry * st * sr;
    y = a.cy + a.rx * ct * sr + a.ry * st * cr;
}

}  // namespace

int PlanArcSegmentCount(const PlanArc& arc, float resolution) {
    const float g = std::max(arc.rx, arc.ry) / resolution;
    const float h = g < 100.0f ? 41.067f / (g + 0.4667f) + 2.0f : 46.0042f / (g + 0.50833f) + 0.5f;
    const float q = arc.sweep / h / 0.017453293f;
    if (!(q > 20.0f)) return 20;  // also NaN
    if (q >= 2147483648.0f) return INT_MAX;
    return int(q);
}

void AppendPlanArc(PlanPathBuilder& path, const PlanArc& arc, float resolution) {
    const int n = PlanArcSegmentCount(arc, resolution);
    float x = 0, y = 0;
    PointAt(arc, arc.start, x, y);
    path.MoveTo(x, y);
    const float step = arc.sweep / float(n);
    const int steps = std::min(n, kMaxArcSteps);
    for (int i = 1; i <= steps && !path.IsFull(); ++i) {
        PointAt(arc, arc.start + float(i) * step, x, y);
        path.AddPoint(x, y);
    }
    path.MoveTo(arc.cx, arc.cy);
}
