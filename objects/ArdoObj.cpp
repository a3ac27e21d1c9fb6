#include "objects/ArdoObj.h"

#include "objects/ObjectDialogs.h"
#include "objects/ObjectOwner.h"
#include "platform/Archive.h"

#include <cmath>
#include <cstdlib>
#include <limits>

IMPLEMENT_SERIAL(CArdoObj, CObject, 0)

namespace {

// Values of a new document, for objects that belong to none.
constexpr float kDefaultUnitsPerMm = 200.0f;
constexpr float kDefaultScale = 100.0f;

// The property dialog accepts widths in this range only.
constexpr int kMaxLineWidth = 32767;

// Midpoint between a and b as the handle table defines it: a + (b - a) / 2, truncating.
// Computed wide so that extreme coordinates from a file cannot overflow.
int32_t HalfWay(int32_t a, int32_t b) { return int32_t(int64_t(a) + (int64_t(b) - a) / 2); }

}  // namespace

CArdoObj::CArdoObj() = default;

CArdoObj::CArdoObj(const CRect& position) : m_position(position) {}

int32_t CArdoObj::TruncToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return int32_t(v);  // truncates toward zero
}

// --- document values --------------------------------------------------------------------

float CArdoObj::DocUnitsPerMm() const { return m_pDocument ? m_pDocument->UnitsPerMm() : kDefaultUnitsPerMm; }

float CArdoObj::DocScale() const { return m_pDocument ? m_pDocument->Scale() : kDefaultScale; }

int CArdoObj::DocPixelSize() const { return m_pDocument ? m_pDocument->PixelSize() : 1; }

LOGPEN CArdoObj::DrawingPen(float divisor) const {
    const float upm = DocUnitsPerMm();
    LOGPEN pen = m_logpen;
    pen.lopnWidth.x = TruncToInt(float(m_logpen.lopnWidth.x) * upm / divisor / 100.0f);
    pen.lopnWidth.y = TruncToInt(float(m_logpen.lopnWidth.y) * upm / divisor / 100.0f);
    return pen;
}

// --- handles --------------------------------------------------------------------------------

int CArdoObj::GetHandleCount() const { return 8; }

CPoint CArdoObj::GetHandle(int nHandle) const {
    const CRect& r = m_position;
    const int32_t xc = HalfWay(r.left, r.right);
    const int32_t yc = HalfWay(r.top, r.bottom);
    switch (nHandle) {
    case 2: return {xc, r.top};
    case 3: return {r.right, r.top};
    case 4: return {r.right, yc};
    case 5: return {r.right, r.bottom};
    case 6: return {xc, r.bottom};
    case 7: return {r.left, r.bottom};
    case 8: return {r.left, yc};
    default: return {r.left, r.top};  // 1 and any number outside 1 ... 8
    }
}

int CArdoObj::GetHandleCursor(int nHandle) const {
    switch (nHandle) {
    case 2:
    case 6: return IDC_SIZENS;
    case 3:
    case 7: return IDC_SIZENESW;
    case 4:
    case 8: return IDC_SIZEWE;
    default: return IDC_SIZENWSE;  // 1, 5 and any other number
    }
}

CRect CArdoObj::GetHandleRect(int nHandle, const ObjectView* pView) const {
    const CPoint h = GetHandle(nHandle);
    const double s = pView ? pView->GetHandleSize() : 0;
    return CRect(TruncToInt(h.x - s), TruncToInt(h.y - s), TruncToInt(h.x + s), TruncToInt(h.y + s));
}

// --- attribute setters ------------------------------------------------------------------------

void CArdoObj::SetLineColor(COLORREF color) {
    m_logpen.lopnColor = color;
    if (m_pDocument) m_pDocument->SetCurrentLineColor(color);
    SetDocumentModified();
    Invalidate();
}

void CArdoObj::SetLineColorSilent(COLORREF color) {
    m_logpen.lopnColor = color;
    SetDocumentModified();
}

void CArdoObj::SetFillColor(COLORREF color) {
    m_logbrush.lbColor = color;
    if (m_pDocument) m_pDocument->SetCurrentFillColor(color);
    SetDocumentModified();
    Invalidate();
}

void CArdoObj::SetFillColorSilent(COLORREF color) {
    m_logbrush.lbColor = color;
    SetDocumentModified();
}

void CArdoObj::SetFilled(int bFill) {
    SetFilledSilent(bFill);
    Invalidate();
}

void CArdoObj::SetFilledSilent(int bFill) {
    m_bBrush = bFill;
    if (m_pDocument) m_pDocument->SetCurrentFill(bFill);
    SetDocumentModified();
}

void CArdoObj::SetLineWidth(int width) {
    SetLineWidthSilent(width);
    Invalidate();
}

void CArdoObj::SetLineWidthSilent(int width) {
    if (m_pDocument) m_pDocument->SetCurrentLineWidth(width);
    m_logpen.lopnWidth = {width, width};
    SetDocumentModified();
}

// --- drawing ----------------------------------------------------------------------------------

void CArdoObj::Draw(CDC*, CRect) {}

void CArdoObj::DrawTracker(CDC* pDC, TrackerState state, float) {
    if (state != selected && state != active) return;
    // Handle squares are a fixed number of device pixels whatever the zoom.
    CSize size(3, 7);
    pDC->DPtoLP(&size);
    const int a = std::abs(size.cx);
    const int b = std::abs(size.cy);
    const bool cornersOnly = (m_flags & kCornerHandlesOnly) != 0;
    const int count = GetHandleCount();
    for (int n = 1; n <= count; ++n) {
        if (cornersOnly && n % 2 == 0) continue;
        const CPoint h = GetHandle(n);
        pDC->PatBlt(h.x - a, h.y - a, b, b, DSTINVERT);
    }
}

