#include "objects/ArdoRect.h"

#include "objects/MeasureDrawing.h"
#include "objects/ObjectOwner.h"
#include "objects/RegionGeometry.h"
#include "platform/Archive.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_SERIAL(CArdoRect, CArdoObj, 0)

namespace {

constexpr int kRoundnessHandle = 9;

bool IsLineLike(int shape) { return shape == SHAPE_LINE || shape == SHAPE_DIMLINE; }

// Half-way point as the handle table defines it, computed wide.
int32_t HalfWay(int32_t a, int32_t b) { return int32_t(int64_t(a) + (int64_t(b) - a) / 2); }

}  // namespace

CArdoRect::CArdoRect(const CRect& position, int shape) : CArdoObj(position), m_shape(shape) {}

// --- handles ----------------------------------------------------------------------------------

int CArdoRect::GetHandleCount() const {
    if (IsLineLike(m_shape)) return 2;
    if (m_shape == SHAPE_ROUNDRECT) return 9;
    return 8;
}

int CArdoRect::MapHandle(int nHandle) const { return (IsLineLike(m_shape) && nHandle == 2) ? 5 : nHandle; }

CPoint CArdoRect::GetHandle(int nHandle) const {
    if (m_shape == SHAPE_ROUNDRECT && nHandle == kRoundnessHandle) {
        // Half a corner ellipse inside the upper right corner (y grows upwards).
        const CRect r = m_position.Normalized();
        const float upm = DocUnitsPerMm();
        return {TruncToInt(float(r.right) - float(m_roundness.x) * upm / 2.0f),
                TruncToInt(float(r.bottom) - float(m_roundness.y) * upm / 2.0f)};
    }
    return CArdoObj::GetHandle(MapHandle(nHandle));
}

int CArdoRect::GetHandleCursor(int nHandle) const {
    if (m_shape == SHAPE_ROUNDRECT && nHandle == kRoundnessHandle) return IDC_SIZE;
    return CArdoObj::GetHandleCursor(MapHandle(nHandle));
}

void CArdoRect::MoveHandleTo(int nHandle, CPoint point, ObjectView* pView) {
    if (m_shape == SHAPE_ROUNDRECT && nHandle == kRoundnessHandle) {
        MoveRoundnessHandle(point, pView);
        return;
    }
    CArdoObj::MoveHandleTo(MapHandle(nHandle), point, pView);
}

void CArdoRect::MoveRoundnessHandle(CPoint p, ObjectView* pView) {
    const CRect r = m_position.Normalized();
    const int32_t xc = HalfWay(r.left, r.right);
    const int32_t yc = HalfWay(r.top, r.bottom);
    const int64_t right1 = int64_t(r.right) - 1;
    const int64_t bottom1 = int64_t(r.bottom) - 1;
    const int64_t cx = p.x > right1 ? right1 : std::max<int64_t>(p.x, xc);
    const int64_t cy = p.y > bottom1 ? bottom1 : std::max<int64_t>(p.y, yc);
    const float upm = DocUnitsPerMm();
    m_roundness.x = TruncToInt(float(2 * (r.right - cx)) / upm);
    m_roundness.y = TruncToInt(float(2 * (r.bottom - cy)) / upm);
    SetDocumentModified();
    RequestRedraw(pView);
}

// --- drawing ------------------------------------------------------------------------------------

void CArdoRect::Draw(CDC* pDC, CRect clip) {
    CRect r = m_position.Normalized();
    if (r.left == r.right) r = CRect(TruncToInt(r.left - 2.0), r.top, TruncToInt(r.right + 2.0), r.bottom);
    if (r.top == r.bottom) r = CRect(r.left, TruncToInt(r.top - 2.0), r.right, TruncToInt(r.bottom + 2.0));
    if (!RectsOverlap(r, clip)) return;

    // Nothing smaller than one device pixel both ways; a horizontal or vertical line is drawn.
    CRect device = m_position;
    pDC->LPtoDP(&device);
    if (device.Width() == 0 && device.Height() == 0) return;

    const LOGBRUSH oldBrush = pDC->GetCurrentBrush();
    if (m_bBrush)
        pDC->SelectBrush(m_logbrush);
    else
        pDC->SelectStockObject(StockObject::NullBrush);
    const LOGPEN oldPen = pDC->SelectPen(DrawingPen());

    const CRect& m = m_position;
    switch (m_shape) {
    case SHAPE_RECTANGLE: pDC->Rectangle(m.left, m.top, m.right, m.bottom); break;
    case SHAPE_ROUNDRECT: {
        const float upm = DocUnitsPerMm();
        pDC->RoundRect(m.left, m.top, m.right, m.bottom, TruncToInt(float(m_roundness.x) * upm),
                       TruncToInt(float(m_roundness.y) * upm));
        break;
    }
    case SHAPE_ELLIPSE: pDC->Ellipse(m.left, m.top, m.right, m.bottom); break;
    case SHAPE_LINE:
        pDC->MoveTo(m.left, m.top);
        pDC->LineTo(m.right, m.bottom);
        break;
    case SHAPE_DIMLINE:
    case SHAPE_DIMRECT: DrawMeasure(pDC); break;
    default: break;  // unknown shape codes from a file draw nothing
    }

    pDC->SelectBrush(oldBrush);
    pDC->SelectPen(oldPen);
}

