// The device context: drawing state and the logical-to-device mapping. CDC converts every
// logical coordinate to device pixels itself and forwards device primitives to a backend,
// so the drawing semantics live in one place for screen, printer, image and tests.
#pragma once

#include "platform/DeviceBackend.h"
#include "platform/GdiTypes.h"

#include <optional>
#include <span>
#include <string>

constexpr int MM_TEXT = 1;
constexpr int MM_ANISOTROPIC = 8;

constexpr uint32_t DSTINVERT = 0x00550009;
constexpr uint32_t PATCOPY = 0x00F00021;

class CDC {
public:
    explicit CDC(DeviceBackend& backend);

    DeviceBackend& Backend() { return m_backend; }
    bool IsPrinting() const { return m_backend.IsPrinting(); }
    int GetDeviceCaps(int index) const { return m_backend.GetDeviceCaps(index); }

    // --- mapping -----------------------------------------------------------------------
    // MM_TEXT: one logical unit per pixel, y down (extents are ignored).
    // MM_ANISOTROPIC: device = (logical - windowOrg) * viewportExt / windowExt + viewportOrg.
    int SetMapMode(int mode);
    int GetMapMode() const { return m_mapMode; }
    CPoint SetWindowOrg(int x, int y);
    CPoint SetWindowOrg(CPoint p) { return SetWindowOrg(p.x, p.y); }
    CPoint GetWindowOrg() const { return m_windowOrg; }
    CPoint OffsetWindowOrg(int dx, int dy);
    CSize SetWindowExt(int cx, int cy);
    CSize SetWindowExt(CSize s) { return SetWindowExt(s.cx, s.cy); }
    CSize GetWindowExt() const;
    CPoint SetViewportOrg(int x, int y);
    CPoint SetViewportOrg(CPoint p) { return SetViewportOrg(p.x, p.y); }
    CPoint GetViewportOrg() const { return m_viewportOrg; }
    CPoint OffsetViewportOrg(int dx, int dy);
    CSize SetViewportExt(int cx, int cy);
    CSize SetViewportExt(CSize s) { return SetViewportExt(s.cx, s.cy); }
    CSize GetViewportExt() const;

    // Conversions round to the nearest integer, halves away from zero.
    void LPtoDP(CPoint* pts, int count = 1) const;
    void LPtoDP(CRect* r) const;
    void DPtoLP(CPoint* pts, int count = 1) const;
    void DPtoLP(CRect* r) const;
    // Sizes convert by the extent ratios only, keeping their sign.
    void LPtoDP(CSize* s) const;
    void DPtoLP(CSize* s) const;
    CPoint LPtoDP(CPoint p) const {
        LPtoDP(&p);
        return p;
    }
    CPoint DPtoLP(CPoint p) const {
        DPtoLP(&p);
        return p;
    }

    // --- selected objects (values; the previous one is returned for restoring) -----------
    LOGPEN SelectPen(const LOGPEN& pen);
    LOGBRUSH SelectBrush(const LOGBRUSH& brush);
    LOGFONT SelectFont(const LOGFONT& font);
    // NullBrush/NullPen and the other stock objects; returns nothing, restore with SelectPen/SelectBrush.
    void SelectStockObject(StockObject obj);
    const LOGPEN& GetCurrentPen() const { return m_pen; }
    const LOGBRUSH& GetCurrentBrush() const { return m_brush; }
    const LOGFONT& GetCurrentFont() const { return m_font; }

    // --- text and fill state --------------------------------------------------------------
    uint32_t SetTextAlign(uint32_t align);
    uint32_t GetTextAlign() const { return m_textAlign; }
    COLORREF SetTextColor(COLORREF c);
    COLORREF GetTextColor() const { return m_textColor; }
    int SetBkMode(int mode);
    int GetBkMode() const { return m_bkMode; }
    COLORREF SetBkColor(COLORREF c);
    COLORREF GetBkColor() const { return m_bkColor; }
    int SetPolyFillMode(int mode);
    int GetPolyFillMode() const { return m_polyFillMode; }

    // Clip rectangle in logical units; an empty rectangle clears it.
    void SetClipRect(const CRect& logical);

    // --- drawing in logical units ---------------------------------------------------------
    CPoint MoveTo(int x, int y);
    CPoint MoveTo(CPoint p) { return MoveTo(p.x, p.y); }
    void LineTo(int x, int y);
    void LineTo(CPoint p) { LineTo(p.x, p.y); }
    void Polyline(std::span<const CPoint> pts);
    void Polygon(std::span<const CPoint> pts);
    void PolyBezier(std::span<const CPoint> pts);  // 3k+1 points, otherwise nothing is drawn
    // Rectangle, RoundRect and Ellipse convert each corner and hand the backend the
    // normalised device rectangle.
    void Rectangle(int l, int t, int r, int b);
    void Rectangle(const CRect& r) { Rectangle(r.left, r.top, r.right, r.bottom); }
    void RoundRect(int l, int t, int r, int b, int cornerW, int cornerH);
    void Ellipse(int l, int t, int r, int b);
    void Ellipse(const CRect& r) { Ellipse(r.left, r.top, r.right, r.bottom); }
    void TextOut(int x, int y, const std::string& utf8);
    CSize GetTextExtent(const std::string& utf8) const;  // in logical units
    void PatBlt(int x, int y, int w, int h, uint32_t rop);
    void DrawFocusRect(const CRect& logical);
    void FillSolidRect(const CRect& logical, COLORREF c);

    // --- paths: drawing between BeginPath and EndPath builds the path ---------------------
    void BeginPath();
    void EndPath();
    void FillPath();    // fills with the current brush and fill mode, then discards the path
    void StrokePath();  // outlines with the current pen, then discards the path
    bool InPath() const { return m_inPath; }

    // The pen and brush as the backend receives them (pen width converted to pixels).
    DevicePen DevicePenNow() const;
    DeviceBrush DeviceBrushNow() const;
    DeviceFont DeviceFontNow() const;

private:
    int64_t MapX(int64_t x) const;
    int64_t MapY(int64_t y) const;
    int64_t UnmapX(int64_t x) const;
    int64_t UnmapY(int64_t y) const;
    CRect DeviceRect(int l, int t, int r, int b) const;
    CPoint DevicePoint(int x, int y) const;
    void PathMoveTo(CPoint device);
    void PathLineTo(CPoint device);
    void PathClose();

    DeviceBackend& m_backend;
    int m_mapMode = MM_TEXT;
    CPoint m_windowOrg;
    CSize m_windowExt{1, 1};
    CPoint m_viewportOrg;
    CSize m_viewportExt{1, 1};

    LOGPEN m_pen{PS_SOLID, {0, 0}, 0};
    LOGBRUSH m_brush{BS_SOLID, RGB(255, 255, 255), 0};
    LOGFONT m_font{};
    uint32_t m_textAlign = TA_LEFT | TA_TOP;
    COLORREF m_textColor = 0;
    int m_bkMode = OPAQUE;
    COLORREF m_bkColor = RGB(255, 255, 255);
    int m_polyFillMode = ALTERNATE;
    CPoint m_current;  // current position, logical

    bool m_inPath = false;
    bool m_pathClosed = false;  // EndPath was called: the path may be filled or stroked
    bool m_figureOpen = false;  // the path has an open figure ending at m_pathLast
    CPoint m_pathLast;          // device end point of the open figure
    DevicePath m_path;
};
