// CDC mapping math and what it hands the backend, checked through the recording backend.
#include "platform/DeviceContext.h"
#include "platform/RecordingBackend.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using Kind = DrawRecord::Kind;

// A sheet of 21000 x 29800 logical units with y up, shown 500 x 700 pixels with y down,
// its top-left corner at device (10, 20).
void PrepareSheet(CDC& dc) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetViewportOrg(10, 20);
    dc.SetViewportExt(500, -700);
    dc.SetWindowExt(21000, 29800);
    dc.SetWindowOrg(0, 0);
    dc.OffsetWindowOrg(0, 29800);
}

class DeviceContextTest : public ::testing::Test {
protected:
    RecordingBackend backend;
    CDC dc{backend};
};

TEST_F(DeviceContextTest, AnisotropicMapsSheetCornersWithYFlipped) {
    PrepareSheet(dc);
    EXPECT_EQ(dc.LPtoDP(CPoint(0, 29800)), CPoint(10, 20));
    EXPECT_EQ(dc.LPtoDP(CPoint(21000, 0)), CPoint(510, 720));
    EXPECT_EQ(dc.LPtoDP(CPoint(1000, 14900)), CPoint(34, 370));  // 23.8 rounds to 24
    EXPECT_EQ(dc.DPtoLP(CPoint(10, 20)), CPoint(0, 29800));
    EXPECT_EQ(dc.DPtoLP(CPoint(510, 720)), CPoint(21000, 0));

    CRect r(0, 29800, 21000, 0);
    dc.LPtoDP(&r);
    EXPECT_EQ(r, CRect(10, 20, 510, 720));
    dc.DPtoLP(&r);
    EXPECT_EQ(r, CRect(0, 29800, 21000, 0));
}

TEST_F(DeviceContextTest, DeviceToLogicalToDeviceRoundTripsWhenZoomedOut) {
    PrepareSheet(dc);
    for (int x = -50; x <= 600; x += 7) {
        for (int y = -50; y <= 800; y += 11) {
            const CPoint device(x, y);
            EXPECT_EQ(dc.LPtoDP(dc.DPtoLP(device)), device) << x << "," << y;
        }
    }
}

TEST_F(DeviceContextTest, HalvesRoundAwayFromZeroBothWays) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(4, 4);
    dc.SetViewportExt(2, -2);
    CPoint pts[] = {{1, 1}, {-1, -1}, {3, 3}, {-3, -3}, {2, 2}};
    dc.LPtoDP(pts, 5);
    EXPECT_EQ(pts[0], CPoint(1, -1));  // 0.5 and -0.5
    EXPECT_EQ(pts[1], CPoint(-1, 1));
    EXPECT_EQ(pts[2], CPoint(2, -2));  // 1.5 and -1.5
    EXPECT_EQ(pts[3], CPoint(-2, 2));
    EXPECT_EQ(pts[4], CPoint(1, -1));

    dc.SetWindowExt(3, 3);
    dc.SetViewportExt(2, 2);
    CPoint dev[] = {{1, -1}, {3, -3}};
    dc.DPtoLP(dev, 2);
    EXPECT_EQ(dev[0], CPoint(2, -2));  // 1.5 and -1.5
    EXPECT_EQ(dev[1], CPoint(5, -5));  // 4.5 and -4.5
}

TEST_F(DeviceContextTest, HugeValuesSaturateInsteadOfWrapping) {
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(1000000, -1000000);
    CPoint p(INT_MAX, INT_MIN);
    dc.LPtoDP(&p);
    EXPECT_EQ(p, CPoint(INT_MAX, INT_MAX));
    CSize s(INT_MAX, INT_MIN);
    dc.LPtoDP(&s);
    EXPECT_EQ(s, CSize(INT_MAX, INT_MIN));
}

TEST_F(DeviceContextTest, SizesScaleByMagnitudeKeepingTheirSign) {
    PrepareSheet(dc);
    CSize s(2100, 2980);
    dc.LPtoDP(&s);
    EXPECT_EQ(s, CSize(50, 70));
    CSize n(-2100, -2980);
    dc.LPtoDP(&n);
    EXPECT_EQ(n, CSize(-50, -70));
    CSize d(5, 5);
    dc.DPtoLP(&d);
    EXPECT_EQ(d, CSize(210, 213));  // 212.86 rounds to 213
}

