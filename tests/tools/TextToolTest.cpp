// Entering a text, carrying it to its place, and the refusals of the text tool.
#include "ToolTestSupport.h"
#include "objects/ArdoText.h"
#include "tools/SymbolCommands.h"
#include "tools/TextTool.h"

namespace tooltest {
namespace {

// Answers the label dialog with a fixed text and angle, or cancels.
class ScriptedTextDialogs : public IObjectDialogs {
public:
    bool EditLineAndFill(LineFillValues&) override { return false; }
    bool EditText(TextDialogValues& v) override {
        ++calls;
        if (!ok) return false;
        v.strText = text;
        v.nAngle = angle;
        v.bFixedAngle = fixed;
        return true;
    }
    bool ok = true;
    std::string text = "Wohnzimmer";
    int angle = 0;
    int fixed = 0;
    int calls = 0;
};

class TextToolTest : public ToolFixture {
protected:
    void SetUp() override {
        ToolFixture::SetUp();
        SetObjectDialogs(&dialogs);
    }
    CArdoText* LastText() const { return LastAs<CArdoText>(); }
    ScriptedTextDialogs dialogs;
};

TEST_F(TextToolTest, CommandOpensTheDialogAtOnceAndThePressPlacesTheText) {
    Command(cmd::ToolText);
    EXPECT_EQ(dialogs.calls, 1);
    ASSERT_EQ(ObjectCount(), 1u);
    CArdoText* text = LastText();
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->m_text, "Wohnzimmer");
    EXPECT_EQ(Pane(kPanePrompt), "Linken unteren Eckpunkt des Textes anklicken");
    EXPECT_EQ(view->m_selection, std::vector<CArdoObj*>{text});
    EXPECT_TRUE(host.capture);
    EXPECT_TRUE(Checked(cmd::ToolText));

    // The text follows the pointer without a button held.
    view->OnMouseMove(0, CPoint(300, 300));
    const CPoint start = text->m_corners[0];
    view->OnMouseMove(0, CPoint(320, 310));
    EXPECT_EQ(text->m_corners[0], start + CSize(20 * 21, -10 * 21));

    Click({320, 310});
    EXPECT_EQ(CurrentTool(), TOOL_TEXT);
    EXPECT_EQ(Pane(kPanePrompt), "");
    EXPECT_EQ(ObjectCount(), 1u);
    EXPECT_EQ(text->m_corners[0], start + CSize(20 * 21, -10 * 21));

    // The next press asks for a further text at the point pressed.
    Press({500, 200});
    EXPECT_EQ(dialogs.calls, 2);
    EXPECT_EQ(ObjectCount(), 2u);
    EXPECT_EQ(LastText()->m_corners[0], LogicalOf({500, 200}));
    Release({500, 200});
    EXPECT_EQ(CurrentTool(), TOOL_TEXT);
}

TEST_F(TextToolTest, OutlineUprightOrTurnedByTheFixedAngle) {
    CArdoText text(CRect(0, 0, 0, 0));
    text.m_cx = 3000;
    text.m_cy = 400;
    text.m_bFixedAngle = 0;
    text.m_nAngle = 90;  // ignored while not fixed
    SetTextOutline(text, {1000, 2000});
    EXPECT_EQ(text.m_corners[1], CPoint(1000, 2400));
    EXPECT_EQ(text.m_corners[2], CPoint(4000, 2400));
    EXPECT_EQ(text.m_corners[3], CPoint(4000, 2000));

    text.m_bFixedAngle = 1;
    SetTextOutline(text, {1000, 2000});
    EXPECT_EQ(text.m_corners[0], CPoint(1000, 2000));
    EXPECT_EQ(text.m_corners[1], CPoint(1000 - 400, 2000));
    // cos 90 degrees is not quite 0 in single precision: truncation may take a unit off.
    EXPECT_NEAR(text.m_corners[2].x, 1000 - 400, 1);
    EXPECT_EQ(text.m_corners[2].y, 2000 + 3000);
    EXPECT_NEAR(text.m_corners[3].x, 1000, 1);
    EXPECT_EQ(text.m_corners[3].y, 2000 + 3000);

    text.m_nAngle = 30;
    SetTextOutline(text, {0, 0});
    // 3000 * cos 30 degrees = 2598.08, truncated.
    EXPECT_EQ(text.m_corners[3].x, 2598);
}

TEST_F(TextToolTest, FixedAngleTextIsCreatedTurned) {
    dialogs.fixed = 1;
    dialogs.angle = 90;
    Command(cmd::ToolText);
    CArdoText* text = LastText();
    ASSERT_NE(text, nullptr);
    const CPoint p = text->m_corners[0];
    EXPECT_EQ(text->m_corners[1], CPoint(p.x - text->m_cy, p.y));
}

TEST_F(TextToolTest, CancelOrEmptyTextCreatesNothing) {
    dialogs.ok = false;
    Command(cmd::ToolText);
    EXPECT_EQ(ObjectCount(), 0u);
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
    EXPECT_EQ(tools.State().selectMode, none);
    EXPECT_FALSE(host.capture);

    dialogs.ok = true;
    dialogs.text.clear();
    Command(cmd::ToolText);
    EXPECT_EQ(ObjectCount(), 0u);
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
    EXPECT_EQ(Pane(kPanePrompt), "");
}

TEST_F(TextToolTest, PressOffThePaperIsRefusedAndTheTextJumpsToTheMiddle) {
    Command(cmd::ToolText);
    CArdoText* text = LastText();
    ASSERT_NE(text, nullptr);
    const CSize size = text->m_position.Normalized().Size();
    // Past the paper's right edge (the window shows the whole sheet with a margin).
    const CPoint off = ClientOf({doc->Extent().cx + 2100, 10500});
    Press(off);
    EXPECT_EQ(services().alerts.Flashes(), 1);
    EXPECT_EQ(services().alerts.Beeps(), std::vector<unsigned>{MB_ICONERROR});
    EXPECT_EQ(Pane(kPanePrompt), "Text nicht außerhalb des Papierbereichs ablegen");
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
    EXPECT_EQ(text->m_corners[0], LogicalOf({500, 350}));
    EXPECT_EQ(text->m_position.Normalized().Size(), size);  // moved, not turned
    EXPECT_EQ(view->m_selection, std::vector<CArdoObj*>{text});
    Release(off);
    EXPECT_EQ(ObjectCount(), 1u);
}

TEST_F(TextToolTest, EscWhileCarryingLeavesTheTextAndEndsTheTool) {
    Command(cmd::ToolText);
    ASSERT_EQ(ObjectCount(), 1u);
    view->OnCancel();
    EXPECT_EQ(CurrentTool(), TOOL_SELECT);
    EXPECT_EQ(ObjectCount(), 1u);
    auto* tool = static_cast<CTextTool*>(tools.FindTool(TOOL_TEXT));
    EXPECT_EQ(tool->currentObject, nullptr);
}

}  // namespace
}  // namespace tooltest
