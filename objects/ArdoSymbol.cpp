#include "objects/ArdoSymbol.h"

#include "objects/ArdoPoly.h"
#include "objects/ArdoText.h"
#include "objects/ObjectDialogs.h"
#include "objects/ObjectOwner.h"
#include "objects/RegionGeometry.h"
#include "objects/SymbolInfo.h"
#include "platform/Archive.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>

IMPLEMENT_SERIAL(CArdoSymbol, CArdoObj, 0)

namespace {

using Vec = CArdoSymbol::Vec;

// Lengths below this count as zero: their direction is undefined.
constexpr double kTinyLength = 0.00001;
// A placed symbol and the symbols its library geometry holds; no deeper.
constexpr int kMaxNesting = 2;
// The dialog and the turning handles use these approximations of pi and pi/2.
constexpr double kDialogPi = 3.1415927;
constexpr double kAnglePi = 3.141592654;
constexpr double kAngleHalfPi = 1.570796327;
constexpr double kHandle7QuarterTurn = 1.57075;

// Float to coordinate: truncation toward zero, clamped, NaN as 0, so values from a
// damaged file or an extreme drag never overflow.
int32_t Trunc(double v) {
    if (std::isnan(v)) return 0;
    if (v >= 2147483647.0) return std::numeric_limits<int32_t>::max();
    if (v <= -2147483648.0) return std::numeric_limits<int32_t>::min();
    return int32_t(v);
}

Vec Between(CPoint a, CPoint b) { return {double(b.x) - a.x, double(b.y) - a.y}; }
double Length(Vec v) { return std::hypot(v.x, v.y); }
double Distance(CPoint a, CPoint b) { return Length(Between(a, b)); }
// u turned by +90 degrees.
Vec Perp(Vec u) { return {-u.y, u.x}; }
// u turned by -90 degrees.
Vec PerpBack(Vec u) { return {u.y, -u.x}; }
double Dot(CPoint p, CPoint from, Vec u) { return (double(p.x) - from.x) * u.x + (double(p.y) - from.y) * u.y; }
CPoint Along(CPoint p, double t, Vec u) { return {Trunc(p.x + t * u.x), Trunc(p.y + t * u.y)}; }
CPoint Offset(CPoint p, int64_t dx, int64_t dy) { return {Trunc(double(p.x + dx)), Trunc(double(p.y + dy))}; }

// Within this distance of the origin coordinates can be shifted and scaled by sheet-sized
// amounts without overflowing; geometry beyond it is not drawn.
bool IsNear(CPoint p) {
    constexpr int32_t kFar = 1 << 28;
    return p.x >= -kFar && p.x <= kFar && p.y >= -kFar && p.y <= kFar;
}

// An object whose bounds and points are all near: a damaged library or an absurd scale
// must not hand the drawing code coordinates it cannot subtract.
bool IsNearAll(const CArdoObj& obj) {
    if (!IsNear(obj.m_position.TopLeft()) || !IsNear(obj.m_position.BottomRight())) return false;
    if (const auto* poly = dynamic_cast<const CArdoPoly*>(&obj))
        return std::all_of(poly->m_points.begin(), poly->m_points.end(), IsNear);
    // Texts and symbols keep corners of their own, stored apart from their bounds.
    if (const auto* text = dynamic_cast<const CArdoText*>(&obj))
        return std::all_of(text->m_corners, text->m_corners + 4, IsNear);
    if (const auto* symbol = dynamic_cast<const CArdoSymbol*>(&obj))
        return std::all_of(symbol->m_corners, symbol->m_corners + 4, IsNear);
    return true;
}

// Unit vector and length from a to b. Coinciding points keep the previous direction and
// give length 1, so no later step divides by zero.
void AxisFrom(CPoint a, CPoint b, Vec& u, float& length) {
    const Vec d = Between(a, b);
    const double l = Length(d);
    if (l < kTinyLength) {
        length = 1.0f;
        return;
    }
    u = {d.x / l, d.y / l};
    length = float(l);
}

bool IsUnitVector(Vec u) { return std::isfinite(u.x) && std::isfinite(u.y) && Length(u) > kTinyLength; }

// The unit vector of an angle in degrees the way the symbol dialog builds it: a tangent
// within the quarter, then whole quarter turns.
Vec DirectionFromDegrees(double alpha) {
    if (!std::isfinite(alpha)) alpha = 0.0;
    if (std::fabs(alpha) >= 360.0) alpha = std::fmod(alpha, 360.0);
    const int quarters = int(alpha / 90.0);
    const double a = alpha * kAnglePi / 180.0 - quarters * kAngleHalfPi;
    const double t = std::tan(a);
    const double n = std::sqrt(1.0 + t * t);
    Vec u{1.0 / n, t / n};
    // Negative angles turn the other way round: -1 quarter is 3 quarters.
    for (int i = 0, turns = ((quarters % 4) + 4) % 4; i < turns; ++i) u = Perp(u);
    return u;
}

const char* UnitLabel(int divisor) {
    switch (divisor) {
    case 1: return "mm";
    case 10: return "cm";
    case 1000: return "m";
    default: return "-";
    }
}

}  // namespace