// The measuring drawing of the dimension line and dimension rectangle.
void CArdoRect::DrawMeasure(CDC* pDC) { measure::DrawRectMeasure(*this, pDC); }

// --- selection by rectangle -----------------------------------------------------------------------

int CArdoRect::BandHalfWidth() const {
    int64_t w = (int64_t(m_logpen.lopnWidth.x) + m_logpen.lopnWidth.y) / 2;
    if (w < 1) w = 1;
    const float upm = DocUnitsPerMm();
    const int t = TruncToInt(float(w + 5) * upm / DocScale() / 200.0f);
    return TruncToInt(std::max(float(t), upm));
}

int CArdoRect::Intersects(const CRect& rect) const {
    const int d = BandHalfWidth();
    CRect q = rect.Normalized();
    CRect m = m_position.Normalized();
    if (RectsOverlap(q, m)) {
        switch (m_shape) {
        case SHAPE_RECTANGLE:
        case SHAPE_ROUNDRECT:
        case SHAPE_ELLIPSE:
        case SHAPE_DIMRECT: return 1;
        case SHAPE_LINE:
        case SHAPE_DIMLINE: return LineBandMeets(q, d) ? 1 : 0;
        default: return 0;
        }
    }
    // A horizontal or vertical line has an empty bounding rectangle: widen it and the query.
    if (m.Width() == 0) {
        m.left = TruncToInt(double(m.left) - d);
        m.right = TruncToInt(double(m.right) + d);
        q.left = TruncToInt(double(q.left) - 10);
        q.right = TruncToInt(double(q.right) + 10);
        return RectsOverlap(q, m) ? 1 : 0;
    }
    if (m.Height() == 0) {
        m.top = TruncToInt(double(m.top) - d);
        m.bottom = TruncToInt(double(m.bottom) + d);
        q.top = TruncToInt(double(q.top) - 10);
        q.bottom = TruncToInt(double(q.bottom) + 10);
        return RectsOverlap(q, m) ? 1 : 0;
    }
    return 0;
}

bool CArdoRect::LineBandMeets(const CRect& q, int d) const {
    const CRect& p = m_position;
    const double dx = double(p.right) - p.left;
    const double dy = double(p.bottom) - p.top;
    const double len = std::sqrt(dx * dx + dy * dy);
    if (len == 0) return false;
    const double ny = dy / len;
    const double nx = dx / len;
    const CPoint band[4] = {
        {TruncToInt(p.left - d * ny), TruncToInt(p.top + d * nx)},
        {TruncToInt(p.left + d * ny), TruncToInt(p.top - d * nx)},
        {TruncToInt(p.right + d * ny), TruncToInt(p.bottom - d * nx)},
        {TruncToInt(p.right - d * ny), TruncToInt(p.bottom + d * nx)},
    };
    return region::PolygonMeetsRect(band, WINDING, q);
}

// --- properties, clone, record ----------------------------------------------------------------------

int CArdoRect::OnEditProperties(ObjectView* pView) {
    if (m_shape == SHAPE_DIMLINE || m_shape == SHAPE_DIMRECT) return EditMeasureProperties(pView);
    return CArdoObj::OnEditProperties(pView);
}

// The dimension dialog of the measuring shapes.
int CArdoRect::EditMeasureProperties(ObjectView* pView) { return measure::EditRectMeasureProperties(*this, pView); }

std::unique_ptr<CArdoObj> CArdoRect::Clone() const {
    auto clone = std::make_unique<CArdoRect>(m_position, SHAPE_RECTANGLE);
    CopyAttributesTo(*clone);
    clone->m_shape = m_shape;
    clone->m_roundness = m_roundness;
    return clone;
}

void CArdoRect::Serialize(CArchive& ar) {
    CArdoObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteWord(uint16_t(m_shape));
        ar.WriteLong(m_roundness.x);
        ar.WriteLong(m_roundness.y);
    } else {
        m_shape = ar.ReadWord();
        m_roundness.x = ar.ReadLong();
        m_roundness.y = ar.ReadLong();
    }
}
