// The command table and where its commands appear: one entry per id, names and keys that
// belong to one command each, help lines from the string table, layouts naming only
// commands of the table.
#include "commands/CommandIds.h"
#include "commands/CommandLayout.h"
#include "commands/CommandTable.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <tuple>
#include <utility>

namespace {

// Every command id the layouts name, with where it was found.
std::vector<std::pair<int, std::string>> LaidOutCommands() {
    std::vector<std::pair<int, std::string>> ids;
    for (const auto* bar : {&DocumentMenuBar(), &NoDocumentMenuBar()})
        for (const MenuPopup& popup : *bar)
            for (int id : popup.items) ids.emplace_back(id, popup.title);
    for (const BarDefinition& bar : BarDefinitions())
        for (int id : bar.buttons) ids.emplace_back(id, std::string("bar ") + bar.objectName);
    for (int id : ViewContextMenu()) ids.emplace_back(id, "view context menu");
    for (int id : BarsContextMenu()) ids.emplace_back(id, "bars context menu");
    return ids;
}

bool IsPlaceholder(int id) { return id == kSeparator || id == kRecentFilesPlaceholder || id == kWindowListPlaceholder; }

TEST(CommandTableTest, OneEntryPerIdAndNameFoundByLookup) {
    const auto& table = Commands();
    ASSERT_FALSE(table.empty());
    std::set<std::string> names;
    for (size_t i = 0; i < table.size(); ++i) {
        if (i > 0) {
            EXPECT_LT(table[i - 1].id, table[i].id) << table[i].name;
        }
        EXPECT_TRUE(names.insert(table[i].name).second) << table[i].name;
        EXPECT_EQ(FindCommand(table[i].id), &table[i]);
    }
    EXPECT_STREQ(FindCommand(cmd::ToolLine)->name, "ToolLine");
    EXPECT_STREQ(FindCommand(cmd::RecentFile1 + 1)->name, "RecentFile2");
    // Commands reachable only by their id have no entry; nor has anything else.
    for (int id : {0, cmd::PlaceTable, cmd::ToolBezier, cmd::SymbolAttributes, 40000})
        EXPECT_EQ(FindCommand(id), nullptr) << id;
}

TEST(CommandTableTest, NoKeySendsTwoCommands) {
    std::set<std::tuple<int, unsigned, unsigned>> seen;
    for (const Command& command : Commands())
        for (const CommandKey& key : command.keys)
            EXPECT_TRUE(seen.emplace(int(key.kind), key.key, key.modifiers).second) << command.name << " " << key.key;

    auto has = [](int id, CommandKey key) {
        for (const CommandKey& k : FindCommand(id)->keys)
            if (k == key) return true;
        return false;
    };
    using K = CommandKey;
    EXPECT_TRUE(has(cmd::ToFront, {K::character, '+', 0}));
    EXPECT_TRUE(has(cmd::ToBack, {K::character, '-', 0}));
    EXPECT_TRUE(has(cmd::ToBack, {K::character, '_', 0}));
    EXPECT_TRUE(has(cmd::ToBack, {K::virtualKey, VK_SUBTRACT, K::kControl}));
    EXPECT_TRUE(has(cmd::BackOne, {K::virtualKey, VK_SUBTRACT, K::kNone}));
    EXPECT_TRUE(has(cmd::SelectMode, {K::character, 's', 0}));
    EXPECT_TRUE(has(cmd::SelectMode, {K::character, 'S', 0}));
    EXPECT_TRUE(has(cmd::ToolEllipse, {K::character, 'e', 0}));
    EXPECT_TRUE(has(cmd::EditCut, {K::virtualKey, VK_DELETE, K::kShift}));
    EXPECT_TRUE(has(cmd::Properties, {K::virtualKey, VK_RETURN, K::kAlt}));
    EXPECT_TRUE(has(cmd::ScrollDown, {K::virtualKey, VK_DOWN, K::kNone}));
    // The key shown beside a menu item belongs to a command that has keys.
    for (const Command& command : Commands())
        if (*command.keyText) {
            EXPECT_FALSE(command.keys.empty()) << command.name;
        }
}

TEST(CommandTableTest, HelpLineAndTooltipAreTheTwoLinesOfTheString) {
    EXPECT_EQ(CommandHelpLine(cmd::MeasureLine), "Abstand zwischen zwei Punkten messen");
    EXPECT_EQ(CommandToolTip(cmd::MeasureLine), "Strecke");
    EXPECT_EQ(CommandHelpLine(cmd::ToggleFurnitureButton), "Toolbox 'Möbel' ein-/ausschalten");
    // A string of one line has no tooltip; an id without a string has neither.
    EXPECT_EQ(CommandHelpLine(cmd::StoreSelectionAsSymbol), "Selektion als Symbol ablegen");
    EXPECT_EQ(CommandToolTip(cmd::StoreSelectionAsSymbol), "");
    EXPECT_EQ(CommandHelpLine(1), "");
    EXPECT_EQ(CommandToolTip(1), "");
}

TEST(CommandTableTest, LayoutsNameOnlyCommandsOfTheTable) {
    for (const auto& [id, where] : LaidOutCommands()) {
        if (IsPlaceholder(id)) continue;
        const Command* command = FindCommand(id);
        ASSERT_NE(command, nullptr) << id << " in " << where;
        // Menus show a text; bars a picture with a tooltip.
        if (where.rfind("bar ", 0) == 0) {
            EXPECT_NE(command->icon, nullptr) << command->name << " in " << where;
            EXPECT_FALSE(CommandToolTip(id).empty()) << command->name << " in " << where;
        } else {
            EXPECT_STRNE(command->menuText, "") << command->name << " in " << where;
        }
    }
    // Both menu bars end with "&?" and start with "&Datei", which lists the recent files.
    for (const auto* bar : {&DocumentMenuBar(), &NoDocumentMenuBar()}) {
        EXPECT_STREQ(bar->front().title, "&Datei");
        EXPECT_STREQ(bar->back().title, "&?");
        const auto& items = bar->front().items;
        EXPECT_NE(std::find(items.begin(), items.end(), kRecentFilesPlaceholder), items.end());
    }
    std::set<int> barIds;
    for (const BarDefinition& bar : BarDefinitions())
        EXPECT_TRUE(barIds.insert(bar.controlId).second) << bar.objectName;
}

}  // namespace