CArdoSymbol::CArdoSymbol() = default;

CArdoSymbol::CArdoSymbol(const CRect& position, int nSymbolId)
    : CArdoObj(position.Normalized()), m_nSymbolId(nSymbolId) {
    m_corners[0] = {position.left, position.top};
    m_corners[1] = {position.right, position.top};
    m_corners[2] = {position.left, position.bottom};
    m_corners[3] = {position.right, position.bottom};
    AxisFrom(m_corners[0], m_corners[1], m_u1, m_fLength);
    AxisFrom(m_corners[0], m_corners[2], m_u2, m_fWidth);
    RecalcDiagonal();
    m_bCapturePivot = 1;
}

void CArdoSymbol::RecalcDiagonal() {
    m_fDiagAngle = std::atan2(m_fWidth, m_fLength);
    m_fDiagLength = std::sqrt(m_fLength * m_fLength + m_fWidth * m_fWidth);
}

const SymbolInfo* CArdoSymbol::LibraryInfo() const {
    return m_pDocument ? m_pDocument->LibrarySymbol(m_nSymbolId) : nullptr;
}

// --- record --------------------------------------------------------------------------------

void CArdoSymbol::Serialize(CArchive& ar) {
    CArdoObj::Serialize(ar);
    if (ar.IsStoring()) {
        ar.WriteWord(uint16_t(m_nSymbolId));
        ar.WriteString(m_strNote);
        ar.WriteDouble(m_u1.x);
        ar.WriteDouble(m_u1.y);
        ar.WriteDouble(m_u2.x);
        ar.WriteDouble(m_u2.y);
        ar.WriteFloat(m_fLength);
        ar.WriteFloat(m_fWidth);
        ar.WriteDWord(m_flags);
        for (const CPoint& c : m_corners) {
            ar.WriteLong(c.x);
            ar.WriteLong(c.y);
        }
        return;
    }
    m_nSymbolId = ar.ReadWord();
    m_strNote = ar.ReadString();
    m_u1.x = ar.ReadDouble();
    m_u1.y = ar.ReadDouble();
    m_u2.x = ar.ReadDouble();
    m_u2.y = ar.ReadDouble();
    m_fLength = ar.ReadFloat();
    m_fWidth = ar.ReadFloat();
    m_flags = ar.ReadDWord();
    for (CPoint& c : m_corners) {
        c.x = ar.ReadLong();
        c.y = ar.ReadLong();
    }
    // A box that once collapsed may carry undefined axes or sizes; rebuild them from the
    // corners rather than losing the document.
    if (!IsUnitVector(m_u1)) {
        m_u1 = {1.0, 0.0};
        AxisFrom(m_corners[0], m_corners[1], m_u1, m_fLength);
    }
    if (!IsUnitVector(m_u2)) {
        m_u2 = Perp(m_u1);
        AxisFrom(m_corners[0], m_corners[2], m_u2, m_fWidth);
    }
    if (!std::isfinite(m_fLength)) m_fLength = float(std::max(Distance(m_corners[0], m_corners[1]), 1.0));
    if (!std::isfinite(m_fWidth)) m_fWidth = float(std::max(Distance(m_corners[0], m_corners[2]), 1.0));
    RecalcDiagonal();
    m_bCapturePivot = 1;
}

