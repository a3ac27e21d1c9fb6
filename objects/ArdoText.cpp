#include "objects/ArdoText.h"

#include "objects/ObjectDialogs.h"
#include "objects/ObjectOwner.h"
#include "objects/RegionGeometry.h"
#include "platform/Archive.h"
#include "platform/Services.h"

#include <algorithm>
#include <cmath>

IMPLEMENT_SERIAL(CArdoText, CArdoObj, 0)

namespace {

constexpr const char* kSettingsSection = "Settings";
constexpr const char* kAngleKey = "TextAngle";
// Font sizes count in points, 2.84 of them per millimetre of paper.
constexpr float kPointsPerMm = 2.84f;
// The constant escapements have always been converted with, in place of pi.
constexpr double kPiApprox = 3.1415;
constexpr double kPi = 3.14159265359;

int Sign(int v) { return v < 0 ? -1 : 1; }

}  // namespace

CArdoText::CArdoText() : m_nCorners(4), m_cy(kDefaultInitialHeight), m_cx(0) { ReadAngleSetting(); }

CArdoText::CArdoText(const CRect& position, int16_t initialHeight)
    : CArdoObj(position), m_nCorners(0), m_cy(initialHeight) {
    ReadAngleSetting();
}

void CArdoText::ReadAngleSetting() {
    // A negative setting is a fixed angle.
    const int64_t v = AppServices().settings->GetProfileInt(kSettingsSection, kAngleKey, 0);
    m_bFixedAngle = v < 0 ? 1 : 0;
    m_nAngle = int(std::min<int64_t>(v < 0 ? -v : v, INT32_MAX));
}

CPoint CArdoText::GetHandle(int nHandle) const {
    return (nHandle >= 1 && nHandle <= 4) ? m_corners[nHandle - 1] : m_corners[0];
}

LOGFONT CArdoText::DrawingFont() const {
    const float factor = DocUnitsPerMm() / kPointsPerMm;
    LOGFONT lf = m_logfont;
    lf.lfHeight = TruncToInt(float(m_logfont.lfHeight) * factor);
    lf.lfWidth = TruncToInt(float(m_logfont.lfWidth) * factor);
    return lf;
}

// --- text ---------------------------------------------------------------------------------------

void CArdoText::SetText(ObjectView* pView, const std::string& text, const LOGFONT* pFont) {
    m_text = text;
    if (pFont)
        m_logfont = *pFont;
    else if (m_pDocument)
        m_logfont = m_pDocument->TextFont();
    if (m_pDocument) m_logbrush.lbColor = m_pDocument->TextColor();
    // Measured in the drawing font on an unmapped device, the extent is in logical units.
    const CSize extent = AppServices().text->GetTextExtent(DrawingFont(), m_text);
    m_cx = extent.cx;
    m_cy = extent.cy;
    RequestRedraw(pView);
    SetDocumentModified();
}

bool CArdoText::EditText(ObjectView* pView) {
    TextDialogValues values;
    values.strText = m_text;
    values.lf = m_pDocument ? m_pDocument->TextFont() : m_logfont;
    values.crText = m_pDocument ? m_pDocument->TextColor() : m_logbrush.lbColor;
    values.nAngle = m_nAngle;
    values.bFixedAngle = m_bFixedAngle;
    if (!ObjectDialogs().EditText(values)) return false;

    m_nAngle = values.nAngle < 0 ? values.nAngle + 360 : values.nAngle;
    m_bFixedAngle = values.bFixedAngle ? 1 : 0;
    AppServices().settings->WriteProfileInt(kSettingsSection, kAngleKey, m_bFixedAngle ? -m_nAngle : m_nAngle);
    if (values.bFontChosen) {
        if (m_pDocument) m_pDocument->SetTextFont(values.lf, values.crText);
        SetText(pView, values.strText, &values.lf);
        if (!m_pDocument) m_logbrush.lbColor = values.crText;
    } else {
        SetText(pView, values.strText, nullptr);
    }
    return true;
}