TEST_F(DeviceContextTest, OriginsAndExtentsReturnPreviousValues) {
    dc.SetMapMode(MM_ANISOTROPIC);
    EXPECT_EQ(dc.SetWindowOrg(5, 6), CPoint(0, 0));
    EXPECT_EQ(dc.OffsetWindowOrg(10, -20), CPoint(5, 6));
    EXPECT_EQ(dc.GetWindowOrg(), CPoint(15, -14));
    EXPECT_EQ(dc.OffsetViewportOrg(-3, 4), CPoint(0, 0));
    EXPECT_EQ(dc.OffsetViewportOrg(1, 1), CPoint(-3, 4));
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(-2, 5));

    EXPECT_EQ(dc.SetWindowExt(100, -100), CSize(1, 1));
    EXPECT_EQ(dc.SetWindowExt(0, 50), CSize(100, -100));  // refused
    EXPECT_EQ(dc.GetWindowExt(), CSize(100, -100));
    EXPECT_EQ(dc.SetViewportExt(20, 20), CSize(1, 1));
    dc.SetViewportExt(20, 0);
    EXPECT_EQ(dc.GetViewportExt(), CSize(20, 20));
}

TEST_F(DeviceContextTest, TextModeIsATranslationAndIgnoresExtents) {
    EXPECT_EQ(dc.GetMapMode(), MM_TEXT);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(7, 9);
    EXPECT_EQ(dc.GetWindowExt(), CSize(1, 1));
    EXPECT_EQ(dc.GetViewportExt(), CSize(1, 1));
    dc.SetWindowOrg(100, 200);
    dc.SetViewportOrg(-5, 7);
    EXPECT_EQ(dc.LPtoDP(CPoint(110, 190)), CPoint(5, -3));
    EXPECT_EQ(dc.DPtoLP(CPoint(5, -3)), CPoint(110, 190));

    // Leaving anisotropic mode forgets the extents.
    EXPECT_EQ(dc.SetMapMode(MM_ANISOTROPIC), MM_TEXT);
    dc.SetWindowExt(10, 10);
    dc.SetMapMode(MM_TEXT);
    dc.SetMapMode(MM_ANISOTROPIC);
    EXPECT_EQ(dc.GetWindowExt(), CSize(1, 1));
    EXPECT_EQ(dc.SetMapMode(12345), 0);
    EXPECT_EQ(dc.GetMapMode(), MM_ANISOTROPIC);
}

TEST_F(DeviceContextTest, PenWidthTruncatesToDevicePixels) {
    PrepareSheet(dc);  // 42 logical units per pixel in x
    const int widths[][2] = {{84, 2}, {83, 1}, {42, 1}, {41, 0}, {0, 0}};
    for (const auto& [logical, device] : widths) {
        dc.SelectPen(LOGPEN{PS_DASH, {logical, 0}, RGB(1, 2, 3)});
        EXPECT_EQ(dc.DevicePenNow(), (DevicePen{PS_DASH, device, RGB(1, 2, 3)})) << logical;
    }
    dc.SetWindowExt(-100, 100);
    dc.SetViewportExt(1000, 1000);
    dc.SelectPen(LOGPEN{PS_SOLID, {3, 0}, 0});
    EXPECT_EQ(dc.DevicePenNow().width, 30);
}

TEST_F(DeviceContextTest, FontHeightConvertsByYRatioKeepingItsSign) {
    PrepareSheet(dc);
    LOGFONT lf;
    lf.lfHeight = -420;  // 9.87 px
    lf.lfEscapement = 900;
    lf.SetFaceName("Arial");
    dc.SelectFont(lf);
    DeviceFont f = dc.DeviceFontNow();
    EXPECT_EQ(f.lf.lfHeight, -10);
    EXPECT_EQ(f.lf.lfEscapement, 900);
    EXPECT_EQ(f.lf.FaceName(), "Arial");
    lf.lfHeight = 298;
    dc.SelectFont(lf);
    EXPECT_EQ(dc.DeviceFontNow().lf.lfHeight, 7);
}

TEST_F(DeviceContextTest, StockObjectsSelectNullAndSolidValues) {
    const LOGBRUSH oldBrush = dc.GetCurrentBrush();
    dc.SelectStockObject(StockObject::NullBrush);
    dc.SelectStockObject(StockObject::NullPen);
    EXPECT_EQ(dc.GetCurrentBrush().lbStyle, BS_NULL);
    EXPECT_EQ(dc.GetCurrentPen().lopnStyle, PS_NULL);
    dc.Rectangle(0, 0, 10, 10);
    const DrawRecord* r = backend.Last(Kind::Rectangle);
    ASSERT_NE(r, nullptr);
    EXPECT_TRUE(r->brush.IsNull());
    EXPECT_TRUE(r->pen.IsNull());

    EXPECT_EQ(dc.SelectBrush(oldBrush).lbStyle, BS_NULL);
    dc.SelectStockObject(StockObject::BlackBrush);
    EXPECT_EQ(dc.GetCurrentBrush(), (LOGBRUSH{BS_SOLID, 0, 0}));
    dc.SelectStockObject(StockObject::WhitePen);
    EXPECT_EQ(dc.GetCurrentPen(), (LOGPEN{PS_SOLID, {0, 0}, RGB(255, 255, 255)}));
}

