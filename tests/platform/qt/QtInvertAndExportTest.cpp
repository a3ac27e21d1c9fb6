// Self-erasing marks on raster images, and the image, SVG and PDF exports.
#include "PixelHelpers.h"
#include "platform/DeviceContext.h"
#include "platform/qt/ImageExport.h"
#include "platform/qt/QtPainterBackend.h"

#include <QFile>
#include <QSvgRenderer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Something to invert over: coloured shapes and text.
QImage Scene() {
    return RenderToImage(80, 60, [](CDC& dc) {
        dc.SelectBrush(LOGBRUSH{BS_SOLID, RGB(200, 30, 90), 0});
        dc.Ellipse(5, 5, 60, 50);
        dc.FillSolidRect(CRect(40, 20, 75, 55), RGB(10, 180, 240));
        dc.TextOut(2, 30, "Kovel");
    });
}

void Paint(QImage& image, const std::function<void(CDC&)>& draw) {
    QPainter painter(&image);
    QtPainterBackend backend(painter);
    CDC dc(backend);
    draw(dc);
}

TEST(QtInvert, InvertTwiceRestoresTheImageExactly) {
    const QImage before = Scene();
    QImage image = before;
    Paint(image, [](CDC& dc) { dc.PatBlt(10, 10, 50, 30, DSTINVERT); });
    EXPECT_NE(image, before);
    EXPECT_TRUE(IsColor(image, 79, 0, RGB(0, 0, 0)) == IsColor(before, 79, 0, RGB(0, 0, 0)));  // outside untouched
    const QRgb p = before.pixel(30, 25), q = image.pixel(30, 25);
    EXPECT_EQ(qRed(q), 255 - qRed(p));
    EXPECT_EQ(qGreen(q), 255 - qGreen(p));
    EXPECT_EQ(qBlue(q), 255 - qBlue(p));
    EXPECT_EQ(qAlpha(q), 255);
    Paint(image, [](CDC& dc) { dc.PatBlt(10, 10, 50, 30, DSTINVERT); });
    EXPECT_EQ(image, before);
}

TEST(QtInvert, FocusRectIsADottedFrameThatErasesItself) {
    const QImage before = RenderToImage(40, 40, {});
    QImage image = before;
    Paint(image, [](CDC& dc) { dc.DrawFocusRect(CRect(10, 10, 30, 20)); });
    const QRect frame(10, 10, 20, 10);
    const int black = CountColor(image, frame, RGB(0, 0, 0));
    EXPECT_EQ(black, 28);  // every other pixel of the 56 on the frame
    EXPECT_EQ(InkBounds(image).united(frame), frame);
    EXPECT_EQ(CountColor(image, QRect(11, 11, 18, 8), RGB(0, 0, 0)), 0);
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) ASSERT_EQ(qAlpha(image.pixel(x, y)), 255);
    Paint(image, [](CDC& dc) { dc.DrawFocusRect(CRect(10, 10, 30, 20)); });
    EXPECT_EQ(image, before);

    const QImage scene = Scene();
    image = scene;
    Paint(image, [](CDC& dc) { dc.DrawFocusRect(CRect(3, 3, 70, 50)); });
    EXPECT_NE(image, scene);
    Paint(image, [](CDC& dc) { dc.DrawFocusRect(CRect(3, 3, 70, 50)); });
    EXPECT_EQ(image, scene);
}

TEST(QtExport, PngRoundTripKeepsThePixels) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath("scene.png").toStdString();
    const auto draw = [](CDC& dc) { dc.FillSolidRect(CRect(5, 5, 15, 15), RGB(0, 128, 0)); };
    std::string error;
    ASSERT_TRUE(RenderToPng(path, 20, 20, draw, &error)) << error;
    QImage loaded(QString::fromStdString(path));
    ASSERT_FALSE(loaded.isNull());
    EXPECT_EQ(loaded.convertToFormat(QImage::Format_ARGB32), RenderToImage(20, 20, draw));

    EXPECT_FALSE(RenderToPng(path, 0, 20, draw, &error));
    EXPECT_FALSE(RenderToPng(dir.filePath("missing/dir/x.png").toStdString(), 20, 20, draw, &error));
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(RenderToImage(-1, 5, draw).isNull());
}