// --- handles -------------------------------------------------------------------------------

CPoint CArdoSymbol::GetHandle(int nHandle) const {
    const CPoint& c0 = m_corners[0];
    const CPoint& c1 = m_corners[1];
    const CPoint m01{Trunc(double((int64_t(c0.x) + c1.x) / 2)), Trunc(double((int64_t(c0.y) + c1.y) / 2))};
    const int64_t bx = int64_t(m_corners[2].x) - c0.x;
    const int64_t by = int64_t(m_corners[2].y) - c0.y;
    switch (nHandle) {
    case 2: return m01;
    case 3: return c1;
    case 4: return Offset(c1, bx / 2, by / 2);
    case 5: return m_corners[3];
    case 6: return Offset(m01, bx, by);
    case 7: return m_corners[2];
    case 8: return Offset(c0, bx / 2, by / 2);
    default: return c0;
    }
}

int CArdoSymbol::GetHandleCursor(int nHandle) const {
    switch (nHandle) {
    case 2:
    case 6: return IDC_SIZENS;
    case 4:
    case 8: return IDC_SIZEWE;
    default: return IDC_SYMBOL_TURN;
    }
}

void CArdoSymbol::MoveHandleTo(int nHandle, CPoint point, ObjectView* pView) {
    if (nHandle < 1 || nHandle > 8) nHandle = 1;
    if (nHandle != 1) m_bCapturePivot = 1;
    if (nHandle % 2 == 0)
        MoveEdgeHandle(nHandle, point);
    else if (!MoveCornerHandle(nHandle, point))
        return;
    RecalcBounds(pView);
    RequestRedraw(pView);
    SetDocumentModified();
}

// An edge handle moves its edge along the axis across it; the opposite edge stays.
void CArdoSymbol::MoveEdgeHandle(int nHandle, CPoint p) {
    CPoint& c0 = m_corners[0];
    CPoint& c1 = m_corners[1];
    CPoint& c2 = m_corners[2];
    CPoint& c3 = m_corners[3];
    switch (nHandle) {
    case 4:
        c1 = Along(c0, Dot(p, c0, m_u1), m_u1);
        AxisFrom(c0, c1, m_u1, m_fLength);
        c3 = Along(c1, m_fWidth, m_u2);
        break;
    case 8:
        c0 = Along(c1, Dot(p, c1, m_u1), m_u1);
        c2 = Along(c0, m_fWidth, m_u2);
        AxisFrom(c0, c1, m_u1, m_fLength);
        break;
    case 6:
        c2 = Along(c0, Dot(p, c0, m_u2), m_u2);
        AxisFrom(c0, c2, m_u2, m_fWidth);
        c3 = Along(c1, m_fWidth, m_u2);
        break;
    default:  // 2
        c0 = Along(c2, Dot(p, c2, m_u2), m_u2);
        c1 = Along(c0, m_fLength, m_u1);
        AxisFrom(c0, c2, m_u2, m_fWidth);
        break;
    }
    RecalcDiagonal();
}

