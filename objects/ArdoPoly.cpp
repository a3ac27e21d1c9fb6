#include "objects/ArdoPoly.h"

#include "objects/ObjectOwner.h"
#include "objects/RegionGeometry.h"
#include "platform/Archive.h"

#include <algorithm>

IMPLEMENT_SERIAL(CArdoPoly, CArdoObj, 0)

namespace {

// a + delta, kept inside the coordinate range.
int32_t Shifted(int32_t a, int64_t delta) { return CArdoObj::TruncToInt(double(a) + double(delta)); }

// The rectangle widened by dx on the left and right and dy at the top and bottom, saturating.
CRect Widened(const CRect& r, int64_t dx, int64_t dy) {
    return CRect(Shifted(r.left, -dx), Shifted(r.top, -dy), Shifted(r.right, dx), Shifted(r.bottom, dy));
}

// The smallest rectangle holding every point, normalised (top is the smallest y).
CRect PointBounds(const std::vector<CPoint>& points) {
    CRect bounds(points[0], points[0]);
    for (const CPoint& p : points) {
        bounds.left = std::min(bounds.left, p.x);
        bounds.right = std::max(bounds.right, p.x);
        bounds.top = std::min(bounds.top, p.y);
        bounds.bottom = std::max(bounds.bottom, p.y);
    }
    return bounds;
}

}  // namespace

CArdoPoly::CArdoPoly(const CRect& position) : CArdoObj(position) {}

// --- point list ---------------------------------------------------------------------------------

void CArdoPoly::GrowCapacityFor(size_t count) {
    // The record stores the capacity in 16 bits, so it stops at the largest point count.
    if (count > size_t(m_nAllocPoints)) m_nAllocPoints = std::min(m_nAllocPoints + kGrowBy, kMaxPoints);
}

bool CArdoPoly::AddPointSilent(CPoint p) {
    if (PointCount() >= kMaxPoints) return false;
    GrowCapacityFor(m_points.size() + 1);
    if (!m_points.empty() && m_points.back() == p) return false;
    m_points.push_back(p);
    return true;
}

bool CArdoPoly::AddPoint(CPoint p, ObjectView* pView) {
    if (!AddPointSilent(p)) return false;
    if (!RecalcBounds(pView)) RequestRedraw(pView);
    SetDocumentModified();
    return true;
}

CPoint CArdoPoly::RemoveLastPoint(ObjectView* pView) {
    if (m_points.size() <= 2) return m_points.empty() ? CPoint() : m_points.back();
    const CPoint last = m_points.back();
    m_points.pop_back();
    if (!RecalcBounds(pView)) RequestRedraw(pView);
    SetDocumentModified();
    return last;
}

CRect CArdoPoly::BoundsOf(const std::vector<CPoint>& points) {
    CRect bounds = PointBounds(points);
    // A straight horizontal or vertical chain, or a single point, still gets an area to
    // draw and pick.
    if (bounds.left == bounds.right) bounds = Widened(bounds, 2, 0);
    if (bounds.top == bounds.bottom) bounds = Widened(bounds, 0, 2);
    return bounds;
}

bool CArdoPoly::RecalcBounds(ObjectView* pView) {
    if (m_points.empty()) return false;
    // The widened rectangle is what is compared, so that an object created with a zero-size
    // rectangle at its first point gets an area too.
    const CRect bounds = BoundsOf(m_points);
    if (bounds == m_position) return false;
    RequestRedraw(pView);
    m_position = bounds;
    RequestRedraw(pView);
    return true;
}

// --- handles, moving and resizing -------------------------------------------------------------------

CPoint CArdoPoly::GetHandle(int nHandle) const {
    if (nHandle >= 1 && nHandle <= PointCount()) return m_points[size_t(nHandle - 1)];
    // Any other number stands for the first handle, as for every object.
    return m_points.empty() ? m_position.TopLeft() : m_points.front();
}

void CArdoPoly::MoveHandleTo(int nHandle, CPoint point, ObjectView* pView) {
    if (nHandle < 1 || nHandle > PointCount()) return;
    CPoint& p = m_points[size_t(nHandle - 1)];
    if (p == point) return;
    p = point;
    RecalcBounds(pView);
    RequestRedraw(pView);
    SetDocumentModified();
}

void CArdoPoly::MoveTo(const CRect& position, ObjectView* pView, int bQuiet) {
    if (position == m_position) return;
    if (!bQuiet) RequestRedraw(pView);
    // Only a translation: a rectangle of another size does not change the shape.
    const int64_t dx = int64_t(position.left) - m_position.left;
    const int64_t dy = int64_t(position.top) - m_position.top;
    for (CPoint& p : m_points) p = {Shifted(p.x, dx), Shifted(p.y, dy)};
    m_position = position;
    if (!bQuiet) {
        RequestRedraw(pView);
        SetDocumentModified();
    }
}

void CArdoPoly::ScaleTo(float cx, float cy) {
    const int64_t w = int64_t(m_position.right) - m_position.left;
    const int64_t h = int64_t(m_position.bottom) - m_position.top;
    // Scaling a flat object would divide by zero; such an object keeps its shape.
    if (w == 0 || h == 0) return;
    const float fw = float(w), fh = float(h);
    for (CPoint& p : m_points) p = {TruncToInt(float(p.x) * cx / fw), TruncToInt(float(p.y) * cy / fh)};
    m_position.left = TruncToInt(float(m_position.left) * cx / fw);
    m_position.top = TruncToInt(float(m_position.top) * cy / fh);
    m_position.right = TruncToInt(float(m_position.left) + cx);
    m_position.bottom = TruncToInt(float(m_position.top) + cy);
}

