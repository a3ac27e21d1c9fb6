// Start-up as a whole: the first document, print mode, the splash picture and the About box.
#include "AppTestSupport.h"

#include "app/AppState.h"
#include "app/KovelApp.h"
#include "app/SplashWindow.h"
#include "app/frame/AboutBox.h"
#include "app/frame/DocumentManager.h"
#include "app/frame/MainFrame.h"
#include "document/ArdoDoc.h"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QTest>

#include <gtest/gtest.h>

namespace {
struct StartupFixture : ::testing::Test {
    ShellTestEnvironment env;
    ScriptedFileDialogs* dialogs = nullptr;
    std::unique_ptr<KovelApp> app;

    std::unique_ptr<KovelApp> MakeApp() {
        auto d = std::make_unique<ScriptedFileDialogs>();
        dialogs = d.get();
        return std::make_unique<KovelApp>(std::move(d));
    }
    void TearDown() override {
        SplashWindow::CloseSplash();
        if (app && app->Frame()) app->Frame()->Documents().CloseAllDocuments();
        ProcessEvents();
        app.reset();
        SetPrintMode(false);
    }
    std::vector<std::shared_ptr<CArdoDoc>> Docs() { return app->Frame()->Documents().Documents(); }
};
}  // namespace

TEST_F(StartupFixture, FirstStartOpensTheSampleFlatLaterStartsAnEmptySheet) {
    app = MakeApp();
    ASSERT_EQ(app->InitInstance({"--nosplash"}, BuildFolder()), KovelApp::StartResult::Run);
    EXPECT_EQ(ProgramFolder(), BuildFolder());
    ASSERT_EQ(Docs().size(), 1u);
    EXPECT_EQ(Docs()[0]->GetTitle(), "apartment");
    // The sample is a plan: its scale was asked once, and the document awaits saving.
    EXPECT_EQ(dialogs->scaleQuestions, 1);
    EXPECT_TRUE(Docs()[0]->IsModified());
    EXPECT_TRUE(app->Frame()->isVisible());
    ASSERT_TRUE(app->Frame()->close());  // stores the placement: no longer a first start
    ProcessEvents();

    app = MakeApp();
    ASSERT_EQ(app->InitInstance({"--nosplash"}, BuildFolder()), KovelApp::StartResult::Run);
    ASSERT_EQ(Docs().size(), 1u);
    EXPECT_EQ(Docs()[0]->GetTitle(), "Kovel1");
    EXPECT_TRUE(Docs()[0]->GetPathName().empty());
}

TEST_F(StartupFixture, FileOnTheCommandLineIsOpened) {
    CArdoDoc written;
    written.WriteDocumentFile(env.PathStd("Plan.cpr"));
    app = MakeApp();
    ASSERT_EQ(app->InitInstance({env.PathStd("Plan.cpr")}, BuildFolder()), KovelApp::StartResult::Run);
    EXPECT_TRUE(app->SplashAllowed());
    ASSERT_EQ(Docs().size(), 1u);
    EXPECT_EQ(Docs()[0]->GetTitle(), "Plan.cpr");

    // A name that cannot be opened leaves a usable frame without a document.
    TearDown();
    app = MakeApp();
    ASSERT_EQ(app->InitInstance({"--nosplash", env.PathStd("fehlt.cpr")}, BuildFolder()), KovelApp::StartResult::Run);
    EXPECT_TRUE(Docs().empty());
    EXPECT_FALSE(app->Frame()->ShowsDocumentMenu());
    EXPECT_FALSE(env.messages.shown.empty());
}

TEST_F(StartupFixture, PrintModeOpensClosesAndKeepsTheUsersSettings) {
    const std::string plan = BuildFolder() + "/plans/apartment.cap";
    app = MakeApp();
    EXPECT_EQ(app->InitInstance({"-p", plan}, BuildFolder()), KovelApp::StartResult::Exit);
    EXPECT_EQ(app->ExitCode(), 0);
    EXPECT_EQ(dialogs->scaleQuestions, 0);  // printing asks nothing
    EXPECT_TRUE(IsPrintMode());
    EXPECT_FALSE(app->SplashAllowed());
    EXPECT_EQ(SplashWindow::Current(), nullptr);
    EXPECT_FALSE(app->Frame()->isVisible());
    auto stored = env.ReopenSettings();
    EXPECT_EQ(stored->GetProfileInt("UserSettings", "OutlineSaved", 0), 0);
    EXPECT_EQ(stored->GetProfileString("General", "Bars", ""), "");

    TearDown();
    app = MakeApp();
    EXPECT_EQ(app->InitInstance({"/p"}, BuildFolder()), KovelApp::StartResult::Exit);
    EXPECT_NE(app->ExitCode(), 0);  // nothing to print
}

TEST_F(StartupFixture, StoredPlacementIsUsedWithStrangeValuesRepaired) {
    env.settings->WriteProfileInt("UserSettings", "OutlineSaved", 1);
    env.settings->WriteProfileInt("UserSettings", "OutlineNormLeft", 900);
    env.settings->WriteProfileInt("UserSettings", "OutlineNormRight", 100);  // negative width
    app = MakeApp();
    ASSERT_EQ(app->InitInstance({"--nosplash"}, BuildFolder()), KovelApp::StartResult::Run);
    MainFrame* frame = app->Frame();
    EXPECT_TRUE(frame->isVisible());
    EXPECT_GE(frame->width(), 200);
    EXPECT_GE(frame->height(), 150);
}

TEST_F(StartupFixture, SplashClosesOnTheFirstKeyAndSwallowsIt) {
    app = MakeApp();
    ASSERT_EQ(app->InitInstance({}, BuildFolder()), KovelApp::StartResult::Run);
    SplashWindow* splash = SplashWindow::Current();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->isVisible());

    QLineEdit edit;  // a widget that would show the key if it got through
    edit.show();
    QTest::keyClick(&edit, Qt::Key_A);
    EXPECT_EQ(SplashWindow::Current(), nullptr);
    EXPECT_EQ(edit.text(), "");
    QTest::keyClick(&edit, Qt::Key_B);  // later keys work normally
    EXPECT_EQ(edit.text(), "b");
}

TEST_F(StartupFixture, SplashClosesOnAMouseButtonAndAfterItsTime) {
    SplashWindow::ShowSplash(nullptr);
    SplashWindow* first = SplashWindow::Current();
    ASSERT_NE(first, nullptr);
    SplashWindow::ShowSplash(nullptr);  // only one at a time
    EXPECT_EQ(SplashWindow::Current(), first);
    QWidget target;
    target.show();
    QTest::mouseClick(&target, Qt::RightButton);
    EXPECT_EQ(SplashWindow::Current(), nullptr);

    SplashWindow::ShowSplash(nullptr);
    ASSERT_NE(SplashWindow::Current(), nullptr);
    EXPECT_TRUE(
        QTest::qWaitFor([] { return SplashWindow::Current() == nullptr; }, SplashWindow::kShowMilliseconds + 2000));
}

TEST(AboutBox, CaptionVersionLineAndIcon) {
    const std::unique_ptr<QDialog> box = CreateAboutBox(nullptr);
    EXPECT_EQ(box->windowTitle(), "About Kovel");
    auto* line = box->findChild<QLabel*>("VersionLine");
    ASSERT_TRUE(line);
    EXPECT_EQ(line->text(), "Kovel      Version 2.31");
    bool hasIcon = false;
    for (QLabel* label : box->findChildren<QLabel*>())
        if (!label->pixmap().isNull()) hasIcon = true;
    EXPECT_TRUE(hasIcon);
}