TEST_F(DeviceContextTest, ShapesReachTheBackendInDeviceUnits) {
    PrepareSheet(dc);
    dc.SetPolyFillMode(WINDING);
    EXPECT_EQ(dc.MoveTo(0, 29800), CPoint(0, 0));
    dc.LineTo(21000, 0);
    const DrawRecord* line = backend.Last(Kind::Polyline);
    ASSERT_NE(line, nullptr);
    EXPECT_EQ(line->points, (std::vector<CPoint>{{10, 20}, {510, 720}}));
    EXPECT_EQ(dc.MoveTo(0, 0), CPoint(21000, 0));  // LineTo moved the position

    const CPoint tri[] = {{0, 29800}, {21000, 29800}, {0, 0}};
    dc.Polygon(tri);
    const DrawRecord* poly = backend.Last(Kind::Polygon);
    ASSERT_NE(poly, nullptr);
    EXPECT_EQ(poly->fillMode, WINDING);
    EXPECT_EQ(poly->points, (std::vector<CPoint>{{10, 20}, {510, 20}, {10, 720}}));

    // Logical rectangles with y up arrive normalised.
    dc.Ellipse(0, 29800, 21000, 0);
    EXPECT_EQ(backend.Last(Kind::Ellipse)->rect, CRect(10, 20, 510, 720));
    dc.RoundRect(0, 29800, 21000, 0, 2100, -2980);
    EXPECT_EQ(backend.Last(Kind::RoundRect)->rect, CRect(10, 20, 510, 720));
    EXPECT_EQ(backend.Last(Kind::RoundRect)->corner, CSize(50, 70));
}

TEST_F(DeviceContextTest, PolyBezierNeedsThreeKPlusOnePoints) {
    std::vector<CPoint> pts(10, CPoint(1, 1));
    for (size_t n : {0u, 1u, 2u, 3u, 5u, 6u, 8u}) {
        dc.PolyBezier(std::span<const CPoint>(pts.data(), n));
    }
    EXPECT_EQ(backend.Count(Kind::PolyBezier), 0u);
    for (size_t n : {4u, 7u, 10u}) {
        dc.PolyBezier(std::span<const CPoint>(pts.data(), n));
        EXPECT_EQ(backend.Last(Kind::PolyBezier)->points.size(), n);
    }
    EXPECT_EQ(backend.Count(Kind::PolyBezier), 3u);
}

TEST_F(DeviceContextTest, PathCollectsFiguresAndFillsWithTheFillRule) {
    PrepareSheet(dc);
    dc.SetPolyFillMode(WINDING);
    dc.SelectBrush(LOGBRUSH{BS_SOLID, RGB(9, 8, 7), 0});
    dc.BeginPath();
    dc.MoveTo(0, 29800);
    dc.LineTo(21000, 29800);
    dc.LineTo(21000, 0);  // continues the open figure
    const CPoint bez[] = {{0, 0}, {0, 14900}, {21000, 14900}, {21000, 29800}};
    dc.PolyBezier(bez);
    dc.Rectangle(0, 29800, 21000, 0);
    dc.FillPath();  // still building: nothing happens
    dc.EndPath();
    EXPECT_TRUE(backend.Records().empty());

    dc.FillPath();
    ASSERT_EQ(backend.Records().size(), 1u);
    const DrawRecord& fill = backend.Records()[0];
    EXPECT_EQ(fill.kind, Kind::FillPath);
    EXPECT_EQ(fill.fillMode, WINDING);
    EXPECT_EQ(fill.brush, (DeviceBrush{BS_SOLID, RGB(9, 8, 7), 0}));
    using Op = DevicePath::Op;
    std::vector<Op> ops;
    for (const auto& e : fill.path.elements) ops.push_back(e.op);
    EXPECT_EQ(ops, (std::vector<Op>{Op::MoveTo, Op::LineTo, Op::LineTo, Op::MoveTo, Op::BezierTo, Op::MoveTo,
                                    Op::LineTo, Op::LineTo, Op::LineTo, Op::Close}));
    EXPECT_EQ(fill.path.elements[2].pts[0], CPoint(510, 720));
    EXPECT_EQ(fill.path.elements[4].pts[2], CPoint(510, 20));

    dc.FillPath();  // the path was discarded
    dc.StrokePath();
    EXPECT_EQ(backend.Records().size(), 1u);
}

