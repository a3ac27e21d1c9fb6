// The zoom rectangle, its limits and the return to the full view.
#include "ViewTestSupport.h"

namespace viewtest {
namespace {

TEST_F(ViewFixture, ZoomRectangleGestureZoomsToTheDraggedArea) {
    Prepare();
    view->OnCommand(cmd::Zoom);
    EXPECT_TRUE(view->m_zoomMode);
    EXPECT_EQ("Bitte ersten Punkt des Ausschnitts anklicken", Pane(kPanePrompt));
    EXPECT_TRUE(view->OnUpdateCommand(cmd::Zoom)->checked);

    view->OnLButtonDown(MK_LBUTTON, CPoint(100, 100));
    EXPECT_TRUE(view->m_zoomDragging);
    EXPECT_TRUE(host.capture);
    EXPECT_EQ(IDC_DRAWING, host.cursor);
    EXPECT_EQ("Bitte Diagonalpunkt des Ausschnitts anklicken", Pane(kPanePrompt));
    EXPECT_FALSE(view->OnUpdateCommand(cmd::Zoom)->enabled);

    // Each move erases the previous band and draws the new one.
    view->OnMouseMove(MK_LBUTTON, CPoint(200, 200));
    view->OnMouseMove(MK_LBUTTON, CPoint(300, 240));
    ASSERT_EQ(4u, host.clientDevice.Count(DrawRecord::Kind::FocusRect));
    EXPECT_EQ(CRect(100, 100, 200, 200), host.clientDevice.Records()[1].rect);
    EXPECT_EQ(CRect(100, 100, 200, 200), host.clientDevice.Records()[2].rect);
    EXPECT_EQ(CRect(100, 100, 300, 240), host.clientDevice.Records()[3].rect);

    view->OnLButtonDown(MK_LBUTTON, CPoint(300, 240));
    EXPECT_TRUE(view->m_zoomed);
    EXPECT_FALSE(view->m_zoomMode);
    EXPECT_FALSE(view->m_zoomDragging);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(IDC_ARROW, host.cursor);
    EXPECT_DOUBLE_EQ(5.0, view->m_zoomFactor);
    EXPECT_DOUBLE_EQ(5.0, view->m_printZoom);
    EXPECT_EQ(2100, view->m_zoomTopLeft.x);
    EXPECT_NEAR(27699, view->m_zoomTopLeft.y, 1);
    EXPECT_EQ(view->m_zoomTopLeft, view->m_zoomOrigin);
    EXPECT_EQ("ZOOM", Pane(kPaneZoom));
    EXPECT_EQ("", Pane(kPanePrompt));
    EXPECT_TRUE(view->OnUpdateCommand(cmd::FullView)->enabled);
    // The scroll position brings the rectangle's top-left corner to the window's.
    EXPECT_NEAR(501, host.scroll.x, 1);
    EXPECT_NEAR(501, host.scroll.y, 1);

    // While zoomed the scroll extent has no scroll bar allowance.
    Prepare();
    EXPECT_EQ(CSize(5000, 7095), view->m_scrollTotal);
}

TEST_F(ViewFixture, ZoomingTwiceMultipliesAndFullViewRestoresTheScroll) {
    host.scroll = CPoint(0, 300);
    Prepare();
    ZoomDrag(CPoint(100, 100), CPoint(300, 240));
    ASSERT_TRUE(view->m_zoomed);
    ZoomDrag(CPoint(0, 0), CPoint(500, 350));
    EXPECT_DOUBLE_EQ(10.0, view->m_zoomFactor);

    view->OnCommand(cmd::FullView);
    EXPECT_FALSE(view->m_zoomed);
    EXPECT_DOUBLE_EQ(1.0, view->m_zoomFactor);
    EXPECT_DOUBLE_EQ(1.0, view->m_printZoom);
    EXPECT_EQ(CPoint(0, 300), host.scroll);
    EXPECT_EQ("Vollbild", Pane(kPaneZoom));
    EXPECT_FALSE(view->OnUpdateCommand(cmd::FullView)->enabled);
    Prepare();
    EXPECT_DOUBLE_EQ(1000.0 / 21000.0, view->m_pixelsPerUnit);
    EXPECT_EQ(CSize(1017, 1436), host.total);
}

TEST_F(ViewFixture, RectangleBeyondTheSheetEdgesIsShiftedBack) {
    Prepare();
    // Captured mouse outside the window: right of the sheet (x 1000) and below it (y 1419).
    ZoomDrag(CPoint(900, 1300), CPoint(1100, 1500));
    ASSERT_TRUE(view->m_zoomed);
    EXPECT_EQ(CPoint(800, 1219), view->m_zoomAnchor);
    EXPECT_EQ(800 * 21, view->m_zoomTopLeft.x);
    EXPECT_NEAR(200 * 21, view->m_zoomTopLeft.y, 1);
    EXPECT_DOUBLE_EQ(3.5, view->m_zoomFactor);
}

TEST_F(ViewFixture, MagnificationBeyondTheLimitIsRefusedAndUndone) {
    Prepare();
    ZoomDrag(CPoint(100, 100), CPoint(102, 102));
    const auto* call = services().messages.LastCall();
    ASSERT_NE(nullptr, call);
    EXPECT_EQ("Maximale Vergrößerung erreicht", call->text);
    EXPECT_EQ("Zoom", call->caption);
    EXPECT_EQ(MB_ICONEXCLAMATION, call->type);
    EXPECT_FALSE(view->m_zoomed);
    EXPECT_FALSE(view->m_zoomTooLarge);
    EXPECT_DOUBLE_EQ(1.0, view->m_zoomFactor);
    EXPECT_DOUBLE_EQ(1.0, view->m_printZoom);
    EXPECT_FALSE(host.capture);
}

TEST_F(ViewFixture, EmptyRectangleEndsTheRequestAndFreesTheMouse) {
    Prepare();
    ZoomDrag(CPoint(100, 100), CPoint(100, 300));
    EXPECT_FALSE(view->m_zoomed);
    EXPECT_FALSE(view->m_zoomMode);
    EXPECT_FALSE(view->m_zoomDragging);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ("", Pane(kPanePrompt));
}

TEST_F(ViewFixture, ScrollingDuringTheDragKeepsTheBandOnTheSheet) {
    Prepare();
    view->OnCommand(cmd::Zoom);
    view->OnLButtonDown(MK_LBUTTON, CPoint(100, 100));
    view->OnMouseMove(MK_LBUTTON, CPoint(200, 200));
    EXPECT_TRUE(view->OnScrollBy(CSize(0, 50)));
    EXPECT_EQ(CPoint(100, 50), view->m_zoomAnchor);
    EXPECT_EQ(CPoint(200, 150), view->m_zoomCorner);
    EXPECT_EQ(CPoint(0, 29800 - 50 * 21), view->m_zoomOrigin);
}

TEST_F(ViewFixture, ResizingWhileZoomedKeepsTheFit) {
    Prepare();
    ZoomDrag(CPoint(100, 100), CPoint(300, 240));
    Prepare();
    const double ppu = view->m_pixelsPerUnit;
    host.client = CSize(400, 300);
    view->OnSize(0, 400, 300);
    Prepare();
    EXPECT_DOUBLE_EQ(ppu, view->m_pixelsPerUnit);
}

}  // namespace
}  // namespace viewtest