// A corner handle turns the box about the opposite corner; with kCornerScales the dragged
// corner lands on the mouse point and the box scales in proportion.
bool CArdoSymbol::MoveCornerHandle(int nHandle, CPoint p) {
    CPoint& c0 = m_corners[0];
    CPoint& c1 = m_corners[1];
    CPoint& c2 = m_corners[2];
    CPoint& c3 = m_corners[3];
    const bool scales = (m_flags & kCornerScales) != 0;

    if (nHandle == 1) {
        // The pivot of handle 1 stays fixed for a whole drag.
        if (m_bCapturePivot) {
            AxisFrom(c0, c2, m_u2, m_fWidth);
            c3 = Along(c1, m_fWidth, m_u2);
            m_pivot = c3;
            m_bCapturePivot = 0;
        } else {
            c3 = m_pivot;
        }
    }
    const CPoint pivot = nHandle == 1 ? c3 : nHandle == 3 ? c2 : nHandle == 5 ? c0 : c1;

    if (scales) {
        const Vec d = Between(pivot, p);
        // Level with the pivot the proportion jumps; ignore such steps.
        if (d.x != 0.0 && d.y == 0.0) return false;
        const float diag = float(Length(d));
        // On the pivot itself, or from a collapsed box, there is no proportion to keep.
        if (diag < kTinyLength || m_fDiagLength < kTinyLength) return false;
        const float f = diag / m_fDiagLength;
        m_fLength *= f;
        m_fWidth *= f;
        m_fDiagLength = diag;
    }

    const double L = m_fLength;
    const double W = m_fWidth;
    switch (nHandle) {
    case 1: {
        const double phi = std::atan2(double(c3.y) - p.y, double(c3.x) - p.x) - m_fDiagAngle;
        c1 = {Trunc(c3.x + W * std::sin(phi)), Trunc(c3.y - W * std::cos(phi))};
        if (scales) {
            c0 = p;
            AxisFrom(c0, c1, m_u1, m_fLength);
            m_u2 = Perp(m_u1);
        } else {
            const Vec d = Between(c1, c3);
            if (Length(d) >= kTinyLength) m_u2 = {d.x / Length(d), d.y / Length(d)};
            m_u1 = PerpBack(m_u2);
            c0 = Along(c1, -L, m_u1);
        }
        c2 = Along(c0, W, m_u2);
        break;
    }
    case 3: {
        const double phi = std::atan2(double(p.x) - c2.x, double(p.y) - c2.y) - m_fDiagAngle;
        c0 = {Trunc(c2.x + W * std::cos(phi)), Trunc(c2.y - W * std::sin(phi))};
        if (scales) {
            c1 = p;
            AxisFrom(c0, c1, m_u1, m_fLength);
            m_u2 = Perp(m_u1);
        } else {
            AxisFrom(c0, c2, m_u2, m_fWidth);
            m_u1 = PerpBack(m_u2);
            c0 = Along(c2, -double(m_fWidth), m_u2);
        }
        c1 = Along(c0, m_fLength, m_u1);
        c3 = Along(c1, m_fWidth, m_u2);
        break;
    }
    case 5: {
        const double phi = std::atan2(double(p.y) - c0.y, double(p.x) - c0.x) - m_fDiagAngle;
        c1 = {Trunc(c0.x + L * std::cos(phi)), Trunc(c0.y + L * std::sin(phi))};
        AxisFrom(c0, c1, m_u1, m_fLength);
        m_u2 = Perp(m_u1);
        c2 = Along(c0, W, m_u2);
        c3 = scales ? p : Along(c1, W, m_u2);
        break;
    }
    default: {  // 7
        const double phi = std::atan2(double(c1.x) - p.x, double(p.y) - c1.y) + m_fDiagAngle - kHandle7QuarterTurn;
        c0 = {Trunc(c1.x - L * std::cos(phi)), Trunc(c1.y - L * std::sin(phi))};
        if (scales) {
            c2 = p;
            AxisFrom(c0, c2, m_u2, m_fWidth);
            c3 = Along(c1, m_fWidth, m_u2);
            m_u1 = PerpBack(m_u2);
        } else {
            AxisFrom(c0, c1, m_u1, m_fLength);
            m_u2 = Perp(m_u1);
            c2 = Along(c0, W, m_u2);
            c3 = Along(c1, W, m_u2);
        }
        break;
    }
    }
    RecalcDiagonal();
    return true;
}

bool CArdoSymbol::RecalcBounds(ObjectView* pView) {
    int32_t left = m_corners[0].x, right = left, top = m_corners[0].y, bottom = top;
    for (const CPoint& c : m_corners) {
        left = std::min(left, c.x);
        right = std::max(right, c.x);
        top = std::min(top, c.y);
        bottom = std::max(bottom, c.y);
    }
    CRect r(left, top, right, bottom);
    if (left == right) r = CRect(Trunc(double(left) - 2), top, Trunc(double(right) + 2), bottom);
    if (top == bottom) r = CRect(r.left, Trunc(double(top) - 2), r.right, Trunc(double(bottom) + 2));
    if (r == m_position) return false;
    RequestRedraw(pView);
    m_position = r;
    RequestRedraw(pView);
    return true;
}

// --- moving and hit test ---------------------------------------------------------------------

