// The selection of a view and the edit commands: clipboard, delete, z-order, colours,
// update rules and the context menu.
#include "ViewTestSupport.h"

#include "commands/CommandLayout.h"
#include "platform/Archive.h"
#include "tools/ToolFramework.h"

namespace viewtest {
namespace {

// Counts what the view asks of its tools.
class CountingToolSink : public InputToolSink {
public:
    void OnButtonDown(CArdoView&, unsigned, CPoint) override {}
    void OnButtonUp(CArdoView&, unsigned, CPoint) override {}
    void OnMouseMove(CArdoView&, unsigned, CPoint) override {}
    void OnDoubleClick(CArdoView&, unsigned, CPoint) override {}
    void OnChar(CArdoView&, unsigned, unsigned, unsigned) override {}
    void OnCancel(CArdoView&) override {}
    void SelectSelectionTool() override { ++selectionToolCalls; }
    void EndInputsUnderWay() override { ++endInputCalls; }
    int selectionToolCalls = 0;
    int endInputCalls = 0;
};

class SelectionEditTest : public ViewFixture {
protected:
    void SetUp() override {
        ViewFixture::SetUp();
        view->SetToolSink(&tools);
        Prepare();
    }
    CountingToolSink tools;
    MemoryClipboard& clipboard() { return services().clipboard; }
    bool Enabled(int id) const { return view->OnUpdateCommand(id).value().enabled; }
    std::vector<CArdoObj*> Order() const {
        std::vector<CArdoObj*> order;
        for (const auto& obj : doc->Objects()) order.push_back(obj.get());
        return order;
    }
};

TEST_F(SelectionEditTest, SelectKeepsOrderAndBoundsIncludingFlatObjects) {
    CArdoRect* a = AddRect(CRect(100, 500, 300, 200));
    CArdoRect* line = AddRect(CRect(1000, 50, 2000, 50), SHAPE_LINE);
    view->Select(line);
    EXPECT_EQ(view->m_selectionBounds, CRect(1000, 50, 2000, 50));
    view->Select(a, true);
    view->Select(a, true);  // already selected: nothing changes
    EXPECT_EQ(view->m_selection, (std::vector<CArdoObj*>{line, a}));
    EXPECT_EQ(view->m_selectionBounds, CRect(100, 50, 2000, 500));
    view->Deselect(line);
    EXPECT_EQ(view->m_selectionBounds, CRect(100, 200, 300, 500));
    view->Select(nullptr);
    EXPECT_TRUE(view->m_selection.empty());
    EXPECT_TRUE(view->m_selectionBounds.IsRectNull());

    // Selecting within a client rectangle adds what it meets, in list order.
    CRect client(0, 0, 1000, 700);
    CArdoRect* visible = AddRect(CRect(2100, 29000, 4200, 28000));
    view->Select(line);
    view->SelectWithinRect(client, true);
    EXPECT_EQ(view->m_selection, (std::vector<CArdoObj*>{line, visible}));
    view->SelectWithinRect(client, false);
    EXPECT_EQ(view->m_selection, std::vector<CArdoObj*>{visible});
}

TEST_F(SelectionEditTest, CopyAndPasteLandTheObjectsCentredInTheVisiblePart) {
    // Three objects whose bounds centre lies at (100, 100).
    CArdoRect* a = AddRect(CRect(0, 200, 100, 100));
    CArdoRect* b = AddRect(CRect(100, 100, 200, 0), SHAPE_ELLIPSE);
    CArdoRect* c = AddRect(CRect(50, 150, 150, 50), SHAPE_LINE);
    b->m_logbrush.lbColor = RGB(7, 7, 7);
    for (CArdoObj* obj : {a, b, c}) view->Select(obj, true);
    EXPECT_FALSE(Enabled(cmd::EditPaste));
    ASSERT_TRUE(view->OnCommand(cmd::EditCopy));
    EXPECT_TRUE(Enabled(cmd::EditPaste));

    view->m_clientLogical = CRect(0, 14000, 10000, 0);  // visible part centred at (5000, 7000)
    doc->SetModifiedFlag(false);
    view->OnCommand(cmd::EditPaste);
    ASSERT_EQ(doc->Objects().size(), 6u);
    ASSERT_EQ(view->m_selection.size(), 3u);
    const CArdoObj* originals[] = {a, b, c};
    for (size_t i = 0; i < 3; ++i) {
        const CArdoObj* copy = view->m_selection[i];
        EXPECT_EQ(copy, doc->Objects()[3 + i].get());
        CRect expected = originals[i]->m_position;
        expected.OffsetRect(4900, 6900);
        EXPECT_EQ(copy->m_position, expected);
        EXPECT_EQ(copy->GetRuntimeClass(), originals[i]->GetRuntimeClass());
        EXPECT_EQ(copy->GetDocument(), doc.get());
    }
    EXPECT_EQ(view->m_selection[1]->GetFillColor(), RGB(7, 7, 7));
    EXPECT_EQ(static_cast<CArdoRect*>(view->m_selection[2])->m_shape, SHAPE_LINE);
    EXPECT_EQ(view->m_selectionBounds.CenterPoint(), CPoint(5000, 7000));
    EXPECT_TRUE(doc->IsModified());
    EXPECT_EQ(Pane(kPanePrompt), "Zum entgültigen Positionieren Objekte greifen und verschieben");
}

TEST_F(SelectionEditTest, DamagedClipboardBytesChangeNothing) {
    CArdoRect* a = AddRect(CRect(0, 200, 100, 100));
    view->Select(a);
    view->OnCommand(cmd::EditCopy);
    const std::vector<uint8_t> good = *clipboard().GetData(kKovelClipboardFormat);

    std::vector<std::vector<uint8_t>> damaged = {
        {},                                                  // nothing at all
        std::vector<uint8_t>(good.begin(), good.end() - 3),  // cut short
        {0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x7F},                // a huge count
        {0x02, 0x00, 0x00, 0x00, 0x00, 0x00},                // null elements
    };
    std::vector<uint8_t> wrongClass = good;
    for (size_t i = 0; i + 9 <= wrongClass.size(); ++i)
        if (std::equal(wrongClass.begin() + long(i), wrongClass.begin() + long(i) + 9, "CArdoRect"))
            wrongClass[i + 5] = 'X';
    damaged.push_back(wrongClass);

    for (const auto& bytes : damaged) {
        clipboard().SetData(kKovelClipboardFormat, bytes);
        services().messages.Clear();
        doc->SetModifiedFlag(false);
        view->OnCommand(cmd::EditPaste);
        EXPECT_EQ(doc->Objects().size(), 1u);
        EXPECT_EQ(view->m_selection, std::vector<CArdoObj*>{a});
        EXPECT_FALSE(doc->IsModified());
        ASSERT_EQ(services().messages.Calls().size(), 1u) << bytes.size();
        EXPECT_EQ(services().messages.LastCall()->text, "Unerwartetes Dateiformat.");
    }
}

TEST_F(SelectionEditTest, CutDeletesOnlyWhatReachedTheClipboard) {
    CArdoRect* a = AddRect(CRect(0, 200, 100, 100));
    view->Select(a);
    clipboard().SetFailing(true);
    view->OnCommand(cmd::EditCut);
    EXPECT_EQ(doc->Objects().size(), 1u);
    clipboard().SetFailing(false);
    view->OnCommand(cmd::EditCut);
    EXPECT_TRUE(doc->Objects().empty());
    EXPECT_TRUE(view->m_selection.empty());
    EXPECT_TRUE(clipboard().HasFormat(kKovelClipboardFormat));
    EXPECT_FALSE(Enabled(cmd::EditCut));
    EXPECT_FALSE(Enabled(cmd::EditDelete));
}

TEST_F(SelectionEditTest, DeletingInOneViewEmptiesTheSelectionsOfTheOthers) {
    FakeViewHost otherHost;
    CArdoView other(*doc, otherHost);
    other.OnInitialUpdate();
    CArdoRect* a = AddRect(CRect(0, 200, 100, 100));
    CArdoRect* b = AddRect(CRect(300, 200, 400, 100));
    CArdoRect* kept = AddRect(CRect(500, 200, 600, 100));
    view->Select(a);
    view->Select(b, true);
    other.Select(b);
    other.Select(kept, true);
    otherHost.invalidated.clear();
    view->OnCommand(cmd::EditDelete);
    EXPECT_EQ(Order(), std::vector<CArdoObj*>{kept});
    EXPECT_TRUE(view->m_selection.empty());
    EXPECT_EQ(other.m_selection, std::vector<CArdoObj*>{kept});
    EXPECT_FALSE(otherHost.invalidated.empty());
}

TEST_F(SelectionEditTest, ZOrderCommandsMoveTheOnlySelectedObject) {
    CArdoRect* a = AddRect(CRect(0, 200, 100, 100));
    CArdoRect* b = AddRect(CRect(0, 200, 100, 100));
    CArdoRect* c = AddRect(CRect(0, 200, 100, 100));
    for (int id : {cmd::ToFront, cmd::ToBack, cmd::ForwardOne, cmd::BackOne}) {
        view->Select(nullptr);
        EXPECT_FALSE(Enabled(id));
        view->Select(a);
        EXPECT_TRUE(Enabled(id));
        view->Select(b, true);
        EXPECT_FALSE(Enabled(id));
    }
    doc->SetModifiedFlag(false);
    view->Select(c);
    view->OnCommand(cmd::ForwardOne);  // already on top
    view->OnCommand(cmd::ToFront);
    view->Select(a);
    view->OnCommand(cmd::BackOne);  // already at the bottom
    view->OnCommand(cmd::ToBack);
    EXPECT_EQ(Order(), (std::vector<CArdoObj*>{a, b, c}));
    EXPECT_FALSE(doc->IsModified());

    view->OnCommand(cmd::ForwardOne);
    EXPECT_EQ(Order(), (std::vector<CArdoObj*>{b, a, c}));
    view->OnCommand(cmd::ToFront);
    EXPECT_EQ(Order(), (std::vector<CArdoObj*>{b, c, a}));
    view->OnCommand(cmd::BackOne);
    EXPECT_EQ(Order(), (std::vector<CArdoObj*>{b, a, c}));
    view->OnCommand(cmd::ToBack);
    EXPECT_EQ(Order(), (std::vector<CArdoObj*>{a, b, c}));
    EXPECT_TRUE(doc->IsModified());
}

TEST_F(SelectionEditTest, ColourCommandsSetEverySelectedObjectAndTheDefault) {
    CArdoRect* a = AddRect(CRect(0, 200, 100, 100));
    CArdoRect* b = AddRect(CRect(0, 200, 100, 100));
    view->Select(a);
    view->Select(b, true);
    doc->SetCurrentLineColor(RGB(1, 1, 1));
    view->OnCommand(cmd::LineColor);  // cancelled
    EXPECT_EQ(services().colorDialog.Presets(), std::vector<COLORREF>{RGB(1, 1, 1)});
    EXPECT_NE(a->GetLineColor(), RGB(200, 0, 0));
    services().colorDialog.SetAnswer(RGB(200, 0, 0));
    view->OnCommand(cmd::LineColor);
    services().colorDialog.SetAnswer(RGB(0, 0, 99));
    view->OnCommand(cmd::FillColor);
    for (CArdoObj* obj : {a, b}) {
        EXPECT_EQ(obj->GetLineColor(), RGB(200, 0, 0));
        EXPECT_EQ(obj->GetFillColor(), RGB(0, 0, 99));
    }
    EXPECT_EQ(doc->CurrentLineColor(), RGB(200, 0, 0));
    EXPECT_EQ(doc->CurrentFillColor(), RGB(0, 0, 99));
}

TEST_F(SelectionEditTest, SelectAllAndTheContextMenu) {
    EXPECT_FALSE(Enabled(cmd::EditSelectAll));
    CArdoRect* a = AddRect(CRect(0, 200, 100, 100));
    CArdoRect* b = AddRect(CRect(0, 200, 100, 100));
    view->OnCommand(cmd::EditSelectAll);
    EXPECT_EQ(view->m_selection, (std::vector<CArdoObj*>{a, b}));
    EXPECT_EQ(Pane(kPanePrompt), "Alle Objekte ausgewählt");
    // Gestures under way end first, and the selection tool becomes current.
    EXPECT_EQ(tools.endInputCalls, 1);
    EXPECT_EQ(tools.selectionToolCalls, 1);

    const ContextMenuRequest byMouse = view->OnContextMenu({400, 300}, {100, 50});
    EXPECT_EQ(byMouse.screenPoint, CPoint(400, 300));
    ASSERT_EQ(byMouse.items->size(), 11u);
    EXPECT_EQ(byMouse.items->front(), cmd::SelectMode);
    EXPECT_EQ(byMouse.items->back(), cmd::EditRedo);
    EXPECT_EQ(view->OnContextMenu({-1, -1}, {100, 50}).screenPoint, CPoint(105, 55));
    // All but "Fangraster..." (a command of the document) are the view's, with the tool
    // commands answered by the tools the view is given; tools that know none leave them.
    EXPECT_FALSE(view->OnUpdateCommand(cmd::SelectMode).has_value());
    EXPECT_FALSE(view->OnCommand(cmd::SelectMode));
    CToolFramework framework;
    view->SetToolSink(&framework);
    for (int id : *byMouse.items) {
        if (id == kSeparator) continue;
        EXPECT_EQ(view->OnUpdateCommand(id).has_value(), id != cmd::SnapSetup) << id;
    }
    view->SetToolSink(&tools);  // the framework goes before the view
}

}  // namespace
}  // namespace viewtest