// --- hit tests --------------------------------------------------------------------------------

int CArdoObj::HitTest(CPoint point, ObjectView* pView, int bSelected) const {
    if (bSelected) {
        const bool cornersOnly = (m_flags & kCornerHandlesOnly) != 0;
        const int count = GetHandleCount();
        for (int n = 1; n <= count; ++n) {
            if (cornersOnly && n % 2 == 0) continue;
            if (GetHandleRect(n, pView).PtInRect(point)) return n;
        }
        return 0;
    }
    // y grows upwards: the body lies between bottom (exclusive) and top (inclusive).
    const CRect& r = m_position;
    return (point.x >= r.left && point.x < r.right && point.y > r.bottom && point.y <= r.top) ? 1 : 0;
}

int CArdoObj::Intersects(const CRect& rect) const { return RectsOverlap(rect, m_position) ? 1 : 0; }

// --- moving and resizing ----------------------------------------------------------------------

void CArdoObj::MoveTo(const CRect& position, ObjectView* pView, int bQuiet) {
    if (position == m_position) return;
    if (bQuiet) {
        m_position = position;
        return;
    }
    RequestRedraw(pView);
    m_position = position;
    RequestRedraw(pView);
    SetDocumentModified();
}

void CArdoObj::MoveHandleTo(int nHandle, CPoint point, ObjectView* pView) {
    CRect r = m_position;
    switch (nHandle) {
    case 2: r.top = point.y; break;
    case 3:
        r.right = point.x;
        r.top = point.y;
        break;
    case 4: r.right = point.x; break;
    case 5:
        r.right = point.x;
        r.bottom = point.y;
        break;
    case 6: r.bottom = point.y; break;
    case 7:
        r.left = point.x;
        r.bottom = point.y;
        break;
    case 8: r.left = point.x; break;
    default:
        r.left = point.x;
        r.top = point.y;
        break;  // 1 and any other number
    }
    MoveTo(r, pView, 0);
}

// --- redraw and modified flag ---------------------------------------------------------------

void CArdoObj::Invalidate() {
    if (m_pDocument) m_pDocument->RedrawObject(this);
}

void CArdoObj::RequestRedraw(ObjectView* pView) {
    if (pView)
        pView->InvalidateObject(this);
    else
        Invalidate();
}

void CArdoObj::SetDocumentModified() {
    if (m_pDocument) m_pDocument->MarkModified(*this);
}

// --- properties and cloning ---------------------------------------------------------------------

int CArdoObj::OnEditProperties(ObjectView*) {
    LineFillValues values;
    values.lineWidth = m_bPen ? m_logpen.lopnWidth.x : 0;
    values.lineColor = m_logpen.lopnColor;
    values.fillColor = m_logbrush.lbColor;
    values.bFill = m_bBrush;
    if (!ObjectDialogs().EditLineAndFill(values)) return 0;
    // The dialog refuses widths outside its range; a dialog that lets one through is
    // treated as cancelled rather than storing a negative or oversized pen.
    if (values.lineWidth < 0 || values.lineWidth > kMaxLineWidth) return 0;
    SetLineColor(values.lineColor);
    SetFillColor(values.fillColor);
    SetFilled(values.bFill);
    SetLineWidth(values.lineWidth);
    Invalidate();
    SetDocumentModified();
    return 1;
}

void CArdoObj::CopyAttributesTo(CArdoObj& other) const {
    other.m_bPen = m_bPen;
    other.m_logpen = m_logpen;
    other.m_bBrush = m_bBrush;
    other.m_logbrush = m_logbrush;
}

std::unique_ptr<CArdoObj> CArdoObj::Clone() const {
    auto clone = std::make_unique<CArdoObj>(m_position);
    CopyAttributesTo(*clone);
    return clone;
}

// --- record ---------------------------------------------------------------------------------------

void CArdoObj::Serialize(CArchive& ar) {
    if (ar.IsStoring()) {
        ar.WriteLong(m_position.left);
        ar.WriteLong(m_position.top);
        ar.WriteLong(m_position.right);
        ar.WriteLong(m_position.bottom);
        ar.WriteWord(uint16_t(m_bPen));
        ar.WriteDWord(m_logpen.lopnStyle);
        ar.WriteLong(m_logpen.lopnWidth.x);
        ar.WriteLong(m_logpen.lopnWidth.y);
        ar.WriteDWord(m_logpen.lopnColor);
        ar.WriteWord(uint16_t(m_bBrush));
        ar.WriteDWord(m_logbrush.lbStyle);
        ar.WriteDWord(m_logbrush.lbColor);
        ar.WriteLong(m_logbrush.lbHatch);
    } else {
        m_pDocument = static_cast<ObjectOwner*>(ar.m_pDocument);
        m_position.left = ar.ReadLong();
        m_position.top = ar.ReadLong();
        m_position.right = ar.ReadLong();
        m_position.bottom = ar.ReadLong();
        m_bPen = ar.ReadWord();
        m_logpen.lopnStyle = ar.ReadDWord();
        m_logpen.lopnWidth.x = ar.ReadLong();
        m_logpen.lopnWidth.y = ar.ReadLong();
        m_logpen.lopnColor = ar.ReadDWord();
        m_bBrush = ar.ReadWord();
        m_logbrush.lbStyle = ar.ReadDWord();
        m_logbrush.lbColor = ar.ReadDWord();
        m_logbrush.lbHatch = ar.ReadLong();
    }
}