void CArdoSymbol::MoveTo(const CRect& position, ObjectView* pView, int bQuiet) {
    if (position == m_position) return;
    if (!bQuiet) RequestRedraw(pView);
    const int64_t dx = int64_t(position.left) - m_position.left;
    const int64_t dy = int64_t(position.top) - m_position.top;
    for (CPoint& c : m_corners) c = Offset(c, dx, dy);
    m_position = position;
    m_bCapturePivot = 1;
    if (!bQuiet) {
        RequestRedraw(pView);
        SetDocumentModified();
    }
}

int CArdoSymbol::Intersects(const CRect& rect) const {
    const CPoint box[4] = {m_corners[0], m_corners[1], m_corners[3], m_corners[2]};
    return region::PolygonMeetsRect(box, ALTERNATE, rect) ? 1 : 0;
}

// --- drawing -----------------------------------------------------------------------------------

void CArdoSymbol::Draw(CDC* pDC, CRect clip) {
    if (!RectsOverlap(clip, m_position)) return;
    const SymbolInfo* info = LibraryInfo();
    if (!info) return;

    if (m_flags & kDefaultSize) {
        // The box shows the library's default size; the corners follow at the next edit.
        const float factor = DocUnitsPerMm() / DocScale();
        m_fLength = float(info->nLength) * factor;
        m_fWidth = float(info->nWidth) * factor;
        int32_t left = m_corners[0].x, right = left, low = m_corners[0].y, high = low;
        for (const CPoint& c : m_corners) {
            left = std::min(left, c.x);
            right = std::max(right, c.x);
            low = std::min(low, c.y);
            high = std::max(high, c.y);
        }
        m_position = CRect(left, high, right, low);
        RecalcDiagonal();
    }

    const ObjectList& geometry = m_pDocument->LibraryGeometry(m_nSymbolId);
    if (geometry.size() < 2) return;
    // A symbol stored from a selection may hold placed symbols; those are drawn, but not
    // the symbols inside them, so a library that refers to itself cannot recurse.
    static thread_local int s_nestedDepth = 0;
    if (s_nestedDepth >= kMaxNesting) return;
    struct Nesting {
        Nesting() { ++s_nestedDepth; }
        ~Nesting() { --s_nestedDepth; }
    } nesting;
    // The first object is the frame that the library geometry is drawn in.
    const CRect frame = geometry.front()->m_position;
    const double frameWidth = double(frame.right) - frame.left;
    const double frameHeight = double(frame.bottom) - frame.top;
    if (frameWidth == 0.0 || frameHeight == 0.0) return;

    const CPoint c0 = m_corners[0];
    // Far outside any sheet, shifting geometry there could overflow its coordinates.
    if (!IsNear(c0)) return;
    const double sx = Distance(c0, m_corners[1]) / frameWidth;
    const double sy = Distance(c0, m_corners[2]) / frameHeight;
    const float m11 = float(sx * m_u1.x), m12 = float(sx * m_u1.y);
    const float m21 = float(sy * m_u2.x), m22 = float(sy * m_u2.y);
    const CRect everywhere(0, 0, 32767, 32767);
    for (size_t i = 1; i < geometry.size(); ++i) {
        // Every coordinate is checked before the shift, not only the bounds: a damaged
        // library may hold points or corners far from the bounds it stores.
        if (!IsNearAll(*geometry[i])) continue;
        // A symbol's Clone moves its source; the library's objects must stay where they are.
        const auto* nested = dynamic_cast<const CArdoSymbol*>(geometry[i].get());
        std::unique_ptr<CArdoObj> copy = nested ? std::make_unique<CArdoSymbol>(*nested) : geometry[i]->Clone();
        copy->SetDocument(m_pDocument);
        CRect shifted = copy->m_position;
        shifted.OffsetRect(c0.x, c0.y);
        copy->MoveTo(shifted, nullptr, 1);
        copy->Transform(c0, m11, m12, m21, m22);
        if (!IsNearAll(*copy)) continue;
        copy->Draw(pDC, everywhere);
    }
}

// --- properties --------------------------------------------------------------------------------

