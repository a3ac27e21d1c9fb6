// The document window: the picture it shows, scrolling by bar, wheel and arrow keys, the zoom
// rubber band and zoom, and the commands it answers.
#include "AppViewTestSupport.h"

#include "app/viewwindow/ViewWindow.h"
#include "app/viewwindow/ViewWindowFactory.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "objects/ArdoRect.h"

#include <QScrollBar>
#include <QTest>

#include <memory>

namespace {

class ViewWindowTest : public AppViewTest {
protected:
    void SetUp() override {
        AppViewTest::SetUp();
        doc = std::make_shared<CArdoDoc>();
        doc->OnNewDocument();
        window.reset(static_cast<ViewWindow*>(CreateViewWindow(doc, nullptr)));
        window->resize(420, 520);
        window->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(window.get()));
        window->SetActive(true);
        Messages().Clear();
    }
    void TearDown() override {
        window.reset();
        AppViewTest::TearDown();
    }

    CArdoView& View() { return window->View(); }
    QWidget* Viewport() { return window->viewport(); }
    // The device rectangle of the whole sheet.
    QRect SheetOnScreen() {
        CRect r(0, doc->Extent().cy, doc->Extent().cx, 0);
        View().LogicalToClient(r);
        return QRect(QPoint(r.left, r.top), QPoint(r.right - 1, r.bottom - 1));
    }
    int CountDifferent(const QImage& a, const QImage& b) {
        int n = 0;
        for (int y = 0; y < a.height(); ++y)
            for (int x = 0; x < a.width(); ++x) n += Pixel(a, x, y) != Pixel(b, x, y);
        return n;
    }

    std::shared_ptr<CArdoDoc> doc;
    std::unique_ptr<ViewWindow> window;
};

TEST_F(ViewWindowTest, ShowsWhiteSheetOnGreySurroundWithGrid) {
    View().OnScrollBy(CSize(0, 0));
    const QImage picture = window->Picture();
    ASSERT_FALSE(picture.isNull());
    const QRect sheet = SheetOnScreen();
    // The width governs: the sheet spans the window's width and scrolls vertically.
    EXPECT_EQ(sheet.left(), 0);
    EXPECT_GE(sheet.width(), picture.width() - 1);
    // Below the sheet the surround (when scrolled to the end) and white inside.
    EXPECT_EQ(Pixel(picture, sheet.center().x() + 3, 40), kWhite);
    // The dotted grid: pixels in the grid colour lie on the sheet inside the border.
    int gridPixels = 0;
    for (int y = 5; y < picture.height() - 5; ++y)
        for (int x = 5; x < picture.width() - 5; ++x) gridPixels += Pixel(picture, x, y) == 0x000080;
    EXPECT_GT(gridPixels, 100);

    // Scrolled to the bottom, the grey surround shows beside the sheet's lower edge.
    window->verticalScrollBar()->setValue(window->verticalScrollBar()->maximum());
    const QImage bottom = window->Picture();
    EXPECT_EQ(Pixel(bottom, bottom.width() / 2, bottom.height() - 2), kPaperGrey);
}

TEST_F(ViewWindowTest, ScrollBarWheelAndArrowKeysScrollTheView) {
    QScrollBar* bar = window->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 10);
    bar->setValue(10);
    EXPECT_EQ(window->GetScrollPosition(), CPoint(0, 10));

    QTest::keyClick(window.get(), Qt::Key_Up);  // the sheet moves up: 2 pixels further down
    EXPECT_EQ(window->GetScrollPosition(), CPoint(0, 12));
    EXPECT_EQ(bar->value(), 12);
    QTest::keyClick(window.get(), Qt::Key_Down);
    EXPECT_EQ(window->GetScrollPosition(), CPoint(0, 10));

    QWheelEvent wheel(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(Viewport(), &wheel);
    EXPECT_GT(window->GetScrollPosition().y, 10);
    EXPECT_EQ(bar->value(), window->GetScrollPosition().y);

    // The view keeps the logical point at the top-left corner current.
    CPoint topLeft(0, 0);
    View().ClientToLogical(topLeft);
    EXPECT_NEAR(View().m_zoomOrigin.y, topLeft.y, 30);
}

