// The command route: first claimer decides, unclaimed commands are disabled, and a disabled
// command never reaches its handler.
#include "app/frame/CommandRouter.h"

#include <gtest/gtest.h>

#include <map>
#include <string>

namespace {
class FakeTarget : public CommandTarget {
public:
    explicit FakeTarget(std::string name) : m_name(std::move(name)) {}
    bool OnCommand(int id) override {
        log += m_name + ":" + std::to_string(id) + " ";
        return true;
    }
    bool OnUpdateCommand(int id, CommandState& state) override {
        auto it = rules.find(id);
        if (it == rules.end()) return false;
        state = it->second;
        return true;
    }
    std::map<int, CommandState> rules;
    static inline std::string log;

private:
    std::string m_name;
};
}  // namespace

TEST(CommandRoute, ViewThenDocumentThenFrameThenApplication) {
    FakeTarget view("view"), doc("doc"), frame("frame"), app("app");
    view.rules[1] = {true, true};
    doc.rules[1] = {false, false};  // shadowed by the view
    doc.rules[2] = {true, false};
    frame.rules[3] = {false, false};
    app.rules[4] = {true, false};
    app.rules[3] = {true, true};  // shadowed by the frame
    bool withView = true;
    CommandRouter router([&] {
        std::vector<CommandTarget*> route;
        if (withView) route.push_back(&view);
        route.insert(route.end(), {&doc, &frame, &app});
        return route;
    });

    FakeTarget::log.clear();
    EXPECT_TRUE(router.Query(1).enabled);
    EXPECT_TRUE(router.Query(1).checked);
    EXPECT_TRUE(router.Execute(1));
    EXPECT_TRUE(router.Execute(2));
    EXPECT_FALSE(router.Query(3).enabled);
    EXPECT_FALSE(router.Execute(3));  // disabled by the frame: the application never sees it
    EXPECT_TRUE(router.Execute(4));
    EXPECT_EQ(FakeTarget::log, "view:1 doc:2 app:4 ");

    // Nobody claims 5: present in menus, but disabled and inert.
    EXPECT_FALSE(router.Query(5).enabled);
    EXPECT_FALSE(router.Execute(5));

    // Without a view the document's rule for 1 applies.
    withView = false;
    EXPECT_FALSE(router.Query(1).enabled);
}

TEST(CommandRoute, NullTargetsAreSkipped) {
    FakeTarget app("app");
    app.rules[7] = {true, false};
    CommandRouter router([&] { return std::vector<CommandTarget*>{nullptr, &app}; });
    EXPECT_TRUE(router.Query(7).enabled);
    FakeTarget::log.clear();
    EXPECT_TRUE(router.Execute(7));
    EXPECT_EQ(FakeTarget::log, "app:7 ");
}
