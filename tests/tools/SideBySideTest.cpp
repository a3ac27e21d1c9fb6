// Two documents open side by side, each with its own view: what one of them does must not
// reach the other through state kept outside them.
#include "tools/ToolTestSupport.h"

#include "view/ViewEditCommands.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

// One document with its own window and view.
struct Window {
    Window() : view(doc, host) { view.OnInitialUpdate(); }
    CArdoDoc doc;
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
    auto checked = [](const Window& w) { return w.view.OnUpdateCommand(EditCmd::ShowObjects).value().checked; };
    ASSERT_TRUE(checked(left));
    ASSERT_TRUE(left.view.OnCommand(EditCmd::ShowObjects));
    EXPECT_FALSE(checked(left));
    EXPECT_TRUE(checked(right));
    ASSERT_TRUE(right.view.OnCommand(EditCmd::ShowObjects));
    ASSERT_TRUE(left.view.OnCommand(EditCmd::ShowObjects));
    EXPECT_TRUE(checked(left));
    EXPECT_FALSE(checked(right));
}

}  // namespace
