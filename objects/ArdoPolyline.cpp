#include "objects/ArdoPoly.h"

IMPLEMENT_SERIAL(CArdoPolyline, CArdoPoly, 0)

// An open chain: the pen and brush are always used, whatever the flags say.
void CArdoPolyline::Draw(CDC* pDC, CRect clip) {
    if (!PrepareDraw(pDC, clip)) return;
    const LOGBRUSH oldBrush = pDC->SelectBrush(m_logbrush);
    const LOGPEN oldPen = pDC->SelectPen(DrawingPen());
    pDC->Polyline(m_points);
    pDC->SelectBrush(oldBrush);
    pDC->SelectPen(oldPen);
}

std::unique_ptr<CArdoObj> CArdoPolyline::Clone() const {
    auto clone = std::make_unique<CArdoPolyline>(m_position);
    CopyPointsTo(clone.get());
    return clone;
}
