#include "objects/ArdoPoly.h"

#include <vector>

IMPLEMENT_SERIAL(CArdoBezier, CArdoPoly, 0)

// A closed area of cubic segments: start point, then two control points and an end point per
// segment, closed by a copy of the first point. Always filled and outlined.
void CArdoBezier::Draw(CDC* pDC, CRect clip) {
    if (!RectsOverlap(clip, m_position) || m_points.empty()) return;

    // The closing copy needs room for one more point; the recorded capacity follows.
    GrowCapacityFor(m_points.size() + 1);
    std::vector<CPoint> closed(m_points);
    closed.push_back(m_points.front());
    // Only start point plus whole segments (3k + 1 points) make a curve.
    if ((closed.size() - 1) % 3 != 0) return;

    const LOGBRUSH oldBrush = pDC->SelectBrush(m_logbrush);
    // The outline is thinner at larger plan scales.
    const LOGPEN oldPen = pDC->SelectPen(DrawingPen(DocScale()));
    pDC->BeginPath();
    pDC->PolyBezier(closed);
    pDC->EndPath();
    pDC->FillPath();
    pDC->PolyBezier(closed);
    pDC->SelectBrush(oldBrush);
    pDC->SelectPen(oldPen);
}

std::unique_ptr<CArdoObj> CArdoBezier::Clone() const {
    auto clone = std::make_unique<CArdoBezier>(m_position);
    CopyPointsTo(clone.get());
    return clone;
}
