// Command line, window placement, recent files and the ".cap" naming rule: the start-up
// decisions that need no window.
#include "AppTestSupport.h"

#include "app/CommandLine.h"
#include "app/RecentFileList.h"
#include "app/SamplePlans.h"
#include "app/WindowPlacement.h"
#include "app/frame/DocumentManager.h"

#include <gtest/gtest.h>

#include <climits>

TEST(CommandLine, FileAndOptionsInAnyOrder) {
    EXPECT_EQ(ParseCommandLine({}).shellCommand, CommandLineInfo::FileNew);
    EXPECT_TRUE(ParseCommandLine({}).showSplash);

    const CommandLineInfo open = ParseCommandLine({"plan.cpr"});
    EXPECT_EQ(open.shellCommand, CommandLineInfo::FileOpen);
    EXPECT_EQ(open.fileName, "plan.cpr");
    EXPECT_TRUE(open.showSplash);

    for (const auto& args : std::vector<std::vector<std::string>>{
             {"-p", "a.cpr"}, {"/p", "a.cpr"}, {"a.cpr", "-p"}, {"--nosplash", "/p", "a.cpr"}}) {
        const CommandLineInfo print = ParseCommandLine(args);
        EXPECT_EQ(print.shellCommand, CommandLineInfo::FilePrint);
        EXPECT_EQ(print.fileName, "a.cpr");
        EXPECT_FALSE(print.showSplash);  // printing never shows the picture
    }

    const CommandLineInfo quiet = ParseCommandLine({"--nosplash"});
    EXPECT_FALSE(quiet.showSplash);
    EXPECT_EQ(quiet.shellCommand, CommandLineInfo::FileNew);  // an option alone opens no file
    EXPECT_TRUE(quiet.fileName.empty());
}

TEST(CommandLine, PathsAreNotOptions) {
    // An absolute path starts with '/', yet is a file; unquoted blanks join into one name.
    EXPECT_EQ(ParseCommandLine({"/home/anna/plan.cpr"}).fileName, "/home/anna/plan.cpr");
    EXPECT_EQ(ParseCommandLine({"/home/anna/Mein", "Plan.cpr"}).fileName, "/home/anna/Mein Plan.cpr");
    EXPECT_EQ(ParseCommandLine({"--", "-p"}).fileName, "-p");
    const CommandLineInfo unknown = ParseCommandLine({"-x", "plan.cpr"});
    EXPECT_EQ(unknown.fileName, "plan.cpr");
    EXPECT_EQ(unknown.unknownOptions, std::vector<std::string>{"-x"});
}

TEST(WindowPlacement, DefaultsCoverTheMiddleEightyPercent) {
    ShellTestEnvironment env;
    const WindowPlacement p = StartPlacement(*env.settings, 1280, 1024);
    EXPECT_EQ(p.showCmd, 5);
    EXPECT_EQ(p.minX, 128);
    EXPECT_EQ(p.minY, 102);
    EXPECT_EQ(p.left, 128);
    EXPECT_EQ(p.top, 102);
    EXPECT_EQ(p.right, 1152);
    EXPECT_EQ(p.bottom, 922);
    EXPECT_FALSE(ReadStoredPlacement(*env.settings, 1280, 1024).has_value());
}

TEST(WindowPlacement, StoredPlacementRoundTripsWithMaximisedPositionAtOrigin) {
    ShellTestEnvironment env;
    WindowPlacement stored;
    stored.flags = 2;
    stored.showCmd = 3;
    stored.minX = -32000;
    stored.minY = -32000;
    stored.maxX = 1500;
    stored.maxY = 40;
    stored.left = 10;
    stored.top = 20;
    stored.right = 810;
    stored.bottom = 620;
    WritePlacement(*env.settings, stored);
    auto later = env.ReopenSettings();
    EXPECT_EQ(later->GetProfileInt("UserSettings", "OutlineSaved", 0), 1);
    EXPECT_EQ(later->GetProfileInt("UserSettings", "OutlineFlags", -1), 0);  // flags are stored as 0

    const WindowPlacement start = StartPlacement(*later, 1280, 1024);
    EXPECT_EQ(start.maxX, 0);
    EXPECT_EQ(start.maxY, 0);
    EXPECT_EQ(start.showCmd, 3);
    EXPECT_EQ(start.minX, -32000);
    EXPECT_EQ(std::make_tuple(start.left, start.top, start.right, start.bottom), std::make_tuple(10, 20, 810, 620));
    EXPECT_TRUE(StartsMaximized(start));
}