TEST_F(DeviceContextTest, StrokePathUsesThePenAndTextIsNotDrawnInPaths) {
    dc.SelectPen(LOGPEN{PS_SOLID, {3, 0}, RGB(255, 0, 0)});
    dc.BeginPath();
    const CPoint pts[] = {{0, 0}, {5, 5}};
    dc.Polyline(pts);
    dc.Ellipse(0, 0, 10, 10);
    dc.TextOut(1, 1, "x");
    dc.EndPath();
    EXPECT_TRUE(backend.Records().empty());
    dc.StrokePath();
    const DrawRecord* s = backend.Last(Kind::StrokePath);
    ASSERT_NE(s, nullptr);
    EXPECT_EQ(s->pen, (DevicePen{PS_SOLID, 3, RGB(255, 0, 0)}));
    EXPECT_EQ(s->path.elements.back().op, DevicePath::Op::Close);
}

TEST_F(DeviceContextTest, PatBltInvertTwiceGivesTwoEqualInverts) {
    PrepareSheet(dc);
    dc.PatBlt(4200, 2980, 420, 596, DSTINVERT);
    dc.PatBlt(4200, 2980, 420, 596, DSTINVERT);
    ASSERT_EQ(backend.Count(Kind::InvertRect), 2u);
    EXPECT_EQ(backend.Records()[0].rect, backend.Records()[1].rect);
    EXPECT_EQ(backend.Records()[0].rect, CRect(110, 636, 120, 650));

    dc.SelectBrush(LOGBRUSH{BS_SOLID, RGB(0, 0, 255), 0});
    dc.PatBlt(0, 0, 42, 42, PATCOPY);
    EXPECT_EQ(backend.Last(Kind::FillSolidRect)->color, RGB(0, 0, 255));
}

TEST_F(DeviceContextTest, TextUsesDeviceFontAndExtentComesBackLogical) {
    PrepareSheet(dc);
    LOGFONT lf;
    lf.lfHeight = -420;
    dc.SelectFont(lf);
    dc.SetTextColor(RGB(1, 1, 1));
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextAlign(TA_BASELINE | TA_CENTER);
    dc.TextOut(0, 29800, "Größe");
    const DrawRecord* t = backend.Last(Kind::TextOut);
    ASSERT_NE(t, nullptr);
    EXPECT_EQ(t->points, (std::vector<CPoint>{{10, 20}}));
    EXPECT_EQ(t->style.font.lf.lfHeight, -10);
    EXPECT_EQ(t->style.color, RGB(1, 1, 1));
    EXPECT_EQ(t->style.bkMode, TRANSPARENT);
    EXPECT_EQ(t->style.align, TA_BASELINE | TA_CENTER);
    // 5 code points at 10 px: 30 x 10 px.
    EXPECT_EQ(dc.GetTextExtent("Größe"), CSize(1260, 426));
}

TEST_F(DeviceContextTest, ClipAndFocusRectanglesAreNormalisedDeviceRects) {
    PrepareSheet(dc);
    dc.SetClipRect(CRect(0, 29800, 21000, 0));
    EXPECT_EQ(backend.Last(Kind::SetClip)->rect, CRect(10, 20, 510, 720));
    dc.SetClipRect(CRect());
    EXPECT_TRUE(backend.Last(Kind::SetClip)->rect.IsRectNull());
    dc.DrawFocusRect(CRect(0, 0, 21000, 29800));
    EXPECT_EQ(backend.Last(Kind::FocusRect)->rect, CRect(10, 20, 510, 720));
}

TEST(RecordingBackendTest, ReportsConfiguredCapsAndPrinting) {
    RecordingBackend b;
    CDC dc(b);
    EXPECT_FALSE(dc.IsPrinting());
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 0);
    b.SetPrinting(true);
    b.SetDeviceCaps(HORZRES, 4960);
    EXPECT_TRUE(dc.IsPrinting());
    EXPECT_EQ(dc.GetDeviceCaps(HORZRES), 4960);
    dc.Rectangle(0, 0, 1, 1);
    b.Clear();
    EXPECT_EQ(b.Last(Kind::Rectangle), nullptr);
}

}  // namespace
