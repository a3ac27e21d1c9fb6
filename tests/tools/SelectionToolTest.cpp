// The selection tool: picking, moving on the paper, handle drags, snap around drags,
// rubber band and the property dialogs.
#include "ToolTestSupport.h"

namespace tooltest {
namespace {

class SelectionToolTest : public ToolFixture {
protected:
    // A 2100 x 2100 rectangle whose upper-left corner lies at client (100, 100).
    CArdoRect* AddBox(CPoint clientTopLeft, int shape = SHAPE_RECTANGLE) {
        const CPoint a = LogicalOf(clientTopLeft);
        return AddRect(CRect(a.x, a.y, a.x + 2100, a.y - 2100), shape);
    }
    CPoint CentreOf(const CArdoObj* obj) const { return ClientOf(obj->m_position.Normalized().CenterPoint()); }
};

TEST_F(SelectionToolTest, PicksWithShiftAddingAndEmptyPaperClearing) {
    CArdoRect* a = AddBox({100, 100});
    CArdoRect* b = AddBox({300, 100});
    Click(CentreOf(a));
    EXPECT_EQ(view->m_selection, std::vector<CArdoObj*>{a});
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
    Click(CentreOf(b), MK_SHIFT);
    EXPECT_EQ(view->m_selection, (std::vector<CArdoObj*>{a, b}));
    EXPECT_EQ(view->m_selectionBounds,
              CRect(a->m_position.left, b->m_position.bottom, b->m_position.right, a->m_position.top));

    Click({600, 500}, MK_SHIFT);  // empty paper with Shift keeps the selection
    EXPECT_EQ(view->m_selection.size(), 2u);
    Click({600, 500});
    EXPECT_TRUE(view->m_selection.empty());
    EXPECT_FALSE(host.capture);
    EXPECT_EQ(doc->Snap(), 0);
}

TEST_F(SelectionToolTest, PressOnPartOfMultipleSelectionMovesAllOfIt) {
    CArdoRect* a = AddBox({100, 100});
    CArdoRect* b = AddBox({300, 100});
    view->Select(a);
    view->Select(b, true);
    const CRect ra = a->m_position, rb = b->m_position;
    Drag(CentreOf(a), CentreOf(a) + CSize(10, 20));
    EXPECT_EQ(Pane(kPanePrompt), "");  // the drop prompt ends with the drag
    EXPECT_EQ(view->m_selection.size(), 2u);
    EXPECT_EQ(a->m_position, CRect(ra.left + 210, ra.top - 420, ra.right + 210, ra.bottom - 420));
    EXPECT_EQ(b->m_position, CRect(rb.left + 210, rb.top - 420, rb.right + 210, rb.bottom - 420));
    EXPECT_EQ(ObjectCount(), 2u);
}

TEST_F(SelectionToolTest, ControlDragLeavesCopiesBehind) {
    CArdoRect* a = AddBox({100, 100});
    a->m_logbrush.lbColor = RGB(1, 2, 3);
    const CRect before = a->m_position;
    Drag(CentreOf(a), CentreOf(a) + CSize(50, 0), MK_CONTROL);
    ASSERT_EQ(ObjectCount(), 2u);
    CArdoObj* copy = doc->Objects()[1].get();
    EXPECT_EQ(copy->m_position, before);
    EXPECT_EQ(copy->GetFillColor(), RGB(1, 2, 3));
    EXPECT_EQ(view->m_selection, std::vector<CArdoObj*>{a});  // the original moved
    EXPECT_EQ(a->m_position.left, before.left + 1050);
}

TEST_F(SelectionToolTest, MovesStopAtThePaperEdgeWithRefusalAndCanComeBack) {
    CArdoRect* a = AddBox({100, 5});  // its top 105 units below the paper's upper edge
    const CRect start = a->m_position;
    const CPoint grab = CentreOf(a);
    Press(grab);
    MoveTo(grab + CSize(0, -4));  // 84 units up: still on the paper
    EXPECT_EQ(a->m_position.top, start.top + 84);
    host.cursor = 0;
    MoveTo(grab + CSize(0, -10));  // would stick out by 105 units
    EXPECT_EQ(a->m_position.top, start.top + 84);
    EXPECT_EQ(host.cursor, IDC_REFUSE);
    MoveTo(grab + CSize(0, -6));  // back towards the paper: carried out from where it stands
    EXPECT_EQ(a->m_position.top, start.top + 84 - 84);
    MoveTo(grab + CSize(0, 30));
    Release(grab + CSize(0, 30));
    EXPECT_LE(a->m_position.Normalized().bottom, doc->Extent().cy);
    EXPECT_EQ(a->m_position.Width(), start.Width());

    // A line (no height) is held on the paper too.
    const CPoint l = LogicalOf({500, 4});
    CArdoRect* line = AddRect(CRect(l.x, l.y, l.x + 2100, l.y), SHAPE_LINE);
    view->Select(nullptr);
    const CPoint onLine = ClientOf(CPoint(l.x + 1050, l.y));
    Press(onLine);
    ASSERT_EQ(view->m_selection, std::vector<CArdoObj*>{line});
    MoveTo(onLine + CSize(0, -20));
    Release(onLine + CSize(0, -20));
    EXPECT_EQ(line->m_position.top, l.y);
}

TEST_F(SelectionToolTest, HandleDragsStayOnThePaperAndSnapAtRelease) {
    CArdoRect* a = AddBox({100, 100});
    Click(CentreOf(a));
    const CRect start = a->m_position;
    const CPoint corner = ClientOf(start.BottomRight());  // handle 5
    Press(corner);
    EXPECT_EQ(tools.State().selectMode, sizeHandle);
    EXPECT_EQ(tools.State().dragHandle, 5);
    MoveTo({-20, 300});  // left of the paper
    EXPECT_EQ(a->m_position, start);
    EXPECT_EQ(host.cursor, IDC_REFUSE);
    Release({-20, 300});
    EXPECT_EQ(a->m_position, start);

    doc->SetSnap(1);  // snap step 20 units; pixels are 21 units apart
    Press(corner);
    MoveTo(corner + CSize(7, 7));
    const CPoint followed = a->m_position.BottomRight();
    EXPECT_EQ(followed, LogicalOf(corner + CSize(7, 7)));  // follows the unsnapped pointer
    Release(corner + CSize(7, 7));
    EXPECT_EQ(a->m_position.right % 20, 0);
    EXPECT_EQ(a->m_position.bottom % 20, 0);
    EXPECT_LE(std::abs(a->m_position.right - followed.x), 10);
    EXPECT_EQ(doc->Snap(), 1);
}

TEST_F(SelectionToolTest, MovesNeverSnapAndTheSnapFlagComesBack) {
    CArdoRect* a = AddBox({100, 100});
    doc->SetSnap(1);
    const CRect start = a->m_position;
    Press(CentreOf(a));
    EXPECT_EQ(doc->Snap(), 0);
    MoveTo(CentreOf(a) + CSize(1, 0));
    Release(CentreOf(a));
    EXPECT_EQ(a->m_position.left, start.left + 21);
    EXPECT_EQ(doc->Snap(), 1);

    // Esc in the middle of a drag puts the flag back as well.
    Press(CentreOf(a));
    view->OnCommand(cmd::Cancel);
    EXPECT_EQ(doc->Snap(), 1);
    EXPECT_FALSE(host.capture);
}

TEST_F(SelectionToolTest, RubberBandSelectsWhatItMeetsAndErasesItself) {
    CArdoRect* a = AddBox({100, 100});
    CArdoRect* b = AddBox({300, 100});
    AddBox({600, 400});
    host.clientDevice.Clear();
    Press({90, 90});
    MoveTo({200, 150});
    MoveTo({400, 150});
    Release({400, 150});
    EXPECT_EQ(view->m_selection, (std::vector<CArdoObj*>{a, b}));
    // Every focus rectangle drawn was drawn again to erase it.
    std::map<std::tuple<int, int, int, int>, int> drawn;
    for (const DrawRecord& r : host.clientDevice.Records())
        if (r.kind == DrawRecord::Kind::FocusRect) ++drawn[{r.rect.left, r.rect.top, r.rect.right, r.rect.bottom}];
    EXPECT_FALSE(drawn.empty());
    for (const auto& [rect, count] : drawn) EXPECT_EQ(count % 2, 0);
}

TEST_F(SelectionToolTest, DoubleClickEditsOneObjectOrTheCommonAttributesOfSeveral) {
    FixedLineFillDialogs dialogs;
    dialogs.answer = {25, RGB(10, 20, 30), RGB(40, 50, 60), 1};
    SetObjectDialogs(&dialogs);
    CArdoRect* a = AddBox({100, 100});
    CArdoRect* measure = AddBox({300, 100}, SHAPE_DIMLINE);
    auto created = std::make_unique<CArdoPolyMeasure>(CRect());
    for (CPoint p : {CPoint(9000, 20000), CPoint(12000, 20000)}) created->AddPointSilent(p);
    created->RecalcBounds(nullptr);
    CArdoPolyMeasure* chain = doc->AddObject(std::move(created));

    Click(CentreOf(a));
    view->OnLButtonDblClk(0, CentreOf(a));
    EXPECT_EQ(dialogs.calls, 1);
    EXPECT_EQ(a->GetLineColor(), RGB(10, 20, 30));

    dialogs.answer = {40, RGB(1, 1, 1), RGB(2, 2, 2), 0};
    view->OnCommand(cmd::EditSelectAll);
    const LOGPEN measurePen = measure->m_logpen;
    const LOGPEN chainPen = chain->m_logpen;
    view->OnLButtonDblClk(0, {700, 600});
    EXPECT_EQ(dialogs.calls, 2);
    EXPECT_EQ(a->GetLineColor(), RGB(1, 1, 1));
    EXPECT_EQ(a->GetFillColor(), RGB(2, 2, 2));
    EXPECT_EQ(a->m_logpen.lopnWidth.x, 40);
    EXPECT_EQ(measure->m_logpen.lopnColor, measurePen.lopnColor);
    EXPECT_EQ(chain->m_logpen.lopnColor, chainPen.lopnColor);
    EXPECT_EQ(doc->CurrentLineColor(), RGB(1, 1, 1));
    EXPECT_EQ(doc->CurrentLineWidth(), 40);

    // Shift+double click deselects the object under the pointer.
    view->OnLButtonDblClk(MK_SHIFT, CentreOf(a));
    EXPECT_FALSE(view->IsSelected(a));
    EXPECT_EQ(view->m_selection.size(), 2u);
}

TEST_F(SelectionToolTest, PropertiesCommandOnlyWithTheSelectionTool) {
    FixedLineFillDialogs dialogs;
    SetObjectDialogs(&dialogs);
    CArdoRect* a = AddBox({100, 100});
    view->Select(a);
    EXPECT_TRUE(Enabled(cmd::Properties));
    Command(cmd::ToolRect);
    EXPECT_FALSE(Enabled(cmd::Properties));
    Command(cmd::Properties);
    EXPECT_EQ(dialogs.calls, 0);
    Command(cmd::SelectMode);
    Command(cmd::Properties);
    EXPECT_EQ(dialogs.calls, 1);
}

TEST_F(SelectionToolTest, HoverShowsTheHandleCursorOfTheOnlySelectedObject) {
    CArdoRect* a = AddBox({100, 100});
    view->Select(a);
    view->OnMouseMove(0, ClientOf(a->m_position.TopLeft()));
    EXPECT_EQ(host.cursor, IDC_SIZENWSE);
    view->OnMouseMove(0, {700, 600});
    EXPECT_EQ(host.cursor, IDC_ARROW);
}

}  // namespace
}  // namespace tooltest
