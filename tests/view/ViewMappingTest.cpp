// The screen and printer mapping, scroll sizes and the point conversions.
#include "ViewTestSupport.h"

namespace viewtest {
namespace {

TEST_F(ViewFixture, WiderWindowFitsSheetWidthAndScrollsVertically) {
    CDC dc(host.clientDevice);
    view->OnPrepareDC(dc);
    EXPECT_DOUBLE_EQ(1000.0 / 21000.0, view->m_pixelsPerUnit);
    EXPECT_DOUBLE_EQ(-1000.0 / 21000.0, view->m_negPixelsPerUnit);
    EXPECT_EQ(CSize(1000, 1000), dc.GetViewportExt());
    EXPECT_EQ(CSize(21000, -21000), dc.GetWindowExt());
    // Scroll extent plus one vertical and one horizontal scroll bar, applied to the window.
    EXPECT_EQ(CSize(1000 + 17, 1419 + 17), view->m_scrollTotal);
    EXPECT_EQ(CSize(1017, 1436), host.total);
    // The sheet's top-left corner sits at the window's top-left; (0, 0) at the bottom.
    EXPECT_EQ(CPoint(0, 0), dc.LPtoDP(CPoint(0, 29800)));
    EXPECT_EQ(CPoint(0, 1419), view->m_originDevice);
    EXPECT_EQ(63, view->m_handleSize);
    EXPECT_EQ(21, doc->PixelSize());
    EXPECT_EQ("Vollbild", Pane(kPaneZoom));
}

TEST_F(ViewFixture, TallerWindowAndEqualRatioFitTheHeight) {
    host.client = CSize(300, 1000);
    Prepare();
    EXPECT_DOUBLE_EQ(1000.0 / 29800.0, view->m_pixelsPerUnit);

    // 210 x 298 has exactly the sheet's ratio: the height branch is taken.
    host.client = CSize(210, 298);
    CDC dc(host.clientDevice);
    view->OnPrepareDC(dc);
    EXPECT_EQ(CSize(298, 298), dc.GetViewportExt());
    EXPECT_EQ(CSize(29800, -29800), dc.GetWindowExt());
}

TEST_F(ViewFixture, ConversionsFollowTheScrollPosition) {
    host.scroll = CPoint(0, 200);
    Prepare();
    EXPECT_EQ(CPoint(0, 1219), view->m_originDevice);
    CPoint p(500, 1219);
    view->ClientToLogical(p);
    EXPECT_EQ(CPoint(10500, 0), p);

    CRect r(0, 0, 10500, 4200);  // logical; LogicalToClient normalises
    view->LogicalToClient(r);
    EXPECT_EQ(CRect(0, 1019, 500, 1219), r);
    EXPECT_EQ(CRect(0, 25600, 21000, 10900), view->m_clientLogical);
}

TEST_F(ViewFixture, ScrollCommandsMoveTheSheetWithinTheRange) {
    Prepare();
    host.scroll = CPoint(0, 10);
    view->OnCommand(cmd::ScrollDown);
    EXPECT_EQ(CPoint(0, 8), host.scroll);
    view->OnKeyDown(VK_UP, 1, 0);
    EXPECT_EQ(CPoint(0, 10), host.scroll);
    host.scroll = CPoint(0, 0);
    view->OnCommand(cmd::ScrollDown);
    EXPECT_EQ(CPoint(0, 0), host.scroll);  // clamped at the top
    // Horizontal room is only the scroll bar's width (1017 - 1000).
    view->OnCommand(cmd::ScrollLeft);
    EXPECT_EQ(CPoint(2, 0), host.scroll);
    // Scrolling to the bottom of the range: total 1436 less the 700 pixel client.
    EXPECT_TRUE(view->OnScroll(SB_VERT, SB_BOTTOM, 0));
    EXPECT_EQ(736, host.scroll.y);
    EXPECT_FALSE(view->OnScrollBy(CSize(0, 50)));
}

TEST_F(ViewFixture, PrinterMappingFitsThePageAndStartsAtTheZoomWindow) {
    RecordingBackend printer;
    printer.SetPrinting(true);
    printer.SetDeviceCaps(HORZRES, 2000);
    printer.SetDeviceCaps(VERTRES, 2800);
    printer.SetDeviceCaps(HORZSIZE, 200);
    printer.SetDeviceCaps(VERTSIZE, 280);
    CDC dc(printer);
    PrintInfo info;
    view->OnPrepareDC(dc, &info);
    // 2800 / 29800 < 2000 / 21000: the height governs.
    EXPECT_EQ(CSize(2800, 2800), dc.GetViewportExt());
    EXPECT_EQ(CSize(29800, -29800), dc.GetWindowExt());
    EXPECT_NEAR(280.0 * 200 / 29800, view->m_printUnitFactor, 1e-9);
    EXPECT_EQ(CPoint(0, 0), dc.LPtoDP(CPoint(0, 29800)));

    view->m_zoomed = true;
    view->m_zoomOrigin = CPoint(5000, 20000);
    view->OnPrepareDC(dc, &info);
    EXPECT_EQ(CPoint(0, 0), dc.LPtoDP(CPoint(5000, 20000)));
    // The screen values the tools use stay those of the screen.
    EXPECT_EQ(63, view->m_handleSize);
}

TEST_F(ViewFixture, MissingLibraryIsReportedOncePerDocument) {
    ASSERT_FALSE(doc->SymbolsLoaded());
    // A second window onto the same document stays quiet.
    FakeViewHost secondHost;
    CArdoView second(*doc, secondHost);
    second.OnInitialUpdate();
    EXPECT_TRUE(services().messages.Calls().empty());

    // Another document reports it again, with the configuration-error caption.
    CArdoDoc other;
    FakeViewHost otherHost;
    CArdoView otherView(other, otherHost);
    otherView.OnInitialUpdate();
    ASSERT_EQ(1u, services().messages.Calls().size());
    EXPECT_EQ("Konfigurationsfehler", services().messages.LastCall()->caption);
}

}  // namespace
}  // namespace viewtest