TEST(QtExport, SvgHasTheShapesButNoInvertedMarks) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("scene.svg").toStdString();
    bool rasterOps = true;
    ASSERT_TRUE(RenderToSvg(path, 200, 100, [&](CDC& dc) {
        rasterOps = static_cast<QtPainterBackend&>(dc.Backend()).SupportsRasterOps();
        EXPECT_FALSE(dc.IsPrinting());
        dc.PatBlt(0, 0, 200, 100, DSTINVERT);
        dc.DrawFocusRect(CRect(0, 0, 200, 100));
        dc.Ellipse(10, 10, 90, 90);
        dc.TextOut(100, 40, "Kovel");
    }));
    EXPECT_FALSE(rasterOps);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray svg = file.readAll();
    EXPECT_TRUE(svg.contains("<svg"));
    EXPECT_TRUE(svg.contains("viewBox=\"0 0 200 100\""));
    EXPECT_TRUE(svg.contains("Kovel"));
}

TEST(QtExport, SvgDrawsHatchesAsLinesCutToTheShape) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("hatch.svg").toStdString();
    const auto draw = [](CDC& dc) {
        dc.SelectStockObject(StockObject::NullPen);
        dc.SelectBrush(LOGBRUSH{BS_HATCHED, RGB(255, 0, 0), 5 /* diagonal cross */});
        dc.Rectangle(10, 10, 51, 51);
    };
    ASSERT_TRUE(RenderToSvg(path, 60, 60, draw));
    QSvgRenderer renderer(QString::fromStdString(path));
    ASSERT_TRUE(renderer.isValid());
    QImage image(60, 60, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    const QRect ink = InkBounds(image);
    EXPECT_GE(ink.left(), 9);
    EXPECT_LE(ink.right(), 51);
    // Lines, not a solid fill: a quarter to a half of the area is ink.
    int inked = 0;
    for (int y = 10; y < 50; ++y)
        for (int x = 10; x < 50; ++x) inked += IsWhite(image, x, y) ? 0 : 1;
    EXPECT_GT(inked, 40 * 40 / 6);
    EXPECT_LT(inked, 40 * 40 * 2 / 3);
}

TEST(QtExport, PdfPageIsAPrintingDeviceOfThePageSize) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("scene.pdf").toStdString();
    int width = 0, height = 0, dpi = 0, widthMm = 0;
    bool printing = false, rasterOps = true;
    std::string error;
    ASSERT_TRUE(RenderToPdf(
        path, PdfPage{210, 297, 300},
        [&](CDC& dc) {
            width = dc.GetDeviceCaps(HORZRES);
            height = dc.GetDeviceCaps(VERTRES);
            dpi = dc.GetDeviceCaps(LOGPIXELSX);
            widthMm = dc.GetDeviceCaps(HORZSIZE);
            printing = dc.IsPrinting();
            rasterOps = static_cast<QtPainterBackend&>(dc.Backend()).SupportsRasterOps();
            dc.Rectangle(100, 100, 1000, 1000);
            dc.PatBlt(0, 0, 100, 100, DSTINVERT);
        },
        &error))
        << error;
    EXPECT_TRUE(printing);
    EXPECT_FALSE(rasterOps);
    EXPECT_EQ(dpi, 300);
    EXPECT_NEAR(width, 2480, 2);   // 210 mm at 300 dpi
    EXPECT_NEAR(height, 3508, 2);  // 297 mm
    EXPECT_NEAR(widthMm, 210, 1);
    QFile file(QString::fromStdString(path));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.read(5).startsWith("%PDF-"));

    EXPECT_FALSE(RenderToPdf(dir.filePath("no/such/dir.pdf").toStdString(), PdfPage{}, {}, &error));
    EXPECT_FALSE(RenderToPdf(path, PdfPage{0, 297, 300}, {}, &error));
}

}  // namespace
