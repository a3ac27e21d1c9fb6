// The dragging shape tools and the measure line and measure rectangle.
#include "ToolTestSupport.h"

namespace tooltest {
namespace {

using ShapeToolTest = ToolFixture;

TEST_F(ShapeToolTest, DragDrawsTheShapeWithTheDocumentAttributesAndKeepsTheTool) {
    doc->SetCurrentLineColor(RGB(9, 8, 7));
    doc->SetCurrentFillColor(RGB(1, 2, 3));
    doc->SetCurrentFill(1);
    doc->SetCurrentLineWidth(35);
    const struct {
        int command, tool, shape;
        const char* prompt;
    } cases[] = {
        {cmd::ToolLine, TOOL_LINE, SHAPE_LINE, "Endpunkt der Linie absetzen"},
        {cmd::ToolRect, TOOL_RECTANGLE, SHAPE_RECTANGLE, "Rechteck bis zum  zweiten Eckpunkt aufziehen"},
        {cmd::ToolRoundRect, TOOL_ROUNDRECT, SHAPE_ROUNDRECT, "Rechteck bis zum  zweiten Eckpunkt aufziehen"},
        {cmd::ToolEllipse, TOOL_ELLIPSE, SHAPE_ELLIPSE, "Ellipse is zur gewünschten Größe aufziehen"},
    };
    int y = 100;
    for (const auto& c : cases) {
        Command(c.command);
        EXPECT_TRUE(Checked(c.command));
        Press({100, y});
        EXPECT_EQ(Pane(kPanePrompt), c.prompt);
        MoveTo({200, y + 50});
        EXPECT_EQ(host.cursor, IDC_DRAWING);
        Release({200, y + 50});
        EXPECT_EQ(Pane(kPanePrompt), "");
        auto* shape = LastAs<CArdoRect>();
        ASSERT_NE(shape, nullptr);
        EXPECT_EQ(shape->m_shape, c.shape);
        // Handle 1 followed the mouse; the press point stayed as the opposite corner.
        EXPECT_EQ(shape->m_position, CRect(LogicalOf({200, y + 50}), LogicalOf({100, y})));
        EXPECT_EQ(shape->GetLineColor(), RGB(9, 8, 7));
        EXPECT_EQ(shape->GetFillColor(), RGB(1, 2, 3));
        EXPECT_EQ(shape->IsFilled(), 1);
        EXPECT_EQ(shape->m_logpen.lopnWidth.x, 35);
        EXPECT_EQ(view->m_selection, std::vector<CArdoObj*>{shape});
        EXPECT_EQ(CurrentTool(), c.tool);
        EXPECT_FALSE(host.capture);
        y += 100;
    }
    EXPECT_EQ(ObjectCount(), 4u);
}

TEST_F(ShapeToolTest, MeasureShapesKeepTheirOwnAttributes) {
    doc->SetCurrentLineColor(RGB(9, 8, 7));
    doc->SetCurrentLineWidth(35);
    const CArdoRect defaults(CRect(), SHAPE_DIMLINE);
    Command(cmd::MeasureLine);
    EXPECT_EQ(Pane(kPanePrompt), "Ersten Punkt der Maßlinie anklicken");
    Press({100, 100});
    EXPECT_EQ(Pane(kPanePrompt), "Endpunkt der Maßlinie absetzen");
    MoveTo({300, 100});
    Release({300, 100});
    Command(cmd::MeasureRect);
    Press({100, 200});
    EXPECT_EQ(Pane(kPanePrompt), "Vermaßungs-Rechteck bis zum  zweiten Eckpunkt aufziehen");
    MoveTo({300, 300});
    Release({300, 300});
    ASSERT_EQ(ObjectCount(), 2u);
    const int shapes[] = {SHAPE_DIMLINE, SHAPE_DIMRECT};
    for (size_t i = 0; i < 2; ++i) {
        auto* m = dynamic_cast<CArdoRect*>(doc->Objects()[i].get());
        ASSERT_NE(m, nullptr);
        EXPECT_EQ(m->m_shape, shapes[i]);
        EXPECT_EQ(m->m_logpen.lopnColor, defaults.m_logpen.lopnColor);
        EXPECT_EQ(m->m_logpen.lopnWidth.x, defaults.m_logpen.lopnWidth.x);
        EXPECT_EQ(m->m_logbrush.lbColor, defaults.m_logbrush.lbColor);
        EXPECT_EQ(m->m_bBrush, defaults.m_bBrush);
    }
}

TEST_F(ShapeToolTest, AClickCreatesNothingAndSelectsWhatLiesUnderIt) {
    const CPoint a = LogicalOf({100, 100});
    CArdoRect* under = AddRect(CRect(a.x, a.y, a.x + 4200, a.y - 4200));
    Command(cmd::ToolRect);
    Click({150, 150});
    EXPECT_EQ(ObjectCount(), 1u);
    EXPECT_EQ(view->m_selection, std::vector<CArdoObj*>{under});
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
    EXPECT_FALSE(host.capture);

    // On empty paper the click selects nothing.
    Command(cmd::ToolEllipse);
    Click({700, 600});
    EXPECT_EQ(ObjectCount(), 1u);
    EXPECT_TRUE(view->m_selection.empty());
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
}

TEST_F(ShapeToolTest, SnappedCornersLandOnTheGrid) {
    doc->SetSnap(1);  // 20 units; pixels are 21 units apart, so raw points are off the grid
    Command(cmd::MeasureRect);
    Press({101, 101});
    const CRect atPress = Last()->m_position;
    EXPECT_EQ(atPress.left % 20, 0);
    EXPECT_EQ(atPress.top % 20, 0);
    MoveTo({151, 133});
    EXPECT_EQ(Last()->m_position.TopLeft(), LogicalOf({151, 133}));  // unsnapped while dragging
    Release({151, 133});
    const CRect r = Last()->m_position;
    for (int v : {r.left, r.top, r.right, r.bottom}) EXPECT_EQ(v % 20, 0) << v;
    EXPECT_EQ(r.BottomRight(), atPress.TopLeft());
    EXPECT_EQ(doc->Snap(), 1);
}

TEST_F(ShapeToolTest, DraggingOffThePaperHoldsTheCornerAtItsLastPlace) {
    Command(cmd::ToolRect);
    Press({100, 100});
    MoveTo({50, 50});
    const CRect inside = Last()->m_position;
    MoveTo({-30, 50});
    EXPECT_EQ(Last()->m_position, inside);
    EXPECT_EQ(host.cursor, IDC_REFUSE);
    Release({-30, 50});
    EXPECT_EQ(Last()->m_position, inside);
}

TEST_F(ShapeToolTest, EscapeAndToolChangesLeaveNoEmptyShapeAndNoCapture) {
    Command(cmd::ToolRect);
    Press({100, 100});
    view->OnCommand(cmd::Cancel);
    EXPECT_EQ(ObjectCount(), 0u);
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
    Release({100, 100});  // the release after Esc creates nothing either
    EXPECT_EQ(ObjectCount(), 0u);

    // Another tool chosen mid-drag interrupts the drag: even a shape that already has a
    // size goes, and nothing is left to undo.
    Command(cmd::ToolLine);
    Press({100, 100});
    MoveTo({200, 200});
    Command(cmd::ToolPolygon);
    EXPECT_EQ(ObjectCount(), 0u);
    EXPECT_FALSE(doc->CanUndo());
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(CurrentTool(), TOOL_POLYGON);
}

}  // namespace
}  // namespace tooltest
