// Choosing symbols by key and dropping, pushing and dragging them with the symbol tool.
#include "SymbolTestSupport.h"

namespace tooltest {
namespace {

constexpr int kTableCommand = cmd::PlaceTable;   // key 1 "Tisch"
constexpr int kChairCommand = cmd::PlaceChair;   // key 2 "Stuhl"
constexpr int kLivingCommand = cmd::RoomLiving;  // key 28 "Wohnen"
constexpr int kMarkerCommand = cmd::Marker;      // key 27

class SymbolToolTest : public SymbolFixture {};

TEST_F(SymbolToolTest, OneEntryIsChosenAtOnceSeveralGoToThePalette) {
    const int table = AddLibrarySymbol(1, 1000, 800, "Tisch");
    const int sofa = AddLibrarySymbol(28, 2100, 900, "Sofa");
    AddLibrarySymbol(2, 450, 450, "Stuhl");
    const int armchair = AddLibrarySymbol(28, 900, 900, "Sessel");

    Command(kTableCommand);
    EXPECT_EQ(CurrentTool(), TOOL_SYMBOL);
    EXPECT_EQ(doc->CurrentSymbol(), table);
    EXPECT_EQ(palette.shows, 0);
    EXPECT_EQ(palette.hides, 1);
    EXPECT_TRUE(Checked(kTableCommand));
    EXPECT_FALSE(Checked(kChairCommand));

    Command(kLivingCommand);
    EXPECT_EQ(palette.filled, (std::vector<int>{sofa, armchair}));
    EXPECT_EQ(palette.shows, 1);
    EXPECT_EQ(doc->CurrentSymbol(), -1);
    EXPECT_EQ(Pane(kPanePrompt), "Wohnen: Gegenstand anklicken");
    EXPECT_TRUE(Checked(kLivingCommand));
    EXPECT_FALSE(Checked(kTableCommand));

    // Another tool: no symbol command is checked any more.
    Command(cmd::SelectMode);
    EXPECT_FALSE(Checked(kLivingCommand));
}

TEST_F(SymbolToolTest, KeyWithoutEntriesKeepsTheChosenKeyAndDropsNothing) {
    AddLibrarySymbol(1, 1000, 800);
    Command(kTableCommand);
    Command(kChairCommand);  // no chair in the library
    EXPECT_EQ(doc->CurrentSymbol(), -1);
    EXPECT_TRUE(Checked(kTableCommand));
    EXPECT_FALSE(Checked(kChairCommand));
    Click({500, 300});
    EXPECT_EQ(ObjectCount(), 0u);
}

TEST_F(SymbolToolTest, WithoutLibraryTheCommandsAreDisabledAndFindNothing) {
    AddLibrarySymbol(1, 1000, 800);
    doc->SetSymbolsLoaded(0);
    EXPECT_FALSE(Enabled(kTableCommand));
    EXPECT_FALSE(Enabled(kLivingCommand));
    EXPECT_FALSE(Enabled(kMarkerCommand));
    EXPECT_TRUE(SymbolsWithKey(*doc, 1).empty());
    doc->SetSymbolsLoaded(1);
    EXPECT_TRUE(Enabled(kTableCommand));
}

TEST_F(SymbolToolTest, DropMakesSymbolOfLibrarySizeWithEntryFlags) {
    const int table = AddLibrarySymbol(1, 1000, 800);
    {
        SymbolInfo entry = doc->SymbolEntry(table);
        entry.nFlags = 0x1 | 0x2 | 0x8;
        doc->SetSymbolEntry(table, entry);
    }
    Command(kTableCommand);
    const CPoint at = ClientOf({4200, 10500});
    Press(at);
    CArdoSymbol* symbol = LastSymbol();
    ASSERT_NE(symbol, nullptr);
    // 1000 mm at 1:100 on paper with 200 units per mm.
    EXPECT_EQ(symbol->m_corners[0], CPoint(4200, 10500));
    EXPECT_EQ(symbol->m_corners[3], CPoint(4200 + 2000, 10500 + 1600));
    EXPECT_EQ(symbol->m_nSymbolId, table);
    EXPECT_EQ(symbol->m_flags, 0xBu);
    EXPECT_EQ(view->m_selection, std::vector<CArdoObj*>{symbol});
    EXPECT_EQ(tools.State().selectMode, move);
    EXPECT_EQ(tools.State().dragHandle, 8);
    EXPECT_TRUE(host.capture);
    Release(at);
}

TEST_F(SymbolToolTest, SymbolDroppedAtTheRightEdgeLandsOnTheEdge) {
    AddLibrarySymbol(1, 1000, 800);
    Command(kTableCommand);
    const CPoint at = ClientOf({20790, 10500});  // 2000 units wide: 1790 stick out
    Press(at);
    CArdoSymbol* symbol = LastSymbol();
    ASSERT_NE(symbol, nullptr);
    const CRect r = symbol->m_position.Normalized();
    EXPECT_EQ(r.right, PaperRect().right);
    EXPECT_EQ(r.Width(), 2000);
    EXPECT_EQ(r.top, 10500);
    EXPECT_EQ(services().alerts.Flashes(), 1);
    EXPECT_EQ(services().alerts.Beeps(), std::vector<unsigned>{MB_ICONERROR});
    EXPECT_EQ(Pane(kPanePrompt), "Symbol  wurde vollständig in Papierbereich geschoben");
    EXPECT_EQ(tools.State().lastLogicalPoint, CPoint(20790 - 1790, 10500));
    EXPECT_EQ(view->m_selectionBounds, r);

    // Dragged on, it stays on the paper.
    MoveTo(at + CSize(40, 0));
    EXPECT_LE(symbol->m_position.Normalized().right, PaperRect().right);
    Release(at + CSize(40, 0));
}

TEST_F(SymbolToolTest, SymbolDroppedBelowThePaperIsPushedUp) {
    AddLibrarySymbol(1, 1000, 800);
    Command(kTableCommand);
    doc->Extent() = CSize(21000, 29800);
    Press(ClientOf({4200, -1050}));
    const CRect r = LastSymbol()->m_position.Normalized();
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.left, 4200);
    Release(ClientOf({4200, -1050}));
}

TEST_F(SymbolToolTest, ClickMakesSelectionToolCurrentDragKeepsSymbolTool) {
    AddLibrarySymbol(1, 1000, 800);
    Command(kTableCommand);
    const CPoint at = ClientOf({4200, 10500});
    Click(at);
    EXPECT_EQ(ObjectCount(), 1u);
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
    EXPECT_FALSE(host.capture);

    Command(kTableCommand);
    Drag(at, at + CSize(50, 0));
    EXPECT_EQ(ObjectCount(), 2u);
    EXPECT_EQ(CurrentTool(), TOOL_SYMBOL);
    EXPECT_EQ(LastSymbol()->m_corners[0], CPoint(4200 + 50 * 21, 10500));
    // The next press drops another copy of the same symbol.
    Click(ClientOf({8400, 10500}));
    EXPECT_EQ(ObjectCount(), 3u);
    EXPECT_EQ(LastSymbol()->m_nSymbolId, 0);
}

TEST_F(SymbolToolTest, SnapIsOffDuringTheGestureAndComesBackAtItsEnd) {
    AddLibrarySymbol(1, 1000, 800);
    doc->SetSnap(1);
    Command(kTableCommand);
    const CPoint at = ClientOf({4200, 10500});
    Press(at);
    EXPECT_EQ(doc->Snap(), 0);
    MoveTo(at + CSize(7, 3));
    Release(at + CSize(7, 3));
    EXPECT_EQ(doc->Snap(), 1);

    Press(at);
    EXPECT_EQ(doc->Snap(), 0);
    view->OnCancel();  // Esc during the drag
    EXPECT_EQ(doc->Snap(), 1);
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
}

TEST_F(SymbolToolTest, MarkerEntryGetsCornerFlagAndPromptAfterChoosing) {
    const int marker = AddLibrarySymbol(27, 300, 300, "Marker");
    Command(kMarkerCommand);
    EXPECT_EQ(doc->CurrentSymbol(), marker);
    EXPECT_EQ(doc->SymbolEntry(marker).nFlags & CArdoSymbol::kCornerScales, CArdoSymbol::kCornerScales);
    EXPECT_EQ(Pane(kPanePrompt), "Marker absetzen und anschließend ausrichten");
    Click(ClientOf({4200, 10500}));
    EXPECT_EQ(LastSymbol()->m_flags & CArdoSymbol::kCornerScales, CArdoSymbol::kCornerScales);
}

TEST_F(SymbolToolTest, ZeroSizeEntryIsNotKeptByAClickUnlessItKeepsTheDefaultSize) {
    const int flat = AddLibrarySymbol(1, 0, 800);
    Command(kTableCommand);
    Click(ClientOf({4200, 10500}));
    EXPECT_EQ(ObjectCount(), 0u);
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);

