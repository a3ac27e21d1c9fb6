// Drawing and picking with the mouse in the real document window: the shape tools, the
// polygon tool with its keys, Ctrl+drag copies, Esc, cursors and the properties dialog.
#include "AppEditTestSupport.h"

#include "app/objectdialogs/QtObjectDialogs.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoSymbol.h"
#include "objects/ObjectDialogs.h"
#include "view/ViewCommands.h"

#include <QDialog>

using namespace appedit;

namespace {

using DrawingTest = WindowFixture;

TEST_F(DrawingTest, DraggingWithTheRectangleToolDrawsASelectedRectangle) {
    Command(cmd::ToolRect);
    Press(QPoint(100, 120));
    Move(QPoint(160, 150));
    // While the corner follows the mouse, the window shows the program's drawing cursor.
    EXPECT_FALSE(Port()->cursor().pixmap().isNull());
    Move(QPoint(220, 200));
    Release(QPoint(220, 200));

    ASSERT_EQ(Count(), 1u);
    auto* rect = dynamic_cast<CArdoRect*>(doc->Objects().front().get());
    ASSERT_NE(rect, nullptr);
    EXPECT_EQ(rect->m_shape, SHAPE_RECTANGLE);
    const QRect shown = OnScreen(rect);
    EXPECT_NEAR(shown.left(), 100, 1);
    EXPECT_NEAR(shown.top(), 120, 1);
    EXPECT_NEAR(shown.right(), 220, 1);
    EXPECT_NEAR(shown.bottom(), 200, 1);
    ASSERT_EQ(View().Selection().size(), 1u);
    EXPECT_EQ(View().Selection().front(), rect);
    EXPECT_TRUE(doc->IsModified());
    EXPECT_FALSE(window->HasCapture());

    // The picture shows the frame of the rectangle in black on the white sheet.
    const QImage picture = window->Picture();
    int black = 0;
    for (int y = 116; y <= 124; ++y) black += (picture.pixel(160, y) & 0xFFFFFF) == 0;
    EXPECT_GT(black, 0);
}

TEST_F(DrawingTest, AClickWithTheRectangleToolCreatesNothingAndSelectsWhatLiesBelow) {
    CArdoRect* below = AddRect(QRect(QPoint(80, 80), QPoint(240, 220)));
    Command(cmd::ToolRect);
    Click(QPoint(150, 150));
    ASSERT_EQ(Count(), 1u);
    ASSERT_EQ(View().Selection().size(), 1u);
    EXPECT_EQ(View().Selection().front(), below);

    // On empty sheet the click selects nothing and still leaves no object.
    Command(cmd::ToolRect);
    Click(QPoint(400, 400));
    EXPECT_EQ(Count(), 1u);
    EXPECT_TRUE(View().Selection().empty());
}

TEST_F(DrawingTest, DraggingASelectedObjectMovesItAndCtrlDragLeavesACopyBehind) {
    CArdoRect* rect = AddRect(QRect(QPoint(100, 100), QPoint(200, 180)));
    const CRect original = rect->m_position;

    Drag(QPoint(150, 140), QPoint(190, 170));
    ASSERT_EQ(Count(), 1u);
    EXPECT_NE(rect->m_position, original);
    EXPECT_NEAR(OnScreen(rect).left(), 140, 2);
    const CRect moved = rect->m_position;

    Drag(QPoint(190, 170), QPoint(290, 270), Qt::ControlModifier);
    ASSERT_EQ(Count(), 2u);
    // One of the two stays where the drag began, the selected one went with the mouse.
    ASSERT_EQ(View().Selection().size(), 1u);
    CArdoObj* carried = View().Selection().front();
    CArdoObj* left = doc->Objects()[0].get() == carried ? doc->Objects()[1].get() : doc->Objects()[0].get();
    EXPECT_EQ(left->m_position, moved);
    EXPECT_NEAR(OnScreen(carried).left(), 240, 2);
}

TEST_F(DrawingTest, APolygonIsDrawnByClicksAndEndedByADoubleClick) {
    Command(cmd::ToolPolygon);
    Click(QPoint(100, 100));
    Click(QPoint(250, 110));
    Click(QPoint(260, 260));
    QTest::mouseDClick(Port(), Qt::LeftButton, {}, QPoint(110, 250));

    ASSERT_EQ(Count(), 1u);
    auto* poly = dynamic_cast<CArdoPoly*>(doc->Objects().front().get());
    ASSERT_NE(poly, nullptr);
    EXPECT_EQ(poly->PointCount(), 4);
    EXPECT_EQ(Tool(), TOOL_SELECT);
    EXPECT_FALSE(window->HasCapture());

    // The next click is the selection tool's again: nothing new is drawn.
    Click(QPoint(400, 450));
    EXPECT_EQ(Count(), 1u);
}

TEST_F(DrawingTest, TabAndBackspaceTakeTheLastVertexBack) {
    Command(cmd::ToolPolygon);
    Click(QPoint(100, 100));
    Click(QPoint(250, 110));
    Click(QPoint(260, 260));
    ASSERT_EQ(Count(), 1u);
    auto* poly = dynamic_cast<CArdoPoly*>(doc->Objects().front().get());
    ASSERT_NE(poly, nullptr);
    const int before = poly->PointCount();

    Key(Qt::Key_Tab);
    EXPECT_EQ(poly->PointCount(), before - 1);
    // Tab stays in the window: it is a drawing key, not a focus move.
    EXPECT_TRUE(window->hasFocus());
    Key(Qt::Key_Backspace);
    EXPECT_EQ(poly->PointCount(), before - 2);

    QTest::mouseDClick(Port(), Qt::LeftButton, {}, QPoint(120, 300));
    EXPECT_EQ(Tool(), TOOL_SELECT);
}

TEST_F(DrawingTest, EscapeAfterTheFirstPressEndsTheInput) {
    Command(cmd::ToolRect);
    Press(QPoint(100, 100));
    ASSERT_EQ(Count(), 1u);  // the shape exists from the press on
    Key(Qt::Key_Escape);
    Release(QPoint(100, 100));
    EXPECT_EQ(Count(), 0u);
    EXPECT_EQ(Tool(), TOOL_SELECT);
    EXPECT_FALSE(window->HasCapture());

    // The polygon keeps its first vertex (with the rubber point) and the input ends.
    Command(cmd::ToolPolygon);
    Click(QPoint(100, 100));
    Key(Qt::Key_Escape);
    ASSERT_EQ(Count(), 1u);
    EXPECT_EQ(static_cast<CArdoPoly*>(doc->Objects().front().get())->PointCount(), 2);
    EXPECT_EQ(Tool(), TOOL_SELECT);
    Click(QPoint(300, 300));
    EXPECT_EQ(static_cast<CArdoPoly*>(doc->Objects().front().get())->PointCount(), 2);
}

TEST_F(DrawingTest, MeasuringToolsDrawDimensionObjects) {
    Command(cmd::MeasureLine);
    Drag(QPoint(60, 400), QPoint(300, 400));
    Command(cmd::MeasureRect);
    Drag(QPoint(80, 80), QPoint(260, 220));
    ASSERT_EQ(Count(), 2u);
    EXPECT_EQ(static_cast<CArdoRect*>(doc->Objects()[0].get())->m_shape, SHAPE_DIMLINE);
    EXPECT_EQ(static_cast<CArdoRect*>(doc->Objects()[1].get())->m_shape, SHAPE_DIMRECT);
}

TEST_F(DrawingTest, DoubleClickOnAnObjectOpensItsPropertiesDialog) {
    QtObjectDialogs::Install(window.get());
    CArdoRect* rect = AddRect(QRect(QPoint(100, 100), QPoint(200, 180)));
    Click(QPoint(150, 140));
    ASSERT_EQ(View().Selection().size(), 1u);

    QString title;
    WithModalDialog([&](QWidget* dialog) { title = dialog->windowTitle(); },
                    [&] { QTest::mouseDClick(Port(), Qt::LeftButton, {}, QPoint(150, 140)); });
    QtObjectDialogs::Uninstall();
    EXPECT_FALSE(title.isEmpty());
    // Cancelled: the rectangle is as it was.
    EXPECT_EQ(Count(), 1u);
    EXPECT_EQ(View().Selection().front(), rect);
}

TEST_F(DrawingTest, RefusedDragsAndTurningHandlesUseTheProgramsOwnCursors) {
    // The refusal cursor and the turning cursor are pictures of their own, not the arrow.
    window->SetCursor(IDC_REFUSE);
    EXPECT_FALSE(Port()->cursor().pixmap().isNull());
    window->SetCursor(IDC_SYMBOL_TURN);
    EXPECT_FALSE(Port()->cursor().pixmap().isNull());
    window->SetCursor(IDC_DRAWING);
    EXPECT_EQ(Port()->cursor().hotSpot(), QPoint(16, 16));
    window->SetCursor(IDC_SIZENS);
    EXPECT_EQ(Port()->cursor().shape(), Qt::SizeVerCursor);
}

}  // namespace
