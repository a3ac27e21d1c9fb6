// What a drawing surface must offer: primitives in device pixels with a device pen, brush
// and font already resolved by CDC. Backends: a recorder for tests, QPainter in the shell.
#pragma once

#include "platform/GdiTypes.h"

#include <span>
#include <string>
#include <vector>

// A pen in device pixels. style PS_NULL draws nothing; width 0 is one pixel.
struct DevicePen {
    uint32_t style = PS_SOLID;
    int width = 0;
    COLORREF color = 0;
    bool IsNull() const { return style == PS_NULL; }
    bool operator==(const DevicePen&) const = default;
};

// A brush; style BS_NULL fills nothing.
struct DeviceBrush {
    uint32_t style = BS_NULL;
    COLORREF color = 0;
    int32_t hatch = 0;
    bool IsNull() const { return style == BS_NULL; }
    bool operator==(const DeviceBrush&) const = default;
};

// A font with its height in device pixels; escapement in tenths of a degree, counter-clockwise.
struct DeviceFont {
    LOGFONT lf;
};

// Text state at the time of a TextOut.
struct DeviceTextStyle {
    DeviceFont font;
    COLORREF color = 0;
    int bkMode = OPAQUE;
    COLORREF bkColor = RGB(255, 255, 255);
    uint32_t align = TA_LEFT | TA_TOP;
};

// A path in device pixels: figures made of straight and cubic segments.
struct DevicePath {
    enum class Op { MoveTo, LineTo, BezierTo, Close };
    struct Element {
        Op op;
        CPoint pts[3];  // LineTo/MoveTo use pts[0]; BezierTo uses all three
    };
    std::vector<Element> elements;
    bool empty() const { return elements.empty(); }
};

// Device capability indexes.
constexpr int HORZSIZE = 4;
constexpr int VERTSIZE = 6;
constexpr int HORZRES = 8;
constexpr int VERTRES = 10;
constexpr int LOGPIXELSX = 88;
constexpr int LOGPIXELSY = 90;

class DeviceBackend {
public:
    virtual ~DeviceBackend() = default;

    virtual void Polyline(std::span<const CPoint> pts, const DevicePen& pen) = 0;
    virtual void Polygon(std::span<const CPoint> pts, int fillMode, const DevicePen& pen, const DeviceBrush& brush) = 0;
    // Cubic segments: start point, then three points per segment.
    virtual void PolyBezier(std::span<const CPoint> pts, const DevicePen& pen) = 0;
    virtual void Rectangle(const CRect& r, const DevicePen& pen, const DeviceBrush& brush) = 0;
    virtual void RoundRect(const CRect& r, CSize corner, const DevicePen& pen, const DeviceBrush& brush) = 0;
    virtual void Ellipse(const CRect& r, const DevicePen& pen, const DeviceBrush& brush) = 0;
    virtual void FillPath(const DevicePath& path, int fillMode, const DeviceBrush& brush) = 0;
    virtual void StrokePath(const DevicePath& path, const DevicePen& pen) = 0;
    virtual void TextOut(CPoint p, const std::string& utf8, const DeviceTextStyle& style) = 0;
    virtual void FillSolidRect(const CRect& r, COLORREF color) = 0;
    // Inverts the destination pixels (self-erasing when done twice).
    virtual void InvertRect(const CRect& r) = 0;
    virtual void DrawFocusRect(const CRect& r) = 0;
    // Extent of a text in device pixels with the given font.
    virtual CSize GetTextExtent(const std::string& utf8, const DeviceFont& font) = 0;
    // Clip to a device rectangle; an empty rectangle removes the clip.
    virtual void SetClipRect(const CRect& r) = 0;

    virtual bool IsPrinting() const { return false; }
    virtual int GetDeviceCaps(int index) const {
        (void)index;
        return 0;
    }
};