    {
        SymbolInfo entry = doc->SymbolEntry(flat);
        entry.nFlags = CArdoSymbol::kDefaultSize;
        doc->SetSymbolEntry(flat, entry);
    }
    Command(kTableCommand);
    Click(ClientOf({4200, 10500}));
    EXPECT_EQ(ObjectCount(), 1u);
}

TEST_F(SymbolToolTest, CurrentSymbolOutsideTheTableDropsNothing) {
    AddLibrarySymbol(1, 1000, 800);
    Command(kTableCommand);
    for (int bad : {1, 511, 4000, -7}) {
        doc->SetCurrentSymbol(bad);
        Click(ClientOf({4200, 10500}));
        EXPECT_EQ(ObjectCount(), 0u) << bad;
        tools.State().currentTool = TOOL_SYMBOL;
    }
    doc->SetCurrentSymbol(0);
    {
        SymbolInfo entry = doc->SymbolEntry(0);
        entry.nClass = kDeletedSymbolClass;
        doc->SetSymbolEntry(0, entry);
    }
    Click(ClientOf({4200, 10500}));
    EXPECT_EQ(ObjectCount(), 0u);
}

TEST_F(SymbolToolTest, ActivatingAViewWithoutChosenSymbolEndsTheSymbolTool) {
    AddLibrarySymbol(28, 1000, 800);
    AddLibrarySymbol(28, 500, 800);
    viewtest::FakeViewHost otherHost;
    CArdoView other(*doc, otherHost);
    other.SetToolSink(&tools);
    other.OnInitialUpdate();

    Command(kLivingCommand);  // the palette is open, nothing picked yet
    ASSERT_EQ(CurrentTool(), TOOL_SYMBOL);
    view->OnActivateView(false);
    other.OnActivateView(true);
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);

    // A picked symbol keeps the tool.
    Command(kLivingCommand);
    doc->SetCurrentSymbol(1);
    other.OnActivateView(false);
    view->OnActivateView(true);
    EXPECT_EQ(CurrentTool(), TOOL_SYMBOL);
}

}  // namespace
}  // namespace tooltest
