// The recording backend: one DrawRecord per primitive.
#include "platform/RecordingBackend.h"

#include "platform/MemoryServices.h"

DrawRecord& RecordingBackend::Add(DrawRecord::Kind kind) {
    DrawRecord& r = m_records.emplace_back();
    r.kind = kind;
    return r;
}

void RecordingBackend::Polyline(std::span<const CPoint> pts, const DevicePen& pen) {
    DrawRecord& r = Add(DrawRecord::Kind::Polyline);
    r.points.assign(pts.begin(), pts.end());
    r.pen = pen;
}

void RecordingBackend::Polygon(std::span<const CPoint> pts, int fillMode, const DevicePen& pen,
                               const DeviceBrush& brush) {
    DrawRecord& r = Add(DrawRecord::Kind::Polygon);
    r.points.assign(pts.begin(), pts.end());
    r.fillMode = fillMode;
    r.pen = pen;
    r.brush = brush;
}

void RecordingBackend::PolyBezier(std::span<const CPoint> pts, const DevicePen& pen) {
    DrawRecord& r = Add(DrawRecord::Kind::PolyBezier);
    r.points.assign(pts.begin(), pts.end());
    r.pen = pen;
}

void RecordingBackend::Rectangle(const CRect& rect, const DevicePen& pen, const DeviceBrush& brush) {
    DrawRecord& r = Add(DrawRecord::Kind::Rectangle);
    r.rect = rect;
    r.pen = pen;
    r.brush = brush;
}

void RecordingBackend::RoundRect(const CRect& rect, CSize corner, const DevicePen& pen, const DeviceBrush& brush) {
    DrawRecord& r = Add(DrawRecord::Kind::RoundRect);
    r.rect = rect;
    r.corner = corner;
    r.pen = pen;
    r.brush = brush;
}

void RecordingBackend::Ellipse(const CRect& rect, const DevicePen& pen, const DeviceBrush& brush) {
    DrawRecord& r = Add(DrawRecord::Kind::Ellipse);
    r.rect = rect;
    r.pen = pen;
    r.brush = brush;
}

void RecordingBackend::FillPath(const DevicePath& path, int fillMode, const DeviceBrush& brush) {
    DrawRecord& r = Add(DrawRecord::Kind::FillPath);
    r.path = path;
    r.fillMode = fillMode;
    r.brush = brush;
}

void RecordingBackend::StrokePath(const DevicePath& path, const DevicePen& pen) {
    DrawRecord& r = Add(DrawRecord::Kind::StrokePath);
    r.path = path;
    r.pen = pen;
}

void RecordingBackend::TextOut(CPoint p, const std::string& utf8, const DeviceTextStyle& style) {
    DrawRecord& r = Add(DrawRecord::Kind::TextOut);
    r.points = {p};
    r.text = utf8;
    r.style = style;
}

void RecordingBackend::FillSolidRect(const CRect& rect, COLORREF color) {
    DrawRecord& r = Add(DrawRecord::Kind::FillSolidRect);
    r.rect = rect;
    r.color = color;
}

void RecordingBackend::InvertRect(const CRect& rect) { Add(DrawRecord::Kind::InvertRect).rect = rect; }

void RecordingBackend::DrawFocusRect(const CRect& rect) { Add(DrawRecord::Kind::FocusRect).rect = rect; }

void RecordingBackend::SetClipRect(const CRect& rect) { Add(DrawRecord::Kind::SetClip).rect = rect; }

CSize RecordingBackend::GetTextExtent(const std::string& utf8, const DeviceFont& font) {
    return ApproxTextExtent(font.lf.lfHeight, utf8);
}

int RecordingBackend::GetDeviceCaps(int index) const {
    const auto it = m_caps.find(index);
    return it == m_caps.end() ? 0 : it->second;
}

size_t RecordingBackend::Count(DrawRecord::Kind kind) const {
    size_t n = 0;
    for (const DrawRecord& r : m_records) n += r.kind == kind;
    return n;
}

const DrawRecord* RecordingBackend::Last(DrawRecord::Kind kind) const {
    for (auto it = m_records.rbegin(); it != m_records.rend(); ++it)
        if (it->kind == kind) return &*it;
    return nullptr;
}
