// QPainter drawing with the pixel conventions of the system's graphics interface.
//
// Coordinates handed in are pixel addresses. Fills use them as pixel edges, so a filled
// shape from left to right covers the pixels left .. right-1 (right and bottom excluded).
// Outlines are stroked half a pixel in, through the pixel centres, so a one-pixel outline
// of a rectangle lies exactly on its outermost pixels.
#include "platform/qt/QtPainterBackend.h"

#include "platform/qt/QtConvert.h"

#include <QFontMetricsF>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPen>

#include <algorithm>
#include <cmath>

namespace {

// Hatch styles of hatched brushes.
constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

Qt::BrushStyle HatchPattern(int hatch) {
    switch (hatch) {
    case HS_HORIZONTAL: return Qt::HorPattern;
    case HS_VERTICAL: return Qt::VerPattern;
    case HS_FDIAGONAL: return Qt::FDiagPattern;
    case HS_BDIAGONAL: return Qt::BDiagPattern;
    case HS_CROSS: return Qt::CrossPattern;
    case HS_DIAGCROSS: return Qt::DiagCrossPattern;
    default: return Qt::HorPattern;
    }
}

// Dash patterns of the styled one-pixel pens, in pixels: on, off, on, off ...
QList<qreal> DashPattern(uint32_t style) {
    switch (style) {
    case PS_DASH: return {18, 6};
    case PS_DOT: return {3, 3};
    case PS_DASHDOT: return {9, 6, 3, 6};
    case PS_DASHDOTDOT: return {9, 3, 3, 3, 3, 3};
    default: return {};
    }
}

QPainterPath PolylinePath(std::span<const CPoint> pts) {
    QPainterPath path;
    if (pts.empty()) return path;
    path.moveTo(pts[0].x, pts[0].y);
    for (size_t i = 1; i < pts.size(); ++i) path.lineTo(pts[i].x, pts[i].y);
    return path;
}

QPainterPath ToQPainterPath(const DevicePath& dp) {
    QPainterPath path;
    for (const DevicePath::Element& e : dp.elements) {
        switch (e.op) {
        case DevicePath::Op::MoveTo: path.moveTo(e.pts[0].x, e.pts[0].y); break;
        case DevicePath::Op::LineTo: path.lineTo(e.pts[0].x, e.pts[0].y); break;
        case DevicePath::Op::BezierTo:
            path.cubicTo(e.pts[0].x, e.pts[0].y, e.pts[1].x, e.pts[1].y, e.pts[2].x, e.pts[2].y);
            break;
        case DevicePath::Op::Close: path.closeSubpath(); break;
        }
    }
    return path;
}

Qt::FillRule ToFillRule(int fillMode) { return fillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill; }

constexpr int kHatchStep = 8;

// The lines of a hatch over a bounding box as one-pixel-wide areas, anchored at the device
// origin as the pattern brushes are.
QPainterPath HatchLines(const QRectF& box, int hatch) {
    if (hatch < HS_HORIZONTAL || hatch > HS_DIAGCROSS) hatch = HS_HORIZONTAL;  // as HatchPattern
    QPainterPath lines;
    const double top = box.top() - 1, bottom = box.bottom() + 1, left = box.left() - 1, right = box.right() + 1;
    auto first = [](double from) { return std::floor(from / kHatchStep) * kHatchStep; };
    const bool horizontal = hatch == HS_HORIZONTAL || hatch == HS_CROSS;
    const bool vertical = hatch == HS_VERTICAL || hatch == HS_CROSS;
    const bool falling = hatch == HS_FDIAGONAL || hatch == HS_DIAGCROSS;  // x - y constant
    const bool rising = hatch == HS_BDIAGONAL || hatch == HS_DIAGCROSS;   // x + y constant
    if (horizontal)
        for (double y = first(top); y <= bottom; y += kHatchStep) lines.addRect(QRectF(left, y, right - left, 1));
    if (vertical)
        for (double x = first(left); x <= right; x += kHatchStep) lines.addRect(QRectF(x, top, 1, bottom - top));
    if (falling) {
        for (double c = first(left - bottom); c <= right - top; c += kHatchStep)
            lines.addPolygon(
                QPolygonF({{c + top, top}, {c + top + 1, top}, {c + bottom + 1, bottom}, {c + bottom, bottom}}));
    }
    if (rising) {
        for (double c = first(left + top); c <= right + bottom + 1; c += kHatchStep)
            lines.addPolygon(
                QPolygonF({{c - top, top}, {c - top + 1, top}, {c - bottom + 1, bottom}, {c - bottom, bottom}}));
    }
    lines.setFillRule(Qt::WindingFill);
    return lines;
}

}  // namespace

