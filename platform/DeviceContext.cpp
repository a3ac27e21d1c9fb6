// CDC: mapping math, selected objects and the forwarding of device primitives.
#include "platform/DeviceContext.h"

#include <cmath>
#include <cstdlib>
#include <limits>
#include <utility>
#include <vector>

namespace {

// GCC and Clang have 128-bit integers; __extension__ says so under -Wpedantic.
__extension__ using Wide = __int128;

// Device and logical coordinates are 32-bit; results beyond that range saturate instead
// of wrapping, so a huge zoom never folds a shape back onto the screen.
int32_t Saturate(Wide v) {
    if (v > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (v < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return int32_t(v);
}

// n / d rounded to the nearest integer, halves away from zero. d is never 0 (extents are).
int64_t DivRound(Wide n, Wide d) {
    const bool negative = (n < 0) != (d < 0);
    const Wide an = n < 0 ? -n : n;
    const Wide ad = d < 0 ? -d : d;
    Wide q = (2 * an + ad) / (2 * ad);
    Wide r = negative ? -q : q;
    if (r > std::numeric_limits<int64_t>::max()) return std::numeric_limits<int64_t>::max();
    if (r < std::numeric_limits<int64_t>::min()) return std::numeric_limits<int64_t>::min();
    return int64_t(r);
}

int64_t Abs64(int32_t v) { return v < 0 ? -int64_t(v) : int64_t(v); }

// Cubic Bezier control distance for a quarter ellipse.
constexpr double kQuarterArc = 0.5522847498307936;

CPoint RoundPoint(double x, double y) { return {Saturate(Wide(std::llround(x))), Saturate(Wide(std::llround(y)))}; }

}  // namespace

CDC::CDC(DeviceBackend& backend) : m_backend(backend) {}

// --- mapping ---------------------------------------------------------------------------

int CDC::SetMapMode(int mode) {
    if (mode != MM_TEXT && mode != MM_ANISOTROPIC) return 0;
    const int old = m_mapMode;
    m_mapMode = mode;
    if (mode == MM_TEXT) {
        m_windowExt = {1, 1};
        m_viewportExt = {1, 1};
    }
    return old;
}

CPoint CDC::SetWindowOrg(int x, int y) {
    const CPoint old = m_windowOrg;
    m_windowOrg = {x, y};
    return old;
}

CPoint CDC::OffsetWindowOrg(int dx, int dy) {
    const CPoint old = m_windowOrg;
    m_windowOrg = {Saturate(Wide(old.x) + dx), Saturate(Wide(old.y) + dy)};
    return old;
}

CSize CDC::SetWindowExt(int cx, int cy) {
    const CSize old = GetWindowExt();
    if (m_mapMode == MM_ANISOTROPIC && cx != 0 && cy != 0) m_windowExt = {cx, cy};
    return old;
}

CSize CDC::GetWindowExt() const { return m_mapMode == MM_TEXT ? CSize(1, 1) : m_windowExt; }

CPoint CDC::SetViewportOrg(int x, int y) {
    const CPoint old = m_viewportOrg;
    m_viewportOrg = {x, y};
    return old;
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
    const CPoint old = m_viewportOrg;
    m_viewportOrg = {Saturate(Wide(old.x) + dx), Saturate(Wide(old.y) + dy)};
    return old;
}

CSize CDC::SetViewportExt(int cx, int cy) {
    const CSize old = GetViewportExt();
    if (m_mapMode == MM_ANISOTROPIC && cx != 0 && cy != 0) m_viewportExt = {cx, cy};
    return old;
}

CSize CDC::GetViewportExt() const { return m_mapMode == MM_TEXT ? CSize(1, 1) : m_viewportExt; }

int64_t CDC::MapX(int64_t x) const {
    const Wide rel = Wide(x) - m_windowOrg.x;
    if (m_mapMode == MM_TEXT) return int64_t(rel + m_viewportOrg.x);
    return DivRound(rel * m_viewportExt.cx, m_windowExt.cx) + m_viewportOrg.x;
}

int64_t CDC::MapY(int64_t y) const {
    const Wide rel = Wide(y) - m_windowOrg.y;
    if (m_mapMode == MM_TEXT) return int64_t(rel + m_viewportOrg.y);
    return DivRound(rel * m_viewportExt.cy, m_windowExt.cy) + m_viewportOrg.y;
}

int64_t CDC::UnmapX(int64_t x) const {
    const Wide rel = Wide(x) - m_viewportOrg.x;
    if (m_mapMode == MM_TEXT) return int64_t(rel + m_windowOrg.x);
    return DivRound(rel * m_windowExt.cx, m_viewportExt.cx) + m_windowOrg.x;
}

int64_t CDC::UnmapY(int64_t y) const {
    const Wide rel = Wide(y) - m_viewportOrg.y;
    if (m_mapMode == MM_TEXT) return int64_t(rel + m_windowOrg.y);
    return DivRound(rel * m_windowExt.cy, m_viewportExt.cy) + m_windowOrg.y;
}

void CDC::LPtoDP(CPoint* pts, int count) const {
    for (int i = 0; i < count; ++i) pts[i] = {Saturate(MapX(pts[i].x)), Saturate(MapY(pts[i].y))};
}

void CDC::DPtoLP(CPoint* pts, int count) const {
    for (int i = 0; i < count; ++i) pts[i] = {Saturate(UnmapX(pts[i].x)), Saturate(UnmapY(pts[i].y))};
}

void CDC::LPtoDP(CRect* r) const {
    CPoint c[2] = {r->TopLeft(), r->BottomRight()};
    LPtoDP(c, 2);
    *r = CRect(c[0], c[1]);
}

void CDC::DPtoLP(CRect* r) const {
    CPoint c[2] = {r->TopLeft(), r->BottomRight()};
    DPtoLP(c, 2);
    *r = CRect(c[0], c[1]);
}

// Sizes scale by the magnitudes of the extents, so a flipped axis keeps the size's sign.
void CDC::LPtoDP(CSize* s) const {
    const CSize w = GetWindowExt(), v = GetViewportExt();
    s->cx = Saturate(DivRound(Wide(s->cx) * Abs64(v.cx), Abs64(w.cx)));
    s->cy = Saturate(DivRound(Wide(s->cy) * Abs64(v.cy), Abs64(w.cy)));
}

void CDC::DPtoLP(CSize* s) const {
    const CSize w = GetWindowExt(), v = GetViewportExt();
    s->cx = Saturate(DivRound(Wide(s->cx) * Abs64(w.cx), Abs64(v.cx)));
    s->cy = Saturate(DivRound(Wide(s->cy) * Abs64(w.cy), Abs64(v.cy)));
}

CPoint CDC::DevicePoint(int x, int y) const { return {Saturate(MapX(x)), Saturate(MapY(y))}; }

CRect CDC::DeviceRect(int l, int t, int r, int b) const {
    return CRect(DevicePoint(l, t), DevicePoint(r, b)).Normalized();
}

// --- selected objects -----------------------------------------------------------------

LOGPEN CDC::SelectPen(const LOGPEN& pen) {
    const LOGPEN old = m_pen;
    m_pen = pen;
    return old;
}

LOGBRUSH CDC::SelectBrush(const LOGBRUSH& brush) {
    const LOGBRUSH old = m_brush;
    m_brush = brush;
    return old;
}

LOGFONT CDC::SelectFont(const LOGFONT& font) {
    const LOGFONT old = m_font;
    m_font = font;
    return old;
}

void CDC::SelectStockObject(StockObject obj) {
    constexpr COLORREF white = RGB(255, 255, 255);
    switch (obj) {
    case StockObject::NullBrush: m_brush = LOGBRUSH{BS_NULL, 0, 0}; break;
    case StockObject::WhiteBrush: m_brush = LOGBRUSH{BS_SOLID, white, 0}; break;
    case StockObject::BlackBrush: m_brush = LOGBRUSH{BS_SOLID, 0, 0}; break;
    case StockObject::NullPen: m_pen = LOGPEN{PS_NULL, {0, 0}, 0}; break;
    case StockObject::BlackPen: m_pen = LOGPEN{PS_SOLID, {0, 0}, 0}; break;
    case StockObject::WhitePen: m_pen = LOGPEN{PS_SOLID, {0, 0}, white}; break;
    }
}

DevicePen CDC::DevicePenNow() const {
    // Truncation: a thin logical pen becomes 0, which backends draw one pixel wide.
    const CSize w = GetWindowExt(), v = GetViewportExt();
    const Wide width = Wide(Abs64(m_pen.lopnWidth.x)) * Abs64(v.cx) / Abs64(w.cx);
    return DevicePen{m_pen.lopnStyle, Saturate(width), m_pen.lopnColor};
}

DeviceBrush CDC::DeviceBrushNow() const { return DeviceBrush{m_brush.lbStyle, m_brush.lbColor, m_brush.lbHatch}; }

DeviceFont CDC::DeviceFontNow() const {
    // The sign of lfHeight tells character height (negative) from cell height (positive).
    const CSize w = GetWindowExt(), v = GetViewportExt();
    DeviceFont f{m_font};
    const int64_t magnitude = DivRound(Wide(Abs64(m_font.lfHeight)) * Abs64(v.cy), Abs64(w.cy));
    f.lf.lfHeight = Saturate(m_font.lfHeight < 0 ? -Wide(magnitude) : Wide(magnitude));
    return f;
}

// --- text and fill state --------------------------------------------------------------

uint32_t CDC::SetTextAlign(uint32_t align) { return std::exchange(m_textAlign, align); }
COLORREF CDC::SetTextColor(COLORREF c) { return std::exchange(m_textColor, c); }
int CDC::SetBkMode(int mode) { return std::exchange(m_bkMode, mode); }
COLORREF CDC::SetBkColor(COLORREF c) { return std::exchange(m_bkColor, c); }

int CDC::SetPolyFillMode(int mode) {
    if (mode != ALTERNATE && mode != WINDING) return 0;
    return std::exchange(m_polyFillMode, mode);
}

void CDC::SetClipRect(const CRect& logical) {
    if (logical.Normalized().IsRectEmpty()) {
        m_backend.SetClipRect(CRect());
        return;
    }
    m_backend.SetClipRect(DeviceRect(logical.left, logical.top, logical.right, logical.bottom));
}

// --- path building --------------------------------------------------------------------

void CDC::PathMoveTo(CPoint device) {
    m_path.elements.push_back({DevicePath::Op::MoveTo, {device, {}, {}}});
    m_figureOpen = true;
    m_pathLast = device;
}

void CDC::PathLineTo(CPoint device) {
    m_path.elements.push_back({DevicePath::Op::LineTo, {device, {}, {}}});
    m_pathLast = device;
}

void CDC::PathClose() {
    m_path.elements.push_back({DevicePath::Op::Close, {}});
    m_figureOpen = false;
}

void CDC::BeginPath() {
    m_path.elements.clear();
    m_inPath = true;
    m_pathClosed = false;
    m_figureOpen = false;
}

void CDC::EndPath() {
    if (!m_inPath) return;
    m_inPath = false;
    m_pathClosed = true;
}

void CDC::FillPath() {
    if (!m_pathClosed) return;
    m_backend.FillPath(m_path, m_polyFillMode, DeviceBrushNow());
    m_path.elements.clear();
    m_pathClosed = false;
}

void CDC::StrokePath() {
    if (!m_pathClosed) return;
    m_backend.StrokePath(m_path, DevicePenNow());
    m_path.elements.clear();
    m_pathClosed = false;
}

// --- drawing --------------------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y) {
    const CPoint old = m_current;
    m_current = {x, y};
    if (m_inPath) PathMoveTo(DevicePoint(x, y));
    return old;
}

void CDC::LineTo(int x, int y) {
    const CPoint from = DevicePoint(m_current.x, m_current.y);
    const CPoint to = DevicePoint(x, y);
    m_current = {x, y};
    if (m_inPath) {
        // A line continues the open figure only where that figure ends.
        if (!m_figureOpen || m_pathLast != from) PathMoveTo(from);
        PathLineTo(to);
        return;
    }
    const CPoint pts[2] = {from, to};
    m_backend.Polyline(pts, DevicePenNow());
}

void CDC::Polyline(std::span<const CPoint> pts) {
    if (pts.size() < 2) return;
    std::vector<CPoint> dev(pts.begin(), pts.end());
    LPtoDP(dev.data(), int(dev.size()));
    if (m_inPath) {
        PathMoveTo(dev[0]);
        for (size_t i = 1; i < dev.size(); ++i) PathLineTo(dev[i]);
        return;
    }
    m_backend.Polyline(dev, DevicePenNow());
}

void CDC::Polygon(std::span<const CPoint> pts) {
    if (pts.size() < 2) return;
    std::vector<CPoint> dev(pts.begin(), pts.end());
    LPtoDP(dev.data(), int(dev.size()));
    if (m_inPath) {
        PathMoveTo(dev[0]);
        for (size_t i = 1; i < dev.size(); ++i) PathLineTo(dev[i]);
        PathClose();
        return;
    }
    m_backend.Polygon(dev, m_polyFillMode, DevicePenNow(), DeviceBrushNow());
}

void CDC::PolyBezier(std::span<const CPoint> pts) {
    if (pts.size() < 4 || (pts.size() - 1) % 3 != 0) return;
    std::vector<CPoint> dev(pts.begin(), pts.end());
    LPtoDP(dev.data(), int(dev.size()));
    if (m_inPath) {
        PathMoveTo(dev[0]);
        for (size_t i = 1; i + 2 < dev.size(); i += 3) {
            m_path.elements.push_back({DevicePath::Op::BezierTo, {dev[i], dev[i + 1], dev[i + 2]}});
            m_pathLast = dev[i + 2];
        }
        return;
    }
    m_backend.PolyBezier(dev, DevicePenNow());
}

void CDC::Rectangle(int l, int t, int r, int b) {
    const CRect d = DeviceRect(l, t, r, b);
    if (m_inPath) {
        PathMoveTo(d.TopLeft());
        PathLineTo({d.right, d.top});
        PathLineTo(d.BottomRight());
        PathLineTo({d.left, d.bottom});
        PathClose();
        return;
    }
    m_backend.Rectangle(d, DevicePenNow(), DeviceBrushNow());
}

namespace {

// Appends a closed rounded-rectangle figure (an ellipse when the radii reach the middle)
// of quarter-arc Bezier segments to a device path.
void AppendRoundedFigure(DevicePath& path, const CRect& d, double rx, double ry) {
    using Op = DevicePath::Op;
    const double l = d.left, t = d.top, r = d.right, b = d.bottom;
    const double kx = rx * kQuarterArc, ky = ry * kQuarterArc;
    auto line = [&](double x, double y) { path.elements.push_back({Op::LineTo, {RoundPoint(x, y), {}, {}}}); };
    auto curve = [&](double x1, double y1, double x2, double y2, double x3, double y3) {
        path.elements.push_back({Op::BezierTo, {RoundPoint(x1, y1), RoundPoint(x2, y2), RoundPoint(x3, y3)}});
    };
    path.elements.push_back({Op::MoveTo, {RoundPoint(r, t + ry), {}, {}}});
    curve(r, t + ry - ky, r - rx + kx, t, r - rx, t);
    line(l + rx, t);
    curve(l + rx - kx, t, l, t + ry - ky, l, t + ry);
    line(l, b - ry);
    curve(l, b - ry + ky, l + rx - kx, b, l + rx, b);
    line(r - rx, b);
    curve(r - rx + kx, b, r, b - ry + ky, r, b - ry);
    path.elements.push_back({Op::Close, {}});
}

}  // namespace

void CDC::RoundRect(int l, int t, int r, int b, int cornerW, int cornerH) {
    const CRect d = DeviceRect(l, t, r, b);
    CSize corner(cornerW, cornerH);
    LPtoDP(&corner);
    corner = {std::abs(corner.cx), std::abs(corner.cy)};
    if (m_inPath) {
        const double rx = std::min(corner.cx, d.Width()) / 2.0, ry = std::min(corner.cy, d.Height()) / 2.0;
        AppendRoundedFigure(m_path, d, rx, ry);
        m_figureOpen = false;
        return;
    }
    m_backend.RoundRect(d, corner, DevicePenNow(), DeviceBrushNow());
}

void CDC::Ellipse(int l, int t, int r, int b) {
    const CRect d = DeviceRect(l, t, r, b);
    if (m_inPath) {
        AppendRoundedFigure(m_path, d, d.Width() / 2.0, d.Height() / 2.0);
        m_figureOpen = false;
        return;
    }
    m_backend.Ellipse(d, DevicePenNow(), DeviceBrushNow());
}

void CDC::TextOut(int x, int y, const std::string& utf8) {
    if (m_inPath) return;  // text outlines are not part of paths here
    const DeviceTextStyle style{DeviceFontNow(), m_textColor, m_bkMode, m_bkColor, m_textAlign};
    m_backend.TextOut(DevicePoint(x, y), utf8, style);
}

CSize CDC::GetTextExtent(const std::string& utf8) const {
    CSize s = m_backend.GetTextExtent(utf8, DeviceFontNow());
    DPtoLP(&s);
    return {std::abs(s.cx), std::abs(s.cy)};
}

void CDC::PatBlt(int x, int y, int w, int h, uint32_t rop) {
    const CRect d = DeviceRect(x, y, Saturate(Wide(x) + w), Saturate(Wide(y) + h));
    if (rop == DSTINVERT) {
        m_backend.InvertRect(d);
    } else if (rop == PATCOPY && !DeviceBrushNow().IsNull()) {
        m_backend.FillSolidRect(d, m_brush.lbColor);
    }
}

void CDC::DrawFocusRect(const CRect& logical) {
    m_backend.DrawFocusRect(DeviceRect(logical.left, logical.top, logical.right, logical.bottom));
}

void CDC::FillSolidRect(const CRect& logical, COLORREF c) {
    m_backend.FillSolidRect(DeviceRect(logical.left, logical.top, logical.right, logical.bottom), c);
}
