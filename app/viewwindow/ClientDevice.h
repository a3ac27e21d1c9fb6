// Drawing on the visible window outside a paint. Everything goes onto the window's front
// picture (what the window shows) and the window is asked to show it again.
//
// Inverting marks (focus rectangles, inverted rectangles) are also remembered: a mark drawn
// twice cancels out, and marks still standing are inverted again after the view repainted
// the picture while the mouse was captured, so a rubber band survives a scroll during its
// drag. A repaint without capture wipes them, as repainting wipes inverted pixels.
#pragma once

#include "platform/DeviceBackend.h"

#include <QImage>

#include <functional>
#include <vector>

class QPainter;

class ClientDevice : public DeviceBackend {
public:
    // front: the picture the window shows; changed: called after each drawing.
    ClientDevice(std::function<QImage&()> front, std::function<void()> changed);

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
    void InvertRect(const CRect& r) override;
    void DrawFocusRect(const CRect& r) override;
    CSize GetTextExtent(const std::string& utf8, const DeviceFont& font) override;
    void SetClipRect(const CRect& r) override;
    bool IsPrinting() const override { return false; }
    int GetDeviceCaps(int index) const override;

    // Inverts the standing marks again on a freshly painted picture.
    void ReapplyMarks(QPainter& painter);
    void ClearMarks() { m_marks.clear(); }
    bool HasMarks() const { return !m_marks.empty(); }

private:
    enum class MarkKind { Focus, Invert };
    struct Mark {
        MarkKind kind;
        CRect rect;
        bool operator==(const Mark&) const = default;
    };

    // Runs one drawing with a painter backend on the front picture.
    void Draw(const std::function<void(DeviceBackend&)>& draw);
    void ToggleMark(const Mark& mark);

    std::function<QImage&()> m_front;
    std::function<void()> m_changed;
    std::vector<Mark> m_marks;
    CRect m_clip;  // device clip of later drawings; empty for none
};