QPen ToQPen(const DevicePen& pen) {
    if (pen.IsNull()) return QPen(Qt::NoPen);
    // Width 0 is one device pixel. A pen of width 1 rather than Qt's cosmetic pen, so that
    // SVG output scales thin lines and their dashes along with the drawing.
    QPen qpen(ToQColor(pen.color), std::max(pen.width, 1));
    const QList<qreal> dashes = DashPattern(pen.style);
    if (!dashes.isEmpty() && pen.width <= 1) {
        // Styled lines exist only one pixel wide; wider styled pens draw solid lines.
        qpen.setDashPattern(dashes);
        qpen.setCapStyle(Qt::FlatCap);
        qpen.setJoinStyle(Qt::MiterJoin);
    } else {
        // Wide pens end and join round, as the geometric pens of the graphics interface do.
        qpen.setCapStyle(Qt::RoundCap);
        qpen.setJoinStyle(Qt::RoundJoin);
    }
    return qpen;
}

QBrush ToQBrush(const DeviceBrush& brush) {
    switch (brush.style) {
    case BS_NULL: return QBrush(Qt::NoBrush);
    case BS_HATCHED: return QBrush(ToQColor(brush.color), HatchPattern(brush.hatch));
    default: return QBrush(ToQColor(brush.color));
    }
}

QtPainterBackend::QtPainterBackend(QPainter& painter) : m_painter(painter) {
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    if (QPaintEngine* engine = m_painter.paintEngine()) {
        // Only the raster engine (images, widget back buffers) really combines with the
        // destination; vector engines claim the feature but would paint solid boxes.
        m_rasterOps = engine->type() == QPaintEngine::Raster;
        m_printing = engine->type() == QPaintEngine::Pdf;
        m_vectorHatch = engine->type() == QPaintEngine::SVG;
    }
    if (QPaintDevice* device = m_painter.device()) m_printing = m_printing || device->devType() == QInternal::Printer;
}

void QtPainterBackend::FillArea(const QPainterPath& path, const DeviceBrush& brush) {
    if (brush.IsNull() || path.isEmpty()) return;
    if (brush.style == BS_HATCHED && m_vectorHatch) {
        // SVG has no pattern brushes: draw the hatch lines as areas cut to the shape.
        // Only the part on the page gets lines, so a huge shape stays cheap.
        const QPaintDevice* device = m_painter.device();
        const QRectF page(-1, -1, device->width() + 2.0, device->height() + 2.0);
        const QRectF box = path.boundingRect() & page;
        if (box.isEmpty()) return;
        const QPainterPath lines = HatchLines(box, brush.hatch).intersected(path);
        m_painter.fillPath(lines, ToQColor(brush.color));
        return;
    }
    m_painter.fillPath(path, ToQBrush(brush));
}

void QtPainterBackend::StrokePixelPath(const QPainterPath& path, const DevicePen& pen) {
    if (pen.IsNull() || path.isEmpty()) return;
    m_painter.strokePath(path.translated(0.5, 0.5), ToQPen(pen));
}

void QtPainterBackend::Polyline(std::span<const CPoint> pts, const DevicePen& pen) {
    if (pts.size() < 2) return;
    StrokePixelPath(PolylinePath(pts), pen);
}

