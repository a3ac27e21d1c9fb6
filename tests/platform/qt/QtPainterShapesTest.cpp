// Shapes, pens, brushes, fill rules, paths and clipping drawn through CDC into a QImage.
#include "PixelHelpers.h"
#include "platform/DeviceContext.h"
#include "platform/qt/ImageExport.h"
#include "platform/qt/QtPainterBackend.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);

LOGPEN Pen(uint32_t style, int width, COLORREF c) { return LOGPEN{style, {width, width}, c}; }
LOGBRUSH Solid(COLORREF c) { return LOGBRUSH{BS_SOLID, c, 0}; }
LOGBRUSH NullBrush() { return LOGBRUSH{BS_NULL, 0, 0}; }

TEST(QtPainterShapes, OnePixelRectangleCoversLeftToRightMinusOneAndNullBrushKeepsInterior) {
    const QImage img = RenderToImage(40, 40, [](CDC& dc) {
        dc.SelectPen(Pen(PS_SOLID, 0, kBlack));
        dc.SelectBrush(NullBrush());
        dc.Rectangle(10, 10, 20, 20);
    });
    EXPECT_EQ(InkBounds(img), QRect(QPoint(10, 10), QPoint(19, 19)));
    for (int i = 10; i < 20; ++i) {
        EXPECT_TRUE(IsColor(img, i, 10, kBlack)) << i;
        EXPECT_TRUE(IsColor(img, i, 19, kBlack)) << i;
        EXPECT_TRUE(IsColor(img, 10, i, kBlack)) << i;
        EXPECT_TRUE(IsColor(img, 19, i, kBlack)) << i;
    }
    EXPECT_EQ(CountColor(img, QRect(QPoint(11, 11), QPoint(18, 18)), RGB(255, 255, 255)), 64);
}

TEST(QtPainterShapes, InsideFramePenStaysInsideWhileCentredPenStraddlesTheEdge) {
    auto draw = [](uint32_t style) {
        return RenderToImage(60, 60, [style](CDC& dc) {
            dc.SelectPen(Pen(style, 6, kRed));
            dc.SelectBrush(Solid(kBlue));
            dc.Rectangle(10, 10, 40, 40);
        });
    };
    const QImage inside = draw(PS_INSIDEFRAME);
    EXPECT_EQ(InkBounds(inside), QRect(QPoint(10, 10), QPoint(39, 39)));
    EXPECT_TRUE(IsColor(inside, 10, 25, kRed));
    EXPECT_TRUE(IsColor(inside, 15, 25, kRed));
    EXPECT_TRUE(IsColor(inside, 16, 25, kBlue));
    EXPECT_TRUE(IsColor(inside, 39, 25, kRed));
    EXPECT_TRUE(IsColor(inside, 33, 25, kBlue));

    const QImage centred = draw(PS_SOLID);
    EXPECT_TRUE(IsColor(centred, 8, 25, kRed));
    EXPECT_LT(InkBounds(centred).left(), 10);
    EXPECT_GT(InkBounds(centred).right(), 39);
}

TEST(QtPainterShapes, InsideFrameEllipseAndRoundRectStayInside) {
    for (int shape = 0; shape < 2; ++shape) {
        const QImage img = RenderToImage(60, 60, [shape](CDC& dc) {
            dc.SelectPen(Pen(PS_INSIDEFRAME, 8, kRed));
            dc.SelectBrush(Solid(kBlue));
            if (shape == 0)
                dc.Ellipse(5, 10, 45, 50);
            else
                dc.RoundRect(5, 10, 45, 50, 20, 20);
        });
        const QRect ink = InkBounds(img);
        EXPECT_GE(ink.left(), 5) << shape;
        EXPECT_GE(ink.top(), 10) << shape;
        EXPECT_LE(ink.right(), 44) << shape;
        EXPECT_LE(ink.bottom(), 49) << shape;
        EXPECT_TRUE(IsColor(img, 25, 30, kBlue)) << shape;
        EXPECT_TRUE(IsColor(img, 6, 30, kRed)) << shape;
        EXPECT_TRUE(IsWhite(img, 6, 11)) << shape;  // corners stay empty
    }
}

TEST(QtPainterShapes, NullPenRectangleIsOnePixelSmaller) {
    const QImage img = RenderToImage(40, 40, [](CDC& dc) {
        dc.SelectStockObject(StockObject::NullPen);
        dc.SelectBrush(Solid(kBlue));
        dc.Rectangle(10, 10, 20, 20);
    });
    EXPECT_EQ(InkBounds(img), QRect(QPoint(10, 10), QPoint(18, 18)));
}

TEST(QtPainterShapes, FillModeDecidesTheCentreOfASelfOverlappingStar) {
    const std::vector<CPoint> star = {{50, 5}, {79, 95}, {2, 39}, {98, 39}, {21, 95}};
    auto draw = [&](int mode) {
        return RenderToImage(100, 100, [&](CDC& dc) {
            dc.SelectStockObject(StockObject::NullPen);
            dc.SelectBrush(Solid(kBlue));
            dc.SetPolyFillMode(mode);
            dc.Polygon(star);
        });
    };
    const QImage alternate = draw(ALTERNATE), winding = draw(WINDING);
    EXPECT_TRUE(IsWhite(alternate, 50, 55));
    EXPECT_TRUE(IsColor(winding, 50, 55, kBlue));
    // A point of the star is filled either way.
    EXPECT_TRUE(IsColor(alternate, 50, 15, kBlue));
    EXPECT_TRUE(IsColor(winding, 50, 15, kBlue));
}