TEST_F(ViewWindowTest, ZoomRectangleWithRubberBandThenFullView) {
    ASSERT_TRUE(window->OnCommand(cmd::Zoom));
    EXPECT_EQ(Status().PaneText(kPanePrompt), "Bitte ersten Punkt des Ausschnitts anklicken");
    const QImage before = window->Picture();

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, QPoint(60, 80));
    EXPECT_TRUE(View().m_zoomDragging);
    QTest::mouseMove(Viewport(), QPoint(200, 260));
    const QImage banded = window->Picture();
    EXPECT_GT(CountDifferent(before, banded), 100);

    // A full repaint during the drag keeps the band (it is drawn again over the new picture).
    window->Invalidate(false);
    EXPECT_EQ(CountDifferent(banded, window->Picture()), 0);

    // Moving on erases the old band exactly.
    QTest::mouseMove(Viewport(), QPoint(60 + 1, 80 + 1));
    QTest::mouseMove(Viewport(), QPoint(200, 260));
    EXPECT_EQ(CountDifferent(banded, window->Picture()), 0);

    QTest::mouseClick(Viewport(), Qt::LeftButton, {}, QPoint(200, 260));
    EXPECT_TRUE(View().m_zoomed);
    EXPECT_FALSE(View().m_zoomDragging);
    EXPECT_EQ(Status().PaneText(kPaneZoom), "ZOOM");
    EXPECT_GT(View().m_zoomFactor, 2.0);
    const QImage zoomed = window->Picture();
    EXPECT_GT(CountDifferent(before, zoomed), 1000);

    CommandState state;
    ASSERT_TRUE(window->OnUpdateCommand(cmd::FullView, state));
    EXPECT_TRUE(state.enabled);
    ASSERT_TRUE(window->OnCommand(cmd::FullView));
    EXPECT_FALSE(View().m_zoomed);
    EXPECT_EQ(Status().PaneText(kPaneZoom), "Vollbild");
    EXPECT_EQ(CountDifferent(before, window->Picture()), 0);
    ASSERT_TRUE(window->OnUpdateCommand(cmd::FullView, state));
    EXPECT_FALSE(state.enabled);
    EXPECT_TRUE(Messages().Calls().empty());
}

TEST_F(ViewWindowTest, MouseMoveWritesCoordinateReadout) {
    QTest::mouseMove(Viewport(), QPoint(0, 0));
    QTest::mouseMove(Viewport(), QPoint(30, 40));
    EXPECT_NE(Status().PaneText(kPanePosition).find("[m]"), std::string::npos) << Status().PaneText(kPanePosition);
}

TEST_F(ViewWindowTest, GridCommandTogglesLinesAndRemembersChoice) {
    CommandState state;
    ASSERT_TRUE(window->OnUpdateCommand(cmd::GridLines, state));
    EXPECT_TRUE(state.checked);
    const QImage withGrid = window->Picture();
    ASSERT_TRUE(window->OnCommand(cmd::GridLines));
    EXPECT_EQ(Settings().GetProfileInt("UserSettings", "Grid", -1), 0);
    EXPECT_GT(CountDifferent(withGrid, window->Picture()), 100);
    ASSERT_TRUE(window->OnUpdateCommand(cmd::GridLines, state));
    EXPECT_FALSE(state.checked);
}

TEST_F(ViewWindowTest, ObjectsAppearOnTopAndViewCommandsAreClaimed) {
    const QImage before = window->Picture();
    doc->AddObject(std::make_unique<CArdoRect>(CRect(2000, 20000, 12000, 10000), SHAPE_RECTANGLE));
    doc->UpdateAllViews(nullptr, HINT_ALL);
    EXPECT_GT(CountDifferent(before, window->Picture()), 100);

    for (int id : {cmd::Cancel, cmd::FilePrint, cmd::PrintPreview, cmd::Zoom, cmd::PrintGrid}) {
        CommandState state;
        EXPECT_TRUE(window->OnUpdateCommand(id, state)) << id;
        EXPECT_TRUE(state.enabled) << id;
    }
    CommandState state;
    EXPECT_FALSE(window->OnUpdateCommand(cmd::FileSave, state));
}

}  // namespace
