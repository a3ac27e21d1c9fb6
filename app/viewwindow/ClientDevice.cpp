#include "app/viewwindow/ClientDevice.h"

#include "app/viewwindow/ImageSurface.h"

#include <QPainter>

#include <algorithm>

ClientDevice::ClientDevice(std::function<QImage&()> front, std::function<void()> changed)
    : m_front(std::move(front)), m_changed(std::move(changed)) {}

void ClientDevice::Draw(const std::function<void(DeviceBackend&)>& draw) {
    QImage& image = m_front();
    if (image.isNull()) return;
    {
        QPainter painter(&image);
        PainterBackend backend(painter);
        if (!m_clip.IsRectEmpty()) backend.SetClipRect(m_clip);
        draw(backend);
    }
    if (m_changed) m_changed();
}

void ClientDevice::ToggleMark(const Mark& mark) {
    const auto it = std::find(m_marks.begin(), m_marks.end(), mark);
    if (it != m_marks.end())
        m_marks.erase(it);
    else
        m_marks.push_back(mark);
}

void ClientDevice::ReapplyMarks(QPainter& painter) {
    PainterBackend backend(painter);
    for (const Mark& mark : m_marks) {
        if (mark.kind == MarkKind::Focus)
            backend.DrawFocusRect(mark.rect);
        else
            backend.InvertRect(mark.rect);
    }
}

void ClientDevice::Polyline(std::span<const CPoint> pts, const DevicePen& pen) {
    Draw([&](DeviceBackend& b) { b.Polyline(pts, pen); });
}

void ClientDevice::Polygon(std::span<const CPoint> pts, int fillMode, const DevicePen& pen, const DeviceBrush& brush) {
    Draw([&](DeviceBackend& b) { b.Polygon(pts, fillMode, pen, brush); });
}

void ClientDevice::PolyBezier(std::span<const CPoint> pts, const DevicePen& pen) {
    Draw([&](DeviceBackend& b) { b.PolyBezier(pts, pen); });
}

void ClientDevice::Rectangle(const CRect& r, const DevicePen& pen, const DeviceBrush& brush) {
    Draw([&](DeviceBackend& b) { b.Rectangle(r, pen, brush); });
}

void ClientDevice::RoundRect(const CRect& r, CSize corner, const DevicePen& pen, const DeviceBrush& brush) {
    Draw([&](DeviceBackend& b) { b.RoundRect(r, corner, pen, brush); });
}

void ClientDevice::Ellipse(const CRect& r, const DevicePen& pen, const DeviceBrush& brush) {
    Draw([&](DeviceBackend& b) { b.Ellipse(r, pen, brush); });
}

void ClientDevice::FillPath(const DevicePath& path, int fillMode, const DeviceBrush& brush) {
    Draw([&](DeviceBackend& b) { b.FillPath(path, fillMode, brush); });
}

void ClientDevice::StrokePath(const DevicePath& path, const DevicePen& pen) {
    Draw([&](DeviceBackend& b) { b.StrokePath(path, pen); });
}

void ClientDevice::TextOut(CPoint p, const std::string& utf8, const DeviceTextStyle& style) {
    Draw([&](DeviceBackend& b) { b.TextOut(p, utf8, style); });
}

void ClientDevice::FillSolidRect(const CRect& r, COLORREF color) {
    Draw([&](DeviceBackend& b) { b.FillSolidRect(r, color); });
}

void ClientDevice::InvertRect(const CRect& r) {
    ToggleMark({MarkKind::Invert, r});
    Draw([&](DeviceBackend& b) { b.InvertRect(r); });
}

void ClientDevice::DrawFocusRect(const CRect& r) {
    ToggleMark({MarkKind::Focus, r});
    Draw([&](DeviceBackend& b) { b.DrawFocusRect(r); });
}

CSize ClientDevice::GetTextExtent(const std::string& utf8, const DeviceFont& font) {
    // Measured on a scratch picture, so measuring never changes what the window shows.
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    PainterBackend backend(painter);
    return backend.GetTextExtent(utf8, font);
}

void ClientDevice::SetClipRect(const CRect& r) { m_clip = r; }

int ClientDevice::GetDeviceCaps(int index) const {
    const QImage& image = m_front();
    switch (index) {
    case HORZRES: return image.width();
    case VERTRES: return image.height();
    case HORZSIZE: return image.widthMM();
    case VERTSIZE: return image.heightMM();
    case LOGPIXELSX: return image.logicalDpiX();
    case LOGPIXELSY: return image.logicalDpiY();
    default: return 0;
    }
}