// --- geometry -----------------------------------------------------------------------------------

void CArdoText::AddCorner(CPoint point, ObjectView* pView) {
    if (m_nCorners < 4) m_corners[m_nCorners++] = point;
    if (!RecalcBounds(pView)) RequestRedraw(pView);
    SetDocumentModified();
}

void CArdoText::PlaceHorizontal(CPoint insertion) {
    m_corners[0] = insertion;
    m_corners[1] = CPoint(insertion.x, TruncToInt(double(insertion.y) + m_cy));
    m_corners[2] = CPoint(TruncToInt(double(insertion.x) + m_cx), m_corners[1].y);
    m_corners[3] = CPoint(m_corners[2].x, insertion.y);
    m_nCorners = 4;
    RecalcBounds(nullptr);
}

bool CArdoText::RecalcBounds(ObjectView* pView) {
    if (m_nCorners <= 0) return false;
    if (m_nCorners >= 4) {
        // Refit the box to the text width along its baseline.
        const double vx = double(m_corners[3].x) - m_corners[0].x;
        const double vy = double(m_corners[3].y) - m_corners[0].y;
        double len = std::sqrt(vx * vx + vy * vy);
        if (!(len > 0)) len = 1;
        const double ux = vx / len, uy = vy / len;
        m_corners[3] = CPoint(TruncToInt(m_corners[0].x + m_cx * ux), TruncToInt(m_corners[0].y + m_cx * uy));
        m_corners[2] = CPoint(TruncToInt(m_corners[1].x + m_cx * ux), TruncToInt(m_corners[1].y + m_cx * uy));
    }
    const int n = std::min(m_nCorners, 4);
    CRect bounds(m_corners[0].x, m_corners[0].y, m_corners[0].x, m_corners[0].y);
    for (int i = 1; i < n; ++i) {
        bounds.left = std::min(bounds.left, m_corners[i].x);
        bounds.right = std::max(bounds.right, m_corners[i].x);
        bounds.top = std::min(bounds.top, m_corners[i].y);
        bounds.bottom = std::max(bounds.bottom, m_corners[i].y);
    }
    if (bounds == m_position) return false;
    RequestRedraw(pView);
    if (bounds.Width() == 0) bounds.InflateRect(2, 0);
    if (bounds.Height() == 0) bounds.InflateRect(0, 2);
    m_position = bounds;
    RequestRedraw(pView);
    return true;
}

void CArdoText::RebuildOppositeSide(int nHandle) {
    const bool baseline = nHandle == 1 || nHandle == 4;
    const CPoint from = baseline ? m_corners[0] : m_corners[1];
    const CPoint to = baseline ? m_corners[3] : m_corners[2];
    const double s = baseline ? 1.0 : -1.0;
    const double vx = double(to.x) - from.x, vy = double(to.y) - from.y;
    double len = std::sqrt(vx * vx + vy * vy);
    if (!(len > 0)) len = 1;
    const CSize o(TruncToInt(-m_cy * s * vy / len), TruncToInt(m_cy * s * vx / len));
    if (baseline) {
        m_corners[1] = m_corners[0] + o;
        m_corners[2] = m_corners[3] + o;
    } else {
        m_corners[0] = m_corners[1] + o;
        m_corners[3] = m_corners[2] + o;
    }
}

void CArdoText::MoveHandleTo(int nHandle, CPoint point, ObjectView* pView) {
    if (nHandle < 1 || nHandle > 4) return;
    const CPoint corner = m_corners[nHandle - 1];
    if (corner == point) return;
    if (m_bFixedAngle) {
        // A fixed angle: dragging any handle moves the label without turning it.
        CRect moved = m_position;
        moved.OffsetRect(point - corner);
        MoveTo(moved, pView, 0);
    } else {
        m_corners[nHandle - 1] = point;
        RebuildOppositeSide(nHandle);
    }
    RecalcBounds(pView);
    RequestRedraw(pView);
    SetDocumentModified();
}