TEST(WindowPlacement, StrangeStoredValuesStillGiveAUsableWindow) {
    const QList<QRect> screens = {QRect(0, 0, 1280, 1000), QRect(1280, 0, 1024, 768)};
    const QRect fallback(128, 100, 1024, 800);
    auto rect = [&](int l, int t, int r, int b) {
        WindowPlacement p;
        p.left = l, p.top = t, p.right = r, p.bottom = b;
        return UsableNormalRect(p, screens);
    };
    EXPECT_EQ(rect(100, 100, 900, 700), QRect(100, 100, 800, 600));   // sane: kept
    EXPECT_EQ(rect(1400, 50, 2000, 600), QRect(1400, 50, 600, 550));  // on the second screen
    EXPECT_EQ(rect(900, 700, 100, 100), fallback);                    // negative size
    EXPECT_EQ(rect(0, 0, 10, 10), fallback);                          // too small to use
    EXPECT_EQ(rect(5000, 5000, 5800, 5600), fallback);                // off every screen
    EXPECT_EQ(rect(-3000, 100, -2200, 700), fallback);
    EXPECT_EQ(rect(INT_MIN, INT_MIN, INT_MAX, INT_MAX), fallback);   // title strip off screen
    EXPECT_EQ(rect(0, -5000, 800, 600), fallback);                   // title strip above the screen
    EXPECT_EQ(rect(-100, 10, 5000, 4000), QRect(0, 0, 1280, 1000));  // oversized: shrunk to the screen
    EXPECT_EQ(rect(1000, 900, 1600, 1400).bottom(), 999);            // pulled up to fit

    WindowPlacement minimized;
    minimized.showCmd = 2;
    EXPECT_FALSE(StartsMaximized(minimized));
}

TEST(RecentFileList, KeepsFourNewestFirstWithoutDoubles) {
    ShellTestEnvironment env;
    RecentFileList list;
    for (const char* f : {"/a.cpr", "/b.cpr", "/c.cpr", "/d.cpr", "/e.cpr"}) list.Add(f);
    EXPECT_EQ(list.Files(), (std::vector<std::string>{"/e.cpr", "/d.cpr", "/c.cpr", "/b.cpr"}));
    list.Add("/c.cpr");
    EXPECT_EQ(list.Files(), (std::vector<std::string>{"/c.cpr", "/e.cpr", "/d.cpr", "/b.cpr"}));
    list.Save(*env.settings);

    RecentFileList again;
    again.Load(*env.ReopenSettings());
    EXPECT_EQ(again.Files(), list.Files());
    again.Remove(0);
    again.Remove(9);  // out of range: nothing
    again.Save(*env.settings);
    RecentFileList third;
    third.Load(*env.ReopenSettings());
    EXPECT_EQ(third.Files(), (std::vector<std::string>{"/e.cpr", "/d.cpr", "/b.cpr"}));
}

TEST(RecentFileList, MenuTextNumbersAndEscapes) {
    RecentFileList list;
    list.Add("/home/x/Haus & Garten.cpr");
    EXPECT_EQ(list.MenuText(0), "&1 /home/x/Haus && Garten.cpr");
    list.Add("/" + std::string(80, 'v') + "/Wohnung.cpr");
    const std::string text = list.MenuText(0);
    EXPECT_EQ(text.rfind("&1 /vvv", 0), 0u);
    EXPECT_NE(text.find("…/Wohnung.cpr"), std::string::npos);
    EXPECT_LT(text.size(), 80u);
    EXPECT_EQ(list.MenuText(5), "");
}

TEST(PlanNaming, CapExtensionIsDroppedFromTheDocumentName) {
    EXPECT_EQ(PathWithoutPlanExtension("/plans/PLAN.CAP"), "/plans/PLAN");
    EXPECT_EQ(PathWithoutPlanExtension("a.cap"), "a");  // five characters still count
    EXPECT_EQ(PathWithoutPlanExtension("a.b.cap"), "a.b");
    EXPECT_EQ(PathWithoutPlanExtension(".cap"), ".cap");
    EXPECT_EQ(PathWithoutPlanExtension("/plans/plan"), "/plans/plan");
    EXPECT_EQ(PathWithoutPlanExtension("/plans/plan.cpr"), "/plans/plan.cpr");
}

TEST(SamplePlans, FoundBesideTheProgramAndFirstStartRule) {
    ShellTestEnvironment env;
    EXPECT_EQ(FindSampleApartment(BuildFolder()), BuildFolder() + "/plans/apartment.cap");
    EXPECT_TRUE(IsFirstStart(*env.settings));
    env.settings->WriteProfileInt("UserSettings", "OutlineSaved", 1);
    EXPECT_FALSE(IsFirstStart(*env.settings));
}
