// Raster pictures for the view: off-screen surfaces over QImage, and the painter backend
// that lets a picture be copied onto whatever a backend paints on.
#pragma once

#include "platform/qt/QtPainterBackend.h"
#include "view/ViewHost.h"

#include <QImage>
#include <QPainter>

#include <memory>

// A painter backend that knows its painter, so pictures can be copied onto it.
class PainterBackend : public QtPainterBackend {
public:
    explicit PainterBackend(QPainter& painter) : QtPainterBackend(painter), m_painter(painter) {}
    QPainter& Painter() { return m_painter; }

private:
    QPainter& m_painter;
};

// An off-screen picture: an RGB32 image (raster operations work on it) with a painter open
// on it for its whole life.
class ImageSurface : public OffscreenSurface {
public:
    // Null for an empty size or when the image cannot be allocated.
    static std::unique_ptr<ImageSurface> Create(int width, int height);
    ~ImageSurface() override;

    DeviceBackend& Backend() override { return *m_backend; }
    CSize Size() const override { return CSize(m_image.width(), m_image.height()); }
    const QImage& Image() const { return m_image; }

private:
    explicit ImageSurface(QImage image);

    QImage m_image;
    QPainter m_painter;
    std::unique_ptr<PainterBackend> m_backend;
};

// Copies a picture pixel for pixel onto a backend, top-left at `at` in device pixels,
// ignoring the backend's painter transform. False when `to` is not a PainterBackend.
bool BlitImage(const QImage& from, DeviceBackend& to, CPoint at);
