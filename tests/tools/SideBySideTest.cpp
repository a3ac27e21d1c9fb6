// Two documents open side by side, each with its own view: what one of them does must not
// reach the other through state kept outside them.
#include "tools/ToolTestSupport.h"

#include "commands/CommandIds.h"
#include "document/DocumentFormats.h"
#include "objects/ArdoText.h"
#include "plan/PlanImport.h"
#include "plan/PlanWriter.h"
#include "view/ViewEditCommands.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// One document with its own window, view, tools and services.
struct Window {
    Window() : view(doc, host, services) {
        view.SetToolSink(&tools);
        view.OnInitialUpdate();
        view.OnActivateView(true);
    }
    MemoryServices mem;
    Services services{&mem.settings, &mem.messages,  &mem.status,      &mem.cursors,
                      &mem.text,     &mem.clipboard, &mem.colorDialog, &mem.alerts};
    CToolFramework tools{services};
    CArdoDoc doc{services};
    viewtest::FakeViewHost host;
    CArdoView view;
};

class SideBySideTest : public ::testing::Test {
protected:
    void SetUp() override { ResetAppServices(); }
    void TearDown() override { ResetAppServices(); }
    Window left;
    Window right;
};

TEST_F(SideBySideTest, ShowingEmbeddedObjectsIsAnOptionOfOneView) {
    auto checked = [](const Window& w) { return w.view.OnUpdateCommand(cmd::ShowEmbedded).value().checked; };
    ASSERT_TRUE(checked(left));
    ASSERT_TRUE(left.view.OnCommand(cmd::ShowEmbedded));
    EXPECT_FALSE(checked(left));
    EXPECT_TRUE(checked(right));
    ASSERT_TRUE(right.view.OnCommand(cmd::ShowEmbedded));
    ASSERT_TRUE(left.view.OnCommand(cmd::ShowEmbedded));
    EXPECT_TRUE(checked(left));
    EXPECT_FALSE(checked(right));
}

TEST_F(SideBySideTest, LoadingAFileChangesTheInitialTextHeightOfThatDocumentOnly) {
    // A file whose label records carry another initial height than a new document's.
    CArdoDoc source;
    source.AddObject(std::make_unique<CArdoText>(CRect(0, 0, 10, 10)));
    source.SetInitialTextHeight(77);
    const std::vector<uint8_t> file = source.SaveToBytes();

    right.doc.AddObject(std::make_unique<CArdoText>(CRect(0, 0, 10, 10), right.doc.InitialTextHeight()));
    const std::vector<uint8_t> rightBefore = right.doc.SaveToBytes();
    left.doc.LoadFromBytes(file);
    EXPECT_EQ(left.doc.InitialTextHeight(), 77);
    EXPECT_EQ(left.doc.SaveToBytes(), file);
    EXPECT_EQ(right.doc.InitialTextHeight(), CArdoText::kDefaultInitialHeight);
    EXPECT_EQ(right.doc.SaveToBytes(), rightBefore);
}

TEST_F(SideBySideTest, APlanImportStartsFromItsOwnParameters) {
    // The left window imports a plan that turns the text switch on (33 parameters) ...
    PlanWriter full;
    full.SetPaper(297, 210);
    const PlanImportReport leftReport = [&] {
        PlanImportReport r;
        ImportPlanBytes(left.doc, full.Bytes(), &r);
        return r;
    }();
    ASSERT_EQ(leftReport.header, PlanHeaderStatus::valid);

    // ... the right one a plan that does not carry the switch: for it the switch is 0, so
    // the stream ends after its first text.
    PlanWriter short30;
    short30.header.parameterCount = 30;
    short30.Text("a");
    short30.Text("b");
    PlanImportReport rightReport;
    ImportPlanBytes(right.doc, short30.Bytes(), &rightReport);
    EXPECT_EQ(rightReport.end, PlanStreamEnd::textEnd);
    EXPECT_EQ(right.doc.Background().size(), 1u);
}

TEST_F(SideBySideTest, EachWindowHasItsOwnToolsAndToolState) {
    ASSERT_TRUE(left.view.OnCommand(cmd::ToolRect));
    EXPECT_EQ(left.tools.State().currentTool, TOOL_RECTANGLE);
    EXPECT_EQ(left.mem.status.PaneText(0), "Ersten Eckpunkt des Rechtecks anklicken");
    EXPECT_EQ(right.mem.status.PaneText(0), "");
    EXPECT_EQ(right.tools.State().currentTool, TOOL_SELECT);
    EXPECT_FALSE(right.view.OnUpdateCommand(cmd::ToolRect).value().checked);

    // A drag in the right window selects there and leaves the left tool and its press alone.
    left.view.OnLButtonDown(MK_LBUTTON, {100, 100});
    right.view.OnLButtonDown(MK_LBUTTON, {300, 300});
    right.view.OnLButtonUp(0, {300, 300});
    EXPECT_EQ(left.tools.State().downPoint, CPoint(100, 100));
    left.view.OnMouseMove(MK_LBUTTON, {200, 200});
    left.view.OnLButtonUp(0, {200, 200});
    EXPECT_EQ(left.doc.Objects().size(), 1u);
    EXPECT_TRUE(right.doc.Objects().empty());
    EXPECT_NE(left.tools.FindTool(TOOL_SELECT), right.tools.FindTool(TOOL_SELECT));
}

TEST_F(SideBySideTest, EachViewSpeaksThroughTheServicesItWasGiven) {
    left.doc.AddObject(std::make_unique<CArdoRect>(CRect(0, 200, 100, 100), SHAPE_RECTANGLE));
    ASSERT_TRUE(left.view.OnCommand(cmd::EditSelectAll));
    EXPECT_EQ(left.mem.status.PaneText(0), "Alle Objekte ausgewählt");
    EXPECT_EQ(right.mem.status.PaneText(0), "");
    EXPECT_EQ(DefaultMemoryServices().status.PaneText(0), "");

    ASSERT_TRUE(left.view.OnEditCopy());
    EXPECT_TRUE(left.mem.clipboard.HasFormat(kKovelClipboardFormat));
    EXPECT_FALSE(right.view.OnUpdateCommand(cmd::EditPaste).value().enabled);
    EXPECT_TRUE(left.view.OnUpdateCommand(cmd::EditPaste).value().enabled);

    // A document reports a file it cannot read through its own message boxes.
    left.mem.messages.Clear();  // the missing symbol library was reported to each
    right.mem.messages.Clear();
    EXPECT_FALSE(right.doc.OnOpenDocument("/nonexistent/plan.cpr", DocumentFormats()));
    EXPECT_EQ(right.mem.messages.Calls().size(), 1u);
    EXPECT_TRUE(left.mem.messages.Calls().empty());
    EXPECT_TRUE(DefaultMemoryServices().messages.Calls().empty());
}

}  // namespace
