// A drawing backend that records every primitive instead of painting, so tests can assert
// what was drawn, with which pen, brush, font and in which device coordinates.
#pragma once

#include "platform/DeviceBackend.h"

#include <cstddef>
#include <map>
#include <string>
#include <vector>

struct DrawRecord {
    enum class Kind {
        Polyline,
        Polygon,
        PolyBezier,
        Rectangle,
        RoundRect,
        Ellipse,
        FillPath,
        StrokePath,
        TextOut,
        FillSolidRect,
        InvertRect,
        FocusRect,
        SetClip,
    };
    Kind kind = Kind::Polyline;
    std::vector<CPoint> points;  // device points (TextOut: the text's reference point)
    CRect rect;                  // device rectangle of the rectangle-shaped primitives
    CSize corner;                // RoundRect corner size
    DevicePen pen;
    DeviceBrush brush;
    int fillMode = 0;
    COLORREF color = 0;  // FillSolidRect colour
    std::string text;
    DeviceTextStyle style;
    DevicePath path;
};

class RecordingBackend : public DeviceBackend {
public:
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
    // Approximate metrics: 0.6 x |height| per code point, |height| high.
    CSize GetTextExtent(const std::string& utf8, const DeviceFont& font) override;
    void SetClipRect(const CRect& r) override;

    bool IsPrinting() const override { return m_printing; }
    int GetDeviceCaps(int index) const override;

    // --- configuration and inspection for tests ---
    void SetPrinting(bool printing) { m_printing = printing; }
    void SetDeviceCaps(int index, int value) { m_caps[index] = value; }

    const std::vector<DrawRecord>& Records() const { return m_records; }
    size_t Count(DrawRecord::Kind kind) const;
    // The most recent record of a kind, or nullptr when there is none.
    const DrawRecord* Last(DrawRecord::Kind kind) const;
    void Clear() { m_records.clear(); }

private:
    DrawRecord& Add(DrawRecord::Kind kind);

    std::vector<DrawRecord> m_records;
    bool m_printing = false;
    std::map<int, int> m_caps;
};
