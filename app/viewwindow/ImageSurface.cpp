#include "app/viewwindow/ImageSurface.h"

namespace {
// Larger pictures than this per side are refused (the scroll extent is limited to 32767).
constexpr int kMaxSide = 32767;
}  // namespace

std::unique_ptr<ImageSurface> ImageSurface::Create(int width, int height) {
    if (width <= 0 || height <= 0 || width > kMaxSide || height > kMaxSide) return nullptr;
    QImage image(width, height, QImage::Format_RGB32);
    if (image.isNull()) return nullptr;
    image.fill(Qt::white);
    return std::unique_ptr<ImageSurface>(new ImageSurface(std::move(image)));
}

ImageSurface::ImageSurface(QImage image) : m_image(std::move(image)), m_painter(&m_image) {
    m_backend = std::make_unique<PainterBackend>(m_painter);
}

ImageSurface::~ImageSurface() {
    m_backend.reset();
    m_painter.end();
}

bool BlitImage(const QImage& from, DeviceBackend& to, CPoint at) {
    auto* target = dynamic_cast<PainterBackend*>(&to);
    if (!target) return false;
    QPainter& painter = target->Painter();
    painter.save();
    painter.resetTransform();
    painter.setCompositionMode(QPainter::CompositionMode_Source);
    painter.drawImage(QPoint(at.x, at.y), from);
    painter.restore();
    return true;
}