void QtPainterBackend::Polygon(std::span<const CPoint> pts, int fillMode, const DevicePen& pen,
                               const DeviceBrush& brush) {
    if (pts.size() < 2) return;
    QPainterPath path = PolylinePath(pts);
    path.closeSubpath();
    path.setFillRule(ToFillRule(fillMode));
    FillArea(path, brush);
    StrokePixelPath(path, pen);
}

void QtPainterBackend::PolyBezier(std::span<const CPoint> pts, const DevicePen& pen) {
    if (pts.size() < 4) return;
    QPainterPath path;
    path.moveTo(pts[0].x, pts[0].y);
    for (size_t i = 1; i + 2 < pts.size(); i += 3)
        path.cubicTo(pts[i].x, pts[i].y, pts[i + 1].x, pts[i + 1].y, pts[i + 2].x, pts[i + 2].y);
    StrokePixelPath(path, pen);
}

void QtPainterBackend::Rectangle(const CRect& r, const DevicePen& pen, const DeviceBrush& brush) {
    DrawShape(Shape::Rectangle, r, {}, pen, brush);
}

void QtPainterBackend::RoundRect(const CRect& r, CSize corner, const DevicePen& pen, const DeviceBrush& brush) {
    DrawShape(Shape::RoundRect, r, corner, pen, brush);
}

void QtPainterBackend::Ellipse(const CRect& r, const DevicePen& pen, const DeviceBrush& brush) {
    DrawShape(Shape::Ellipse, r, {}, pen, brush);
}

void QtPainterBackend::DrawShape(Shape shape, const CRect& r, CSize corner, const DevicePen& pen,
                                 const DeviceBrush& brush) {
    const CRect n = r.Normalized();
    QRectF box(n.left, n.top, double(n.Width()), double(n.Height()));
    // Without a pen the filled area is one pixel narrower and lower.
    if (pen.IsNull()) box.adjust(0, 0, -1, -1);
    if (box.width() <= 0 || box.height() <= 0) return;

    // The outline runs through the centres of the outermost pixels; an inside-frame pen
    // wider than a pixel runs further in, so its outer edge meets the box.
    const double penWidth = std::max(pen.width, 1);
    const double inset = (pen.style == PS_INSIDEFRAME && penWidth > 1) ? penWidth / 2 : 0.5;
    const QRectF outline = box.adjusted(inset, inset, -inset, -inset);

    auto shapePath = [&](const QRectF& rect, double shrink) {
        QPainterPath path;
        switch (shape) {
        case Shape::Rectangle: path.addRect(rect); break;
        case Shape::Ellipse: path.addEllipse(rect); break;
        case Shape::RoundRect: {
            const double rx = std::clamp(std::abs(corner.cx) / 2.0 - shrink, 0.0, rect.width() / 2);
            const double ry = std::clamp(std::abs(corner.cy) / 2.0 - shrink, 0.0, rect.height() / 2);
            path.addRoundedRect(rect, rx, ry);
            break;
        }
        }
        return path;
    };

    if (pen.IsNull()) {
        FillArea(shapePath(box, 0), brush);
        return;
    }
    if (outline.width() < 0 || outline.height() < 0) {
        // The pen is wider than the shape: the shape is all outline.
        m_painter.fillPath(shapePath(box, 0), ToQColor(pen.color));
        return;
    }
    const QPainterPath path = shapePath(outline, inset);
    FillArea(path, brush);
    m_painter.strokePath(path, ToQPen(pen));
}

void QtPainterBackend::FillPath(const DevicePath& dp, int fillMode, const DeviceBrush& brush) {
    if (dp.empty()) return;
    QPainterPath path = ToQPainterPath(dp);
    path.setFillRule(ToFillRule(fillMode));
    FillArea(path, brush);
}

void QtPainterBackend::StrokePath(const DevicePath& dp, const DevicePen& pen) {
    if (dp.empty()) return;
    StrokePixelPath(ToQPainterPath(dp), pen);
}