void CArdoText::MoveTo(const CRect& position, ObjectView* pView, int bQuiet) {
    if (position == m_position) return;
    if (!bQuiet) RequestRedraw(pView);
    // In 64 bits and saturating: corners read from a file may lie far from the stored bounds.
    const int64_t dx = int64_t(position.left) - m_position.left;
    const int64_t dy = int64_t(position.top) - m_position.top;
    for (CPoint& c : m_corners) c = CPoint(TruncToInt(double(c.x) + double(dx)), TruncToInt(double(c.y) + double(dy)));
    m_position = position;
    if (!bQuiet) {
        RequestRedraw(pView);
        SetDocumentModified();
    }
}

int CArdoText::Intersects(const CRect& rect) const {
    return region::PolygonMeetsRect(std::span<const CPoint>(m_corners, 4), ALTERNATE, rect) ? 1 : 0;
}

// --- properties and copies ------------------------------------------------------------------------

int CArdoText::OnEditProperties(ObjectView* pView) {
    if (!EditText(pView)) return 0;
    if (m_bFixedAngle) {
        const double a = m_nAngle * kPi / 180.0;
        const double c = std::cos(a), s = std::sin(a);
        const CPoint c0 = m_corners[0];
        m_corners[1] = CPoint(TruncToInt(c0.x - m_cy * s), TruncToInt(c0.y + m_cy * c));
        m_corners[2] = CPoint(TruncToInt(c0.x + m_cx * c - m_cy * s), TruncToInt(c0.y + m_cx * s + m_cy * c));
        m_corners[3] = CPoint(TruncToInt(c0.x + m_cx * c), TruncToInt(c0.y + m_cx * s));
    } else {
        // Refit to the new text size as a drag of the bottom-right handle onto itself would.
        RebuildOppositeSide(4);
    }
    RecalcBounds(pView);
    RequestRedraw(pView);
    SetDocumentModified();
    return 1;
}

std::unique_ptr<CArdoObj> CArdoText::Clone() const {
    auto clone = std::make_unique<CArdoText>(m_position);
    clone->m_nCorners = 4;
    std::copy(std::begin(m_corners), std::end(m_corners), clone->m_corners);
    clone->m_text = m_text;
    clone->m_cy = m_cy;
    clone->m_cx = m_cx;
    clone->m_logfont = m_logfont;
    clone->m_logbrush.lbColor = m_logbrush.lbColor;
    return clone;
}

// --- drawing ----------------------------------------------------------------------------------------

void CArdoText::Draw(CDC* pDC, CRect clip) {
    if (!RectsOverlap(clip, m_position)) return;
    // The label draws no outline: its stored pen becomes the null pen.
    m_logpen.lopnStyle = PS_NULL;
    m_logpen.lopnWidth = CPoint(0, 0);

    // The escapement the record keeps: measured with y growing downwards.
    // In 64 bits: corners read from a damaged file may lie at opposite ends of the range.
    int64_t a = int64_t(m_corners[3].x) - m_corners[0].x;
    if (a == 0) a = 1;
    const double b = double(m_corners[0].y) - m_corners[3].y;
    const int e = TruncToInt(std::atan2(b, double(a)) * 1800.0 / kPiApprox);
    m_logfont.lfEscapement = e;
    m_logfont.lfOrientation = -e;

    // The device turns text counter-clockwise as the user sees it. Under the view's mapping
    // logical y grows upwards, where the kept escapement would turn the text against its
    // box; follow the baseline as it appears on the device instead.
    const CSize win = pDC->GetWindowExt(), vp = pDC->GetViewportExt();
    const bool yUp = pDC->GetMapMode() != MM_TEXT && Sign(win.cy) != Sign(vp.cy);
    const bool xFlipped = pDC->GetMapMode() != MM_TEXT && Sign(win.cx) != Sign(vp.cx);
    const double seenX = xFlipped ? -double(a) : double(a);
    const double seenY = yUp ? -b : b;
    const int seen = TruncToInt(std::atan2(seenY, seenX) * 1800.0 / kPiApprox);

    LOGFONT font = DrawingFont();
    font.lfEscapement = seen;
    font.lfOrientation = seen;
    const COLORREF oldColor = pDC->SetTextColor(m_logbrush.lbColor);
    const int oldMode = pDC->SetBkMode(TRANSPARENT);
    const LOGFONT oldFont = pDC->SelectFont(font);
    const uint32_t oldAlign = pDC->SetTextAlign(TA_LEFT | TA_BOTTOM);
    pDC->TextOut(m_corners[0].x, m_corners[0].y, m_text);
    pDC->SetTextAlign(oldAlign);
    pDC->SelectFont(oldFont);
    pDC->SetBkMode(oldMode);
    pDC->SetTextColor(oldColor);
}

