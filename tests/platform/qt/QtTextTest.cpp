// Text drawing and measuring: fonts from LOGFONT, alignment, background and rotation.
#include "PixelHelpers.h"
#include "platform/DeviceContext.h"
#include "platform/qt/ImageExport.h"
#include "platform/qt/QtConvert.h"
#include "platform/qt/QtPainterBackend.h"
#include "platform/qt/QtTextMeasure.h"

#include <QFontInfo>

#include <gtest/gtest.h>

namespace {

LOGFONT Arial(int height, int escapement = 0) {
    LOGFONT lf;
    lf.lfHeight = height;
    lf.lfEscapement = escapement;
    lf.lfWeight = FW_NORMAL;
    lf.SetFaceName("Arial");
    return lf;
}

QImage DrawText(int w, int h, int x, int y, const LOGFONT& lf, uint32_t align, const std::string& text = "Kovel") {
    return RenderToImage(w, h, [&](CDC& dc) {
        dc.SelectFont(lf);
        dc.SetBkMode(TRANSPARENT);
        dc.SetTextAlign(align);
        dc.TextOut(x, y, text);
    });
}

TEST(QtText, ArialResolvesToAMetricCompatibleFace) {
    const QFontInfo info(ToQFont(Arial(-20)));
    EXPECT_EQ(info.family(), "Liberation Sans");
    EXPECT_EQ(info.pixelSize(), 20);
}

TEST(QtText, FontAttributesCarryOver) {
    LOGFONT lf = Arial(-16);
    lf.lfWeight = FW_BOLD;
    lf.lfItalic = 1;
    lf.lfUnderline = 1;
    lf.lfStrikeOut = 1;
    const QFont f = ToQFont(lf);
    EXPECT_EQ(f.weight(), QFont::Bold);
    EXPECT_TRUE(f.italic());
    EXPECT_TRUE(f.underline());
    EXPECT_TRUE(f.strikeOut());
    // A positive height is the cell height, so the character height is smaller.
    EXPECT_LT(ToQFont(Arial(22)).pixelSize(), 22);
    EXPECT_EQ(ToQFont(Arial(0)).pixelSize(), kDefaultFontPixels);
}

TEST(QtText, ExtentIsPlausibleAndMatchesTheMeasureService) {
    QImage image(10, 10, QImage::Format_ARGB32);
    QPainter painter(&image);
    QtPainterBackend backend(painter);
    const CSize kovel = backend.GetTextExtent("Kovel", DeviceFont{Arial(-20)});
    EXPECT_GT(kovel.cx, 40);  // five letters, about 0.5 em each
    EXPECT_LT(kovel.cx, 70);
    EXPECT_GE(kovel.cy, 21);  // cell height: 1.15 em for this face
    EXPECT_LE(kovel.cy, 24);
    EXPECT_GT(backend.GetTextExtent("WWW", DeviceFont{Arial(-20)}).cx,
              backend.GetTextExtent("iii", DeviceFont{Arial(-20)}).cx);
    EXPECT_EQ(backend.GetTextExtent("", DeviceFont{Arial(-20)}).cx, 0);
    // A positive height asks for that cell height.
    EXPECT_NEAR(backend.GetTextExtent("Kovel", DeviceFont{Arial(30)}).cy, 30, 1);

    QtTextMeasure measure;
    EXPECT_EQ(measure.GetTextExtent(Arial(-20), "Kovel"), kovel);
    EXPECT_EQ(measure.GetTextExtent(Arial(-20), "Größe"), backend.GetTextExtent("Größe", DeviceFont{Arial(-20)}));
}

TEST(QtText, TopLeftTextInksInsideItsExtent) {
    const QImage img = DrawText(120, 60, 10, 10, Arial(-20), TA_LEFT | TA_TOP);
    const QRect ink = InkBounds(img);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GE(ink.left(), 10);
    EXPECT_GE(ink.top(), 10);
    EXPECT_LE(ink.right(), 10 + 60);
    EXPECT_LE(ink.bottom(), 10 + 23);
    EXPECT_GT(ink.width(), 30);
    EXPECT_GT(ink.height(), 10);
}

TEST(QtText, AlignmentMovesTheTextAroundTheReferencePoint) {
    const LOGFONT lf = Arial(-20);
    const QRect right = InkBounds(DrawText(200, 80, 100, 40, lf, TA_RIGHT | TA_TOP));
    EXPECT_LE(right.right(), 100);
    EXPECT_GT(right.right(), 90);
    const QRect centre = InkBounds(DrawText(200, 80, 100, 40, lf, TA_CENTER | TA_TOP));
    EXPECT_LT(centre.left(), 100);
    EXPECT_GT(centre.right(), 100);
    EXPECT_NEAR((centre.left() + centre.right()) / 2.0, 100, 4);
    // Capitals and x-height letters sit on the baseline; nothing descends in "Kovel".
    const QRect baseline = InkBounds(DrawText(200, 80, 100, 40, lf, TA_LEFT | TA_BASELINE));
    EXPECT_LE(baseline.bottom(), 40);
    EXPECT_GE(baseline.bottom(), 38);
    const QRect bottom = InkBounds(DrawText(200, 80, 100, 40, lf, TA_LEFT | TA_BOTTOM));
    EXPECT_LT(bottom.bottom(), 40 - 2);  // the descent stays below the ink
}

TEST(QtText, OpaqueBackgroundFillsTheTextCell) {
    const QImage img = RenderToImage(120, 60, [](CDC& dc) {
        dc.SelectFont(Arial(-20));
        dc.SetBkMode(OPAQUE);
        dc.SetBkColor(RGB(255, 0, 0));
        dc.TextOut(10, 10, "Kovel");
    });
    const CSize extent = [] {
        QtTextMeasure m;
        return m.GetTextExtent(Arial(-20), "Kovel");
    }();
    EXPECT_EQ(InkBounds(img), QRect(10, 10, extent.cx, extent.cy));
    EXPECT_TRUE(IsColor(img, 10, 10, RGB(255, 0, 0)));
}

TEST(QtText, EscapementOf900DrawsUpwards) {
    const QImage img = DrawText(100, 120, 50, 100, Arial(-20, 900), TA_LEFT | TA_TOP);
    const QRect ink = InkBounds(img);
    ASSERT_FALSE(ink.isNull());
    EXPECT_GT(ink.height(), ink.width());
    // Counter-clockwise: the text runs up from the reference point with the tops of the
    // letters to the left, so the cell below the top line lies right of it.
    EXPECT_LE(ink.bottom(), 100);
    EXPECT_GE(ink.left(), 50);
    EXPECT_LE(ink.right(), 50 + 23);
}

}  // namespace
