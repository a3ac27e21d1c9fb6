// The tool registry, the tool commands and the rule that no sequence of input leaves a
// captured mouse, a switched-off snap flag or a dangling object behind.
#include "ToolTestSupport.h"

#include "platform/StringTable.h"

#include <random>

namespace tooltest {
namespace {

using ToolFrameworkTest = ToolFixture;

TEST_F(ToolFrameworkTest, EveryToolIdHasItsOwnInstance) {
    for (int id = TOOL_SELECT; id <= TOOL_BEZIER; ++id) {
        CInputTool* tool = tools.FindTool(id);
        ASSERT_NE(tool, nullptr) << id;
        EXPECT_EQ(tool->ToolId(), id);
    }
    EXPECT_EQ(tools.FindTool(99), nullptr);
    EXPECT_NE(dynamic_cast<CMeasurePolygonTool*>(tools.FindTool(TOOL_DIMCHAIN)), nullptr);
    EXPECT_NE(dynamic_cast<CShapeTool*>(tools.FindTool(TOOL_DIMRECT)), nullptr);

    // An id without an instance drops the events.
    tools.State().currentTool = 99;
    Click({100, 100});
    view->OnChar('x', 1, 0);
    EXPECT_EQ(ObjectCount(), 0u);
}

TEST_F(ToolFrameworkTest, ToolCommandsSetTheToolThePromptAndTheCheckMark) {
    for (const ToolCommandInfo& info : ToolCommands()) {
        services().status.Clear();
        Command(info.command);
        EXPECT_EQ(CurrentTool(), info.tool);
        EXPECT_EQ(Pane(kPanePrompt), LoadString(info.prompt));  // none for 0
        for (const ToolCommandInfo& other : ToolCommands())
            EXPECT_EQ(Checked(other.command), other.tool == info.tool) << other.command;
    }
    view->m_zoomMode = true;
    Command(cmd::SelectMode);
    EXPECT_FALSE(view->m_zoomMode);
    EXPECT_EQ(Pane(kPanePrompt), "Objekte können ausgewählt werden");
}

TEST_F(ToolFrameworkTest, OnlyTheActiveViewForwardsEvents) {
    viewtest::FakeViewHost otherHost;
    CArdoView other(*doc, otherHost);
    other.SetToolSink(&tools);
    other.OnInitialUpdate();
    Command(cmd::ToolRect);
    other.OnLButtonDown(MK_LBUTTON, {100, 100});
    other.OnMouseMove(MK_LBUTTON, {200, 200});
    other.OnLButtonUp(0, {200, 200});
    EXPECT_EQ(ObjectCount(), 0u);
    EXPECT_FALSE(otherHost.capture);
}

TEST_F(ToolFrameworkTest, PolygonInputMovingToAnotherViewEndsInTheFirst) {
    viewtest::FakeViewHost otherHost;
    auto other = std::make_unique<CArdoView>(*doc, otherHost);
    other->SetToolSink(&tools);
    other->OnInitialUpdate();
    Command(cmd::ToolPolygon);
    Press({100, 100});
    MoveTo({200, 100});
    Press({200, 100});
    view->OnActivateView(false);
    other->OnActivateView(true);
    other->OnLButtonDown(MK_LBUTTON, {300, 300});
    EXPECT_FALSE(host.capture);
    EXPECT_TRUE(otherHost.capture);
    ASSERT_EQ(ObjectCount(), 2u);
    EXPECT_EQ(dynamic_cast<CArdoPoly&>(*doc->Objects()[0]).PointCount(), 2);
    // Closing the view in the middle of its input leaves nothing pointing at it.
    other.reset();
    view->OnActivateView(true);
    Click({600, 600});
    EXPECT_EQ(ObjectCount(), 2u);
}

// Random gestures, keys and commands: afterwards, and after Esc, nothing may be left over.
TEST_F(ToolFrameworkTest, RandomInputLeavesNoCaptureNoSnapOffAndNoDanglingObjects) {
    std::mt19937 random(20240611);
    const int commands[] = {cmd::SelectMode,    cmd::ToolLine,     cmd::ToolRect,     cmd::ToolRoundRect,
                            cmd::ToolEllipse,   cmd::ToolPolygon,  cmd::ToolPolyline, cmd::ToolBezier,
                            cmd::MeasureLine,   cmd::MeasureChain, cmd::MeasureRect,  cmd::MeasurePolygon,
                            cmd::EditDelete,    cmd::EditCopy,     cmd::EditPaste,    cmd::EditCut,
                            cmd::EditSelectAll, cmd::ToFront,      cmd::BackOne,      cmd::Cancel,
                            cmd::Zoom};
    const unsigned chars[] = {8, 9, 37, 60, 'a'};
    auto point = [&] { return CPoint(int(random() % 1100) - 50, int(random() % 800) - 50); };
    for (int round = 0; round < 40; ++round) {
        doc->SetSnap(int(random() % 2));
        const int snap = doc->Snap();
        for (int step = 0; step < 60; ++step) {
            const unsigned flags = (random() % 4 == 0 ? MK_SHIFT : 0) | (random() % 5 == 0 ? MK_CONTROL : 0);
            switch (random() % 8) {
            case 0: Press(point(), flags); break;
            case 1: Release(point(), flags); break;
            case 2:
            case 3: MoveTo(point(), flags); break;
            case 4: view->OnLButtonDblClk(flags | MK_LBUTTON, point()); break;
            case 5: view->OnChar(chars[random() % 5], 1, 0); break;
            default: view->OnCommand(commands[random() % std::size(commands)]); break;
            }
            for (CArdoObj* obj : view->m_selection) ASSERT_TRUE(IsInDocument(*doc, obj));
        }
        // End whatever is under way as a user would: release the button, then Esc.
        if (view->m_zoomDragging) Press({500, 300});
        Release(point());
        view->OnCommand(cmd::Cancel);
        EXPECT_FALSE(host.capture) << round;
        EXPECT_EQ(doc->Snap(), snap) << round;
        EXPECT_EQ(CurrentTool(), TOOL_SELECT);
        for (const auto& obj : doc->Objects()) {
            if (auto* poly = dynamic_cast<CArdoPoly*>(obj.get())) {
                EXPECT_GE(poly->PointCount(), 2);
            }
        }
        for (int id = TOOL_SELECT; id <= TOOL_BEZIER; ++id) EXPECT_FALSE(tools.FindTool(id)->HasInputUnderWay()) << id;
    }
}

}  // namespace
}  // namespace tooltest