// --- record -------------------------------------------------------------------------------------------

namespace {

void WriteFont(CArchive& ar, const LOGFONT& lf) {
    ar.WriteLong(lf.lfHeight);
    ar.WriteLong(lf.lfWidth);
    ar.WriteLong(lf.lfEscapement);
    ar.WriteLong(lf.lfOrientation);
    ar.WriteLong(lf.lfWeight);
    for (uint8_t b : {lf.lfItalic, lf.lfUnderline, lf.lfStrikeOut, lf.lfCharSet, lf.lfOutPrecision, lf.lfClipPrecision,
                      lf.lfQuality, lf.lfPitchAndFamily})
        ar.WriteByte(b);
    ar.Write(lf.lfFaceName, LF_FACESIZE);  // all 32 bytes, also those after the terminator
}

void ReadFont(CArchive& ar, LOGFONT& lf) {
    lf.lfHeight = ar.ReadLong();
    lf.lfWidth = ar.ReadLong();
    lf.lfEscapement = ar.ReadLong();
    lf.lfOrientation = ar.ReadLong();
    lf.lfWeight = ar.ReadLong();
    for (uint8_t* b : {&lf.lfItalic, &lf.lfUnderline, &lf.lfStrikeOut, &lf.lfCharSet, &lf.lfOutPrecision,
                       &lf.lfClipPrecision, &lf.lfQuality, &lf.lfPitchAndFamily})
        *b = ar.ReadByte();
    ar.Read(lf.lfFaceName, LF_FACESIZE);
}

}  // namespace

void CArdoText::Serialize(CArchive& ar) {
    CArdoObj::Serialize(ar);
    auto* doc = static_cast<ObjectOwner*>(ar.m_pDocument);
    // Files of version 1 carry no angle; a record written without a document is current.
    const bool withAngle = !doc || doc->FileVersion() >= 2;
    if (ar.IsStoring()) {
        ar.WriteString(m_text);
        ar.WriteWord(uint16_t(m_cy));
        ar.WriteWord(uint16_t(m_cx));
        // A copy for the clipboard is written without a document: it carries its own one's.
        const ObjectOwner* owner = doc ? doc : m_pDocument;
        ar.WriteWord(uint16_t(owner ? owner->InitialTextHeight() : kDefaultInitialHeight));
        WriteFont(ar, m_logfont);
        ar.WriteDWord(m_logbrush.lbColor);
        for (const CPoint& c : m_corners) {
            ar.WriteLong(c.x);
            ar.WriteLong(c.y);
        }
        if (withAngle) ar.WriteWord(uint16_t(m_nAngle));
    } else {
        m_text = ar.ReadString();
        m_cy = ar.ReadWord();
        m_cx = ar.ReadWord();
        const auto initialHeight = int16_t(ar.ReadWord());
        if (doc) doc->SetInitialTextHeight(initialHeight);
        ReadFont(ar, m_logfont);
        m_logbrush.lbColor = ar.ReadDWord();
        for (CPoint& c : m_corners) {
            c.x = ar.ReadLong();
            c.y = ar.ReadLong();
        }
        m_nAngle = withAngle ? ar.ReadWord() : 0;
        m_nCorners = 4;
    }
}
