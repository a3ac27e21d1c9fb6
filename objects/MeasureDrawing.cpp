// Measuring labels and the rectangle-based measuring shapes.
#include "objects/MeasureDrawing.h"

#include "objects/ArdoRect.h"
#include "objects/ObjectDialogs.h"
#include "objects/ObjectOwner.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace measure {

namespace {

// The constant the escapement conversion has always used in place of pi.
constexpr double kPiApprox = 3.1415;

// Float to int, truncating toward zero; NaN gives 0 and out-of-range values saturate.
int TruncToInt(double v) {
    if (std::isnan(v)) return 0;
    if (v >= double(std::numeric_limits<int>::max())) return std::numeric_limits<int>::max();
    if (v <= double(std::numeric_limits<int>::min())) return std::numeric_limits<int>::min();
    return int(v);
}

int Sign(int v) { return (v > 0) - (v < 0); }

std::string FixedTwo(double value) {
    char buf[400];  // room for any double in fixed notation
    const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, 2);
    return std::string(buf, res.ptr);
}

}  // namespace

float UnitsFactor(const ObjectOwner& doc) { return doc.Scale() / float(doc.UnitDivisor()) / doc.UnitsPerMm(); }

float SegmentLength(CPoint a, CPoint b, float k) {
    const float dx = float(int64_t(b.x) - a.x) * k;
    const float dy = float(int64_t(b.y) - a.y) * k;
    return std::sqrt(dx * dx + dy * dy);
}

std::string FormatLength(double length) { return FixedTwo(length); }

std::string FormatArea(double area, const std::string& unit) { return FixedTwo(area) + " " + unit + "\u00B2"; }

CPoint Midpoint(CPoint a, CPoint b) { return {int32_t((int64_t(a.x) + b.x) / 2), int32_t((int64_t(a.y) + b.y) / 2)}; }

LOGFONT LabelFont(const ObjectOwner& doc) {
    LOGFONT lf{};
    lf.lfHeight = TruncToInt(float(doc.DimTextHeight()) * doc.UnitsPerMm());
    lf.lfWeight = FW_BOLD;
    lf.SetFaceName("Arial");
    return lf;
}

int ReadableEscapement(const CDC& dc, CPoint from, CPoint to) {
    // Direction as the user sees it: x to the right, y upwards on the device. The view maps
    // logical y upwards; other mappings are followed through the signs of the extents.
    const CSize win = dc.GetWindowExt(), vp = dc.GetViewportExt();
    const int sx = Sign(vp.cx) * Sign(win.cx);
    const int sy = -Sign(vp.cy) * Sign(win.cy);
    double vx = sx * (double(to.x) - from.x);
    double vy = sy * (double(to.y) - from.y);
    if (vx == 0 && vy == 0) return 0;
    // Turn the direction into the right half plane so the text never stands on its head.
    if (vx < 0 || (vx == 0 && vy < 0)) {
        vx = -vx;
        vy = -vy;
    }
    int e = TruncToInt(std::atan2(vy, vx) * 1800 / kPiApprox);
    if (e <= -900) e += 1800;  // straight down reads as straight up
    return e;
}

LabelTextState::LabelTextState(CDC* pDC)
    : m_pDC(pDC),
      m_oldAlign(pDC->SetTextAlign(TA_CENTER | TA_BASELINE)),
      m_oldBkMode(pDC->SetBkMode(TRANSPARENT)),
      m_oldColor(pDC->SetTextColor(0)) {}

LabelTextState::~LabelTextState() {
    m_pDC->SetTextColor(m_oldColor);
    m_pDC->SetBkMode(m_oldBkMode);
    m_pDC->SetTextAlign(m_oldAlign);
}

void DrawLabel(CDC* pDC, const LOGFONT& font, int escapement, CPoint at, const std::string& text) {
    LOGFONT lf = font;
    lf.lfEscapement = escapement;
    lf.lfOrientation = escapement;  // characters stand upright on the turned baseline
    const LOGFONT old = pDC->SelectFont(lf);
    pDC->TextOut(at.x, at.y, text);
    pDC->SelectFont(old);
}

namespace {

// A thin black line between the two points, labelled with its length along it.
void DrawDimensionLine(CArdoRect& obj, CDC* pDC) {
    const CRect& r = obj.m_position;
    // The stored pen becomes thin and black, as saved files of drawn dimension lines show.
    obj.m_logpen.lopnWidth = CPoint(0, 0);
    obj.m_logpen.lopnColor = 0;
    const LOGPEN oldPen = pDC->SelectPen(obj.m_logpen);
    pDC->MoveTo(r.left, r.top);
    pDC->LineTo(r.right, r.bottom);

    if (const ObjectOwner* doc = obj.m_pDocument) {
        const CPoint a(r.left, r.top), b(r.right, r.bottom);
        const LabelTextState text(pDC);
        DrawLabel(pDC, LabelFont(*doc), ReadableEscapement(*pDC, a, b), Midpoint(a, b),
                  FormatLength(SegmentLength(a, b, UnitsFactor(*doc))));
    }
    pDC->SelectPen(oldPen);
}

// An unfilled rectangle in the object's pen, labelled with its area at the centre.
void DrawDimensionRect(CArdoRect& obj, CDC* pDC) {
    const CRect& r = obj.m_position;
    const LOGBRUSH oldBrush = pDC->GetCurrentBrush();
    pDC->SelectStockObject(StockObject::NullBrush);
    pDC->Rectangle(r.left, r.top, r.right, r.bottom);
    pDC->SelectBrush(oldBrush);

    if (const ObjectOwner* doc = obj.m_pDocument) {
        const float k = UnitsFactor(*doc);
        const float w = float(std::abs(int64_t(r.right) - r.left)) * k;
        const float h = float(std::abs(int64_t(r.bottom) - r.top)) * k;
        const LabelTextState text(pDC);
        DrawLabel(pDC, LabelFont(*doc), 0, Midpoint(r.TopLeft(), r.BottomRight()), FormatArea(w * h, doc->UnitName()));
    }
}

}  // namespace

void DrawRectMeasure(CArdoRect& obj, CDC* pDC) {
    if (obj.m_shape == SHAPE_DIMLINE)
        DrawDimensionLine(obj, pDC);
    else if (obj.m_shape == SHAPE_DIMRECT)
        DrawDimensionRect(obj, pDC);
}

int ParseTextHeight(const std::string& text) {
    size_t i = 0;
    while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = std::min<long long>(value * 10 + (text[i] - '0'), kMaxTextHeight + 1);
    }
    if (negative || value < kMinTextHeight) return kMinTextHeight;
    return int(std::min<long long>(value, kMaxTextHeight));
}

int EditRectMeasureProperties(CArdoRect& obj, ObjectView* /*pView: every view redraws*/) {
    ObjectOwner* doc = obj.m_pDocument;
    DimensionDialogValues values;
    values.bForPolygon = false;
    values.nChoice = DimensionDialogValues::kArea;
    values.strTextHeight = std::to_string(doc ? doc->DimTextHeight() : 5);
    if (!ObjectDialogs().EditDimensions(values)) return 0;
    if (doc) doc->SetDimTextHeight(ParseTextHeight(values.strTextHeight));
    obj.Invalidate();
    if (doc) doc->MarkModified(obj);
    return 1;
}

}  // namespace measure