int CArdoSymbol::OnEditProperties(ObjectView* pView) {
    const SymbolInfo* info = LibraryInfo();
    if (info && info->nClass == kMarkerClass) {
        EditNote(pView);
        return 1;
    }
    const int divisor = m_pDocument ? m_pDocument->UnitDivisor() : 1000;
    const float div = divisor > 0 ? float(divisor) : 1.0f;
    const float upm = DocUnitsPerMm();
    const float scale = DocScale();
    auto toUnit = [&](double logical) { return float(logical) / div / upm * scale; };

    SymbolDialogValues values;
    values.strNote = m_strNote;
    values.strType = info ? info->strDescription : std::string();
    values.fLength = toUnit(Distance(m_corners[0], m_corners[1]));
    values.fWidth = toUnit(Distance(m_corners[0], m_corners[2]));
    values.fDefaultLength = info ? float(info->nLength) / div : 0.0f;
    values.fDefaultWidth = info ? float(info->nWidth) / div : 0.0f;
    values.bDefaultSize = (m_flags & kDefaultSize) ? 1 : 0;
    values.fX = toUnit(m_corners[0].x);
    values.fY = toUnit(m_corners[0].y);
    double angle = std::atan2(m_u1.y, m_u1.x) * 180.0 / kDialogPi;
    while (angle < 0.0) angle += 360.0;
    values.fAngle = float(angle);
    values.strUnit = UnitLabel(divisor);

    // Cancel changes nothing but still reports the edit as handled.
    if (!ObjectDialogs().EditSymbol(values)) return 1;
    if (!std::isfinite(values.fLength) || !std::isfinite(values.fWidth) || !std::isfinite(values.fX) ||
        !std::isfinite(values.fY))
        return 1;

    const float back = div * upm / scale;
    if (values.bDefaultSize)
        m_flags = (m_flags | kDefaultSize) & ~kCornerScales;
    else
        m_flags &= ~kDefaultSize;
    m_strNote = values.strNote;

    // The box is rebuilt from the new corner c0, angle, length and width.
    CPoint& c0 = m_corners[0];
    c0 = CPoint{Trunc(values.fX * back), Trunc(values.fY * back)};

    m_u1 = DirectionFromDegrees(values.fAngle);
    m_u2 = Perp(m_u1);
    m_corners[1] = Along(c0, values.fLength * back, m_u1);
    m_corners[2] = Along(c0, values.fWidth * back, m_u2);
    AxisFrom(c0, m_corners[1], m_u1, m_fLength);
    AxisFrom(c0, m_corners[2], m_u2, m_fWidth);
    m_corners[3] = Along(m_corners[1], m_fWidth, m_u2);
    RecalcDiagonal();
    m_bCapturePivot = 1;
    RecalcBounds(pView);
    RequestRedraw(pView);
    SetDocumentModified();
    return 1;
}

void CArdoSymbol::EditNote(ObjectView*) {
    std::string note = m_strNote;
    if (!ObjectDialogs().EditNote(note) || note == m_strNote) return;
    m_strNote = note;
    // A changed note is a change of the document that saving must not miss.
    SetDocumentModified();
}

// --- cloning --------------------------------------------------------------------------------------

std::unique_ptr<CArdoObj> CArdoSymbol::Clone() const {
    auto copy = std::make_unique<CArdoSymbol>(m_position, m_nSymbolId);
    std::copy(std::begin(m_corners), std::end(m_corners), copy->m_corners);
    copy->m_u1 = m_u1;
    copy->m_u2 = m_u2;
    copy->m_fLength = m_fLength;
    copy->m_fWidth = m_fWidth;
    copy->RecalcDiagonal();
    copy->m_flags = m_flags;
    CopyAttributesTo(*copy);
    // The copy takes the old place and the source steps aside, so the user keeps working
    // with the object that moved. Objects are never created const, so this is sound.
    auto* self = const_cast<CArdoSymbol*>(this);
    const int64_t dx = Trunc(0.2f * m_fLength), dy = Trunc(0.2f * m_fWidth);
    const CPoint topLeft = Offset(m_position.TopLeft(), dx, dy);
    const CPoint bottomRight = Offset(m_position.BottomRight(), dx, dy);
    self->MoveTo(CRect(topLeft, bottomRight), nullptr, 0);
    return copy;
}