void CArdoPoly::Transform(CPoint origin, float m11, float m12, float m21, float m22) {
    const auto map = [&](CPoint p) {
        const float x = float(int64_t(p.x) - origin.x);
        const float y = float(int64_t(p.y) - origin.y);
        const int32_t tx = TruncToInt(x * m11 + y * m21);
        const int32_t ty = TruncToInt(x * m12 + y * m22);
        return CPoint(Shifted(tx, origin.x), Shifted(ty, origin.y));
    };
    for (CPoint& p : m_points) p = map(p);
    m_position = CRect(map(m_position.TopLeft()), map(m_position.BottomRight()));
}

// --- hit test -----------------------------------------------------------------------------------------

int CArdoPoly::Intersects(const CRect& rect) const {
    // A region without area falls back to the bounds, one device pixel larger.
    const int px = DocPixelSize();
    const CRect widened = Widened(m_position, px, px).Normalized();
    // Picking walks every object: reject rectangles far from both tests before the
    // region work, which the region's own bounds contain.
    if (m_points.empty() || (!RectsOverlap(PointBounds(m_points), rect) && !RectsOverlap(widened, rect))) return 0;
    if (!region::PolygonRegionIsEmpty(m_points, ALTERNATE))
        return region::PolygonMeetsRect(m_points, ALTERNATE, rect) ? 1 : 0;
    return RectsOverlap(widened, rect) ? 1 : 0;
}

// --- drawing -------------------------------------------------------------------------------------------

bool CArdoPoly::PrepareDraw(CDC* pDC, const CRect& clip) const {
    if (!RectsOverlap(clip, m_position)) return false;
    CRect device = m_position;
    pDC->LPtoDP(&device);
    return !(device.Width() == 0 && device.Height() == 0);
}

void CArdoPoly::Draw(CDC* pDC, CRect clip) {
    if (!PrepareDraw(pDC, clip)) return;
    const LOGBRUSH oldBrush = pDC->GetCurrentBrush();
    const LOGPEN oldPen = pDC->GetCurrentPen();
    if (m_bBrush)
        pDC->SelectBrush(m_logbrush);
    else
        pDC->SelectStockObject(StockObject::NullBrush);
    if (m_bPen)
        pDC->SelectPen(DrawingPen());
    else
        pDC->SelectStockObject(StockObject::NullPen);
    pDC->SetPolyFillMode(ALTERNATE);
    pDC->Polygon(m_points);
    pDC->SelectBrush(oldBrush);
    pDC->SelectPen(oldPen);
}

// --- clone and record -------------------------------------------------------------------------------------

CArdoPoly* CArdoPoly::CopyPointsTo(CArdoPoly* clone) const {
    CopyAttributesTo(*clone);
    clone->m_points = m_points;
    clone->m_nAllocPoints = m_nAllocPoints;
    return clone;
}

std::unique_ptr<CArdoObj> CArdoPoly::Clone() const {
    auto clone = std::make_unique<CArdoPoly>(m_position);
    CopyPointsTo(clone.get());
    return clone;
}

void CArdoPoly::Serialize(CArchive& ar) {
    CArdoObj::Serialize(ar);
    if (ar.IsStoring()) {
        WritePointCounts(ar);
        WritePoints(ar);
    } else {
        ReadPoints(ar, ReadPointCounts(ar));
    }
}

void CArdoPoly::WritePointCounts(CArchive& ar) const {
    // Counts are 16-bit words: more points cannot be written without corrupting the file.
    if (m_points.size() > size_t(kMaxPoints))
        throw CArchiveException(CArchiveException::genericException, "polygon has more than 65535 points");
    // The capacity written never falls below the count, or the file could not be read back.
    const int capacity = std::clamp(m_nAllocPoints, PointCount(), kMaxPoints);
    ar.WriteWord(uint16_t(m_points.size()));
    ar.WriteWord(uint16_t(capacity));
}

void CArdoPoly::WritePoints(CArchive& ar) const {
    for (const CPoint& p : m_points) {
        ar.WriteLong(p.x);
        ar.WriteLong(p.y);
    }
}

uint16_t CArdoPoly::ReadPointCounts(CArchive& ar) {
    const uint16_t count = ar.ReadWord();
    const uint16_t capacity = ar.ReadWord();
    // A count beyond the capacity could never have been written: the record is damaged.
    if (count > capacity)
        throw CArchiveException(CArchiveException::badIndex, "polygon point count exceeds its capacity");
    m_nAllocPoints = capacity;
    return count;
}

void CArdoPoly::ReadPoints(CArchive& ar, uint16_t count) {
    ar.EnsureAvailable(uint64_t(count) * 8);
    m_points.clear();
    m_points.reserve(count);
    for (uint16_t i = 0; i < count; ++i) {
        const int32_t x = ar.ReadLong();
        const int32_t y = ar.ReadLong();
        m_points.emplace_back(x, y);
    }
}
