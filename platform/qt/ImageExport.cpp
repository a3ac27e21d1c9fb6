// Rendering through the painter backend onto images, SVG and PDF.
#include "platform/qt/ImageExport.h"

#include "platform/StringTable.h"
#include "platform/qt/QtPainterBackend.h"

#include <QFile>
#include <QGuiApplication>
#include <QMarginsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <cstdlib>

namespace {

constexpr int kMaxSide = 32767;
constexpr int IDS_INVALID_IMAGE_SIZE = 41004;
constexpr int IDS_INVALID_PAGE_SIZE = 41005;

bool Fail(std::string* error, const std::string& message) {
    if (error) *error = message;
    return false;
}

bool ValidSize(int width, int height) { return width > 0 && height > 0 && width <= kMaxSide && height <= kMaxSide; }

void DrawOn(QPainter& painter, const DrawFunction& draw) {
    QtPainterBackend backend(painter);
    CDC dc(backend);
    if (draw) draw(dc);
}

}  // namespace

void EnsureGuiApplication(int& argc, char** argv) {
    if (QCoreApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    new QGuiApplication(argc, argv);  // lives for the rest of the process
}

QImage RenderToImage(int width, int height, const DrawFunction& draw) {
    if (!ValidSize(width, height)) return {};
    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull()) return {};
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawOn(painter, draw);
    painter.end();
    return image;
}

bool RenderToPng(const std::string& path, int width, int height, const DrawFunction& draw, std::string* error) {
    const QImage image = RenderToImage(width, height, draw);
    if (image.isNull()) return Fail(error, LoadString(IDS_INVALID_IMAGE_SIZE));
    if (!image.save(QString::fromStdString(path), "PNG")) return Fail(error, FormatString1(IDS_CANNOT_WRITE, path));
    return true;
}

bool RenderToSvg(const std::string& path, int width, int height, const DrawFunction& draw, std::string* error) {
    if (!ValidSize(width, height)) return Fail(error, LoadString(IDS_INVALID_IMAGE_SIZE));
    QSvgGenerator generator;
    generator.setFileName(QString::fromStdString(path));
    generator.setSize(QSize(width, height));
    generator.setViewBox(QRect(0, 0, width, height));
    generator.setResolution(96);
    QPainter painter;
    if (!painter.begin(&generator)) return Fail(error, FormatString1(IDS_CANNOT_WRITE, path));
    DrawOn(painter, draw);
    if (!painter.end()) return Fail(error, FormatString1(IDS_CANNOT_WRITE, path));
    // The generator reports no write errors of its own: check that a file came out.
    if (!QFile::exists(QString::fromStdString(path))) return Fail(error, FormatString1(IDS_CANNOT_WRITE, path));
    return true;
}

bool RenderToPdf(const std::string& path, const PdfPage& page, const DrawFunction& draw, std::string* error) {
    if (!(page.widthMm > 0 && page.heightMm > 0 && page.dpi > 0)) return Fail(error, LoadString(IDS_INVALID_PAGE_SIZE));
    const double widthPx = page.widthMm / 25.4 * page.dpi, heightPx = page.heightMm / 25.4 * page.dpi;
    if (widthPx > kMaxSide * 8.0 || heightPx > kMaxSide * 8.0) return Fail(error, LoadString(IDS_INVALID_PAGE_SIZE));
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return Fail(error, FormatString1(IDS_CANNOT_WRITE, path));
    QPdfWriter writer(&file);
    writer.setResolution(page.dpi);
    writer.setPageLayout(QPageLayout(QPageSize(QSizeF(page.widthMm, page.heightMm), QPageSize::Millimeter),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&writer)) return Fail(error, FormatString1(IDS_CANNOT_WRITE, path));
    {
        QtPainterBackend backend(painter);
        backend.SetPrinting(true);
        CDC dc(backend);
        if (draw) draw(dc);
    }
    painter.end();
    file.close();
    if (file.error() != QFileDevice::NoError) return Fail(error, FormatString1(IDS_CANNOT_WRITE, path));
    return true;
}