void QtPainterBackend::TextOut(CPoint p, const std::string& utf8, const DeviceTextStyle& style) {
    if (utf8.empty()) return;
    const QFont font = ToQFont(style.font.lf);
    const QFontMetricsF metrics(font, m_painter.device());
    const QString text = ToQString(utf8);
    const double width = metrics.horizontalAdvance(text);
    const double ascent = metrics.ascent(), descent = metrics.descent();

    // The reference point in the text's own (rotated) frame.
    double x = 0;
    switch (style.align & TA_CENTER) {
    case TA_RIGHT: x = -width; break;
    case TA_CENTER: x = -width / 2; break;
    default: break;
    }
    double baseline = ascent;
    switch (style.align & TA_BASELINE) {
    case TA_BOTTOM: baseline = -descent; break;
    case TA_BASELINE: baseline = 0; break;
    default: break;
    }

    m_painter.save();
    m_painter.translate(p.x, p.y);
    // Escapement turns counter-clockwise on the screen, where y grows downwards.
    if (style.font.lf.lfEscapement != 0) m_painter.rotate(-style.font.lf.lfEscapement / 10.0);
    if (style.bkMode == OPAQUE)
        m_painter.fillRect(QRectF(x, baseline - ascent, width, ascent + descent), ToQColor(style.bkColor));
    m_painter.setFont(font);
    m_painter.setPen(ToQColor(style.color));
    m_painter.drawText(QPointF(x, baseline), text);
    m_painter.restore();
}

CSize QtPainterBackend::GetTextExtent(const std::string& utf8, const DeviceFont& font) {
    const QFontMetricsF metrics(ToQFont(font.lf), m_painter.device());
    return {int(std::lround(metrics.horizontalAdvance(ToQString(utf8)))),
            int(std::lround(metrics.ascent() + metrics.descent()))};
}

void QtPainterBackend::FillSolidRect(const CRect& r, COLORREF color) {
    const CRect n = r.Normalized();
    if (n.IsRectEmpty()) return;
    m_painter.fillRect(ToQRect(n), ToQColor(color));
}

void QtPainterBackend::InvertRect(const CRect& r) {
    const CRect n = r.Normalized();
    if (!m_rasterOps || n.IsRectEmpty()) return;
    m_painter.save();
    m_painter.setCompositionMode(QPainter::RasterOp_NotDestination);
    m_painter.fillRect(ToQRect(n), Qt::black);
    m_painter.restore();
}

void QtPainterBackend::DrawFocusRect(const CRect& r) {
    const CRect n = r.Normalized();
    if (!m_rasterOps || n.IsRectEmpty()) return;
    // A one-pixel frame in which every other pixel is inverted (a checkerboard anchored at
    // the device origin), by XOR with a white pattern; its gaps leave pixels alone.
    m_painter.save();
    m_painter.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    m_painter.setBrushOrigin(0, 0);
    const QBrush dots(Qt::white, Qt::Dense4Pattern);
    const int w = n.Width(), h = n.Height();
    m_painter.fillRect(QRect(n.left, n.top, w, 1), dots);
    if (h > 1) m_painter.fillRect(QRect(n.left, n.bottom - 1, w, 1), dots);
    if (h > 2) {
        m_painter.fillRect(QRect(n.left, n.top + 1, 1, h - 2), dots);
        if (w > 1) m_painter.fillRect(QRect(n.right - 1, n.top + 1, 1, h - 2), dots);
    }
    m_painter.restore();
}

void QtPainterBackend::SetClipRect(const CRect& r) {
    const CRect n = r.Normalized();
    if (n.IsRectEmpty()) {
        m_painter.setClipping(false);
        return;
    }
    m_painter.setClipRect(ToQRect(n));
}

int QtPainterBackend::GetDeviceCaps(int index) const {
    const QPaintDevice* device = m_painter.device();
    if (!device) return 0;
    switch (index) {
    case HORZRES: return device->width();
    case VERTRES: return device->height();
    case HORZSIZE: return device->widthMM();
    case VERTSIZE: return device->heightMM();
    case LOGPIXELSX: return device->logicalDpiX();
    case LOGPIXELSY: return device->logicalDpiY();
    default: return 0;
    }
}
