// The drawing backend over a QPainter: QImage buffers, widgets, printers, PDF and SVG
// generators. It draws the device primitives CDC hands it with the pixel semantics of the
// system's graphics interface: aliased, right and bottom edges of filled shapes excluded,
// inside-frame pens kept within the bounding rectangle, cosmetic pens one pixel wide.
#pragma once

#include "platform/DeviceBackend.h"

#include <QPainter>

class QPainterPath;

class QtPainterBackend : public DeviceBackend {
public:
    // The painter must be active and outlive the backend. Printing is assumed for printer
    // and PDF devices; SetPrinting overrides it.
    explicit QtPainterBackend(QPainter& painter);

    void Polyline(std::span<const CPoint> pts, const DevicePen& pen) override;
    void Polygon(std::span<const CPoint> pts, int fillMode, const DevicePen& pen, const DeviceBrush& brush) override;
    void PolyBezier(std::span<const CPoint> pts, const DevicePen& pen) override;
    void Rectangle(const CRect& r, const DevicePen& pen, const DeviceBrush& brush) override;
    void RoundRect(const CRect& r, CSize corner, const DevicePen& pen, const DeviceBrush& brush) override;
    void Ellipse(const CRect& r, const DevicePen& pen, const DeviceBrush& brush) override;
    void FillPath(const DevicePath& path, int fillMode, const DeviceBrush& brush) override;
    void StrokePath(const DevicePath& path, const DevicePen& pen) override;
    void TextOut(CPoint p, const std::string& utf8, const DeviceTextStyle& style) override;
    void FillSolidRect(const CRect& r, COLORREF color) override;
    // Both invert through raster operations, so drawing twice restores the pixels. Devices
    // without raster operations (printers, PDF, SVG) get nothing: these marks are for
    // interactive feedback only.
    void InvertRect(const CRect& r) override;
    void DrawFocusRect(const CRect& r) override;
    CSize GetTextExtent(const std::string& utf8, const DeviceFont& font) override;
    void SetClipRect(const CRect& r) override;

    bool IsPrinting() const override { return m_printing; }
    // HORZRES/VERTRES in pixels, HORZSIZE/VERTSIZE in millimetres, LOGPIXELSX/Y in dots
    // per inch, all from the paint device; 0 for other indexes.
    int GetDeviceCaps(int index) const override;

    void SetPrinting(bool printing) { m_printing = printing; }
    bool SupportsRasterOps() const { return m_rasterOps; }

private:
    enum class Shape { Rectangle, RoundRect, Ellipse };
    void DrawShape(Shape shape, const CRect& r, CSize corner, const DevicePen& pen, const DeviceBrush& brush);
    // Fills an area with a brush (nothing for the null brush).
    void FillArea(const QPainterPath& path, const DeviceBrush& brush);
    // Strokes a path whose points are pixel addresses: the stroke is centred on the pixels.
    void StrokePixelPath(const QPainterPath& path, const DevicePen& pen);

    QPainter& m_painter;
    bool m_printing = false;
    bool m_rasterOps = false;
    bool m_vectorHatch = false;  // the device cannot fill with pattern brushes
};

// The QPen and QBrush for a device pen and brush (exposed for tests and other painters).
QPen ToQPen(const DevicePen& pen);
QBrush ToQBrush(const DeviceBrush& brush);