TEST(QtPainterShapes, DashedPenLeavesGapsButWideStyledPenIsSolid) {
    auto draw = [](int width) {
        return RenderToImage(100, 20, [width](CDC& dc) {
            dc.SelectPen(Pen(PS_DASH, width, kBlack));
            dc.MoveTo(0, 10);
            dc.LineTo(100, 10);
        });
    };
    const QImage thin = draw(1);
    const int inked = CountColor(thin, QRect(0, 10, 96, 1), kBlack);
    EXPECT_EQ(inked, 72);  // 18 on, 6 off, four times
    EXPECT_TRUE(IsColor(thin, 5, 10, kBlack));
    EXPECT_TRUE(IsWhite(thin, 20, 10));

    const QImage wide = draw(3);
    EXPECT_EQ(CountColor(wide, QRect(0, 10, 96, 1), kBlack), 96);
}

TEST(QtPainterShapes, HatchedBrushLeavesGapsBetweenItsLines) {
    const QImage img = RenderToImage(40, 40, [](CDC& dc) {
        dc.SelectStockObject(StockObject::NullPen);
        dc.SelectBrush(LOGBRUSH{BS_HATCHED, kRed, 4 /* cross */});
        dc.Rectangle(0, 0, 33, 33);
    });
    const int red = CountColor(img, QRect(0, 0, 32, 32), kRed);
    EXPECT_GT(red, 32 * 4);
    EXPECT_LT(red, 32 * 32 / 2);
}

TEST(QtPainterShapes, PathFillAndStroke) {
    const QImage img = RenderToImage(60, 40, [](CDC& dc) {
        dc.SelectBrush(Solid(kBlue));
        dc.SelectPen(Pen(PS_SOLID, 0, kRed));
        dc.BeginPath();
        dc.Rectangle(5, 5, 25, 25);
        dc.EndPath();
        dc.FillPath();
        dc.BeginPath();
        dc.MoveTo(35, 5);
        dc.LineTo(55, 5);
        dc.EndPath();
        dc.StrokePath();
    });
    EXPECT_TRUE(IsColor(img, 15, 15, kBlue));
    EXPECT_TRUE(IsWhite(img, 26, 15));
    EXPECT_TRUE(IsColor(img, 45, 5, kRed));
}

TEST(QtPainterShapes, PolyBezierRunsFromFirstToLastPoint) {
    const std::vector<CPoint> pts = {{5, 30}, {15, 0}, {35, 0}, {45, 30}};
    const QImage img = RenderToImage(50, 40, [&](CDC& dc) {
        dc.SelectPen(Pen(PS_SOLID, 0, kBlack));
        dc.PolyBezier(pts);
    });
    const QRect ink = InkBounds(img);
    EXPECT_EQ(ink.left(), 5);
    EXPECT_LE(ink.right(), 45);
    EXPECT_GE(ink.right(), 44);
    EXPECT_TRUE(IsWhite(img, 25, 25));  // a curve, not a filled shape
    EXPECT_LE(ink.top(), 9);
}

TEST(QtPainterShapes, ClipRectLimitsDrawingUntilCleared) {
    const QImage img = RenderToImage(40, 40, [](CDC& dc) {
        dc.SetClipRect(CRect(10, 10, 20, 20));
        dc.FillSolidRect(CRect(0, 0, 40, 40), kBlue);
        dc.SetClipRect(CRect());
        dc.FillSolidRect(CRect(30, 30, 35, 35), kRed);
    });
    EXPECT_EQ(CountColor(img, img.rect(), kBlue), 100);
    EXPECT_TRUE(IsColor(img, 10, 10, kBlue));
    EXPECT_TRUE(IsWhite(img, 20, 20));
    EXPECT_EQ(CountColor(img, img.rect(), kRed), 25);
}

TEST(QtPainterShapes, MappedDrawingLandsOnDevicePixels) {
    // A sheet 1000 x 1000 units with y up, shown on 100 x 100 pixels.
    const QImage img = RenderToImage(100, 100, [](CDC& dc) {
        dc.SetMapMode(MM_ANISOTROPIC);
        dc.SetWindowExt(1000, 1000);
        dc.SetViewportExt(100, -100);
        dc.SetWindowOrg(0, 1000);
        dc.SelectStockObject(StockObject::NullPen);
        dc.SelectBrush(Solid(kBlue));
        dc.Rectangle(0, 0, 501, 501);  // the bottom-left quarter
    });
    EXPECT_TRUE(IsColor(img, 10, 90, kBlue));
    EXPECT_TRUE(IsWhite(img, 10, 10));
    EXPECT_TRUE(IsWhite(img, 90, 90));
}

TEST(QtPainterShapes, DeviceCapsOfAnImage) {
    QImage image(300, 200, QImage::Format_ARGB32);
    image.setDotsPerMeterX(3780);  // 96 dpi
    image.setDotsPerMeterY(3780);
    QPainter painter(&image);
    QtPainterBackend backend(painter);
    EXPECT_FALSE(backend.IsPrinting());
    EXPECT_TRUE(backend.SupportsRasterOps());
    EXPECT_EQ(backend.GetDeviceCaps(HORZRES), 300);
    EXPECT_EQ(backend.GetDeviceCaps(VERTRES), 200);
    EXPECT_EQ(backend.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_NEAR(backend.GetDeviceCaps(HORZSIZE), 79, 1);  // 300 px at 96 dpi
}

}  // namespace
