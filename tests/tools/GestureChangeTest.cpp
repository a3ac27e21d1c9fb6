// Tool gestures as steps of the history: one named step per finished gesture, none for an
// interrupted drag, and undo and redo through the commands the window offers.
#include "ToolTestSupport.h"

namespace tooltest {
namespace {

class GestureChangeTest : public ToolFixture {
protected:
    std::string UndoText() { return view->OnUpdateCommand(cmd::EditUndo).value().text; }
};

TEST_F(GestureChangeTest, EachFinishedGestureIsOneNamedStep) {
    Command(cmd::ToolRect);
    Drag({100, 100}, {200, 160});
    EXPECT_EQ(UndoText(), "&Rückgängig: Rechteck");
    CArdoObj* rect = Last();
    const CRect drawn = rect->m_position;

    Command(cmd::SelectMode);
    Drag({150, 130}, {250, 230});
    EXPECT_EQ(UndoText(), "&Rückgängig: Verschieben");
    Drag({250, 230}, {260, 240}, MK_CONTROL);
    EXPECT_EQ(UndoText(), "&Rückgängig: Duplizieren");
    EXPECT_EQ(ObjectCount(), 2u);

    Command(cmd::ToolPolygon);
    Click({400, 400});
    Click({500, 400});
    EXPECT_FALSE(Enabled(cmd::EditUndo));  // not while the polygon is being entered
    Click({500, 500});
    view->OnLButtonDblClk(MK_LBUTTON, {500, 500});
    EXPECT_EQ(UndoText(), "&Rückgängig: Polygon");
    EXPECT_EQ(doc->History().Count(), 4u);

    // Back to the drawn rectangle, where it was drawn, selected.
    for (int i = 0; i < 3; ++i) Command(cmd::EditUndo);
    ASSERT_EQ(ObjectCount(), 1u);
    EXPECT_EQ(Last()->m_position, drawn);
    EXPECT_EQ(view->m_selection, std::vector<CArdoObj*>{Last()});
    EXPECT_EQ(view->OnUpdateCommand(cmd::EditRedo).value().text, "&Wiederholen: Verschieben");
    EXPECT_EQ(view->OnUpdateCommand(cmd::EditRedo).value().helpLine, "Stellt „Verschieben“ wieder her");
}

TEST_F(GestureChangeTest, AnInterruptedDragLeavesNoChangeBehind) {
    Command(cmd::ToolRect);
    Drag({100, 100}, {200, 160});
    doc->SetModifiedFlag(false);
    const CRect where = Last()->m_position;
    Command(cmd::SelectMode);
    Press({150, 130});
    MoveTo({230, 170});
    ASSERT_NE(Last()->m_position, where);
    view->OnCommand(cmd::Cancel);
    ASSERT_EQ(ObjectCount(), 1u);
    EXPECT_EQ(Last()->m_position, where);
    EXPECT_EQ(doc->History().Count(), 1u);
    EXPECT_FALSE(doc->IsModified());
    Release({230, 170});  // the release after Esc changes nothing
    EXPECT_EQ(doc->History().Count(), 1u);
    EXPECT_EQ(UndoText(), "&Rückgängig: Rechteck");
}

}  // namespace
}  // namespace tooltest
