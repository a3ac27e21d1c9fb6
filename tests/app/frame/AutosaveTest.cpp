// Autosave in the program: the interval set in "Optionen..." is kept and checked, a
// modified document is written, a clean close removes its snapshot, and after a run that
// ended without cleaning up the next start offers the documents back, modified and under
// their old names.
#include "AppTestSupport.h"

#include "../support/ModalDialogDriver.h"
#include "app/KovelApp.h"
#include "app/SplashWindow.h"
#include "app/dialogs/OptionsDialog.h"
#include "app/dialogs/RecoveryDialog.h"
#include "app/frame/AutosaveController.h"
#include "app/frame/DocumentManager.h"
#include "app/frame/MainFrame.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "objects/ArdoRect.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

ino_t FileInode(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 ? st.st_ino : 0;
}

struct AutosaveFixture : ::testing::Test {
    ShellTestEnvironment env;
    std::unique_ptr<KovelApp> app;
    std::string folder = env.PathStd("autosave");

    // A program start with the autosave folder of the test; drive handles the recovery
    // dialog when one appears.
    void Start(const std::function<void(QDialog&)>& drive = {}) {
        env.settings->WriteProfileInt("UserSettings", "OutlineSaved", 1);  // not a first start: an empty sheet
        app = std::make_unique<KovelApp>(std::make_unique<ScriptedFileDialogs>());
        app->SetAutosaveFolder(folder);
        auto run = [&] { ASSERT_EQ(app->InitInstance({"--nosplash"}, BuildFolder()), KovelApp::StartResult::Run); };
        if (drive)
            WithModalDialog(drive, run);
        else
            run();
    }
    // The program ends without cleaning up: nothing is closed, the lock goes.
    void Crash() {
        app.reset();
        ProcessEvents();
    }
    void TearDown() override {
        SplashWindow::CloseSplash();
        if (app && app->Frame()) app->Frame()->Documents().CloseAllDocuments();
        ProcessEvents();
        app.reset();
    }
    DocumentManager& Documents() { return app->Frame()->Documents(); }
    AutosaveController& Autosave() { return *app->Autosave(); }
    // The first document, with shapes drawn on it.
    std::shared_ptr<CArdoDoc> Draw(int shapes) {
        auto doc = Documents().Documents().at(0);
        for (int i = 0; i < shapes; ++i)
            doc->AddObject(std::make_unique<CArdoRect>(CRect(500 * i, 900, 500 * i + 400, 100), SHAPE_RECTANGLE));
        doc->SetModifiedFlag(true);
        return doc;
    }
    size_t SnapshotsOnDisk() {
        size_t n = 0;
        std::error_code ec;
        for (auto& item : fs::recursive_directory_iterator(folder, ec))
            if (item.path().extension() == ".autosave") ++n;
        return n;
    }
};

TEST(AutosaveIntervalTest, OnlyOffOrFiveSecondsToADayAreAccepted) {
    EXPECT_EQ(ParseAutosaveInterval("0"), 0);
    EXPECT_EQ(ParseAutosaveInterval("5"), 5);
    EXPECT_EQ(ParseAutosaveInterval(" 120 "), 120);
    EXPECT_EQ(ParseAutosaveInterval("86400"), 86400);
    for (const char* bad : {"", " ", "4", "-5", "86401", "abc", "12x", "1e3", "3.5", "99999999999999"})
        EXPECT_EQ(ParseAutosaveInterval(bad), std::nullopt) << bad;
}

TEST_F(AutosaveFixture, WhatIsTypedAtOnceLandsInTheIntervalField) {
    Start();
    // Typed where the focus is on opening, without a click: it replaces the shown value.
    WithModalDialog(
        [](QDialog& dialog) {
            QWidget* focus = dialog.focusWidget();
            ASSERT_NE(focus, nullptr);
            EXPECT_EQ(focus->objectName(), QStringLiteral("ctl%1").arg(OptionsDialog::kIntervalEdit));
            QTest::keyClicks(focus, "30");
            dialog.accept();
        },
        [&] { app->Frame()->RunCommand(cmd::FileOptions); });
    EXPECT_EQ(Autosave().IntervalSeconds(), 30);
}

TEST_F(AutosaveFixture, OptionsKeepTheTypedIntervalAndRefuseBadNumbers) {
    Start();
    EXPECT_EQ(Autosave().IntervalSeconds(), AutosaveController::kDefaultIntervalSeconds);
    EXPECT_TRUE(Autosave().TimerActive());
    auto typeAndOk = [](const QString& text) {
        return [text](QDialog& dialog) {
            auto* edit = dialog.findChild<QLineEdit*>(QStringLiteral("ctl%1").arg(OptionsDialog::kIntervalEdit));
            ASSERT_NE(edit, nullptr);
            edit->selectAll();
            QTest::keyClicks(edit, text);
            dialog.accept();
        };
    };
    WithModalDialog(typeAndOk("5"), [&] { app->Frame()->RunCommand(cmd::FileOptions); });
    EXPECT_EQ(Autosave().IntervalSeconds(), 5);
    EXPECT_EQ(env.ReopenSettings()->GetProfileInt("Autosave", "IntervalSeconds", -1), 5);

    // Reopened, it shows the value; a bad one is refused with a message and changes nothing.
    QString shown;
    bool stillOpen = false;
    WithModalDialog(
        [&](QDialog& dialog) {
            shown = dialog.findChild<QLineEdit*>(QStringLiteral("ctl%1").arg(OptionsDialog::kIntervalEdit))->text();
            typeAndOk("3")(dialog);
            stillOpen = dialog.isVisible();
        },
        [&] { app->Frame()->RunCommand(cmd::FileOptions); });
    EXPECT_EQ(shown, "5");
    EXPECT_TRUE(stillOpen);
    ASSERT_FALSE(env.messages.shown.empty());
    EXPECT_NE(env.messages.shown.back().text.find("5 bis 86400"), std::string::npos);
    EXPECT_EQ(Autosave().IntervalSeconds(), 5);

    WithModalDialog(typeAndOk("0"), [&] { app->Frame()->RunCommand(cmd::FileOptions); });
    EXPECT_FALSE(Autosave().TimerActive());
    // A hand-edited settings file with nonsense counts as the default.
    env.settings->WriteProfileInt("Autosave", "IntervalSeconds", -7);
    EXPECT_EQ(Autosave().IntervalSeconds(), AutosaveController::kDefaultIntervalSeconds);
}

TEST_F(AutosaveFixture, ModifiedDocumentsAreWrittenCleanCloseRemovesThem) {
    Start();
    auto doc = Draw(2);
    Autosave().AutosaveNow();
    Autosave().WaitForWrites();
    const std::string snapshot = Autosave().SnapshotOf(*doc);
    ASSERT_FALSE(snapshot.empty());
    EXPECT_TRUE(fs::exists(snapshot));
    EXPECT_EQ(SnapshotsOnDisk(), 1u);
    // Unchanged, it is not written again (each write is a new file renamed into place).
    const auto inode = [&] { return FileInode(snapshot); };
    const auto first = inode();
    Autosave().AutosaveNow();
    Autosave().WaitForWrites();
    EXPECT_EQ(inode(), first);
    Draw(1);
    Autosave().AutosaveNow();
    Autosave().WaitForWrites();
    EXPECT_NE(inode(), first);

    // Saved: the snapshot would only offer old work again.
    const std::string path = env.PathStd("Plan.cpr");
    doc->WriteDocumentFile(path);
    doc->SetPathName(path);
    ASSERT_TRUE(Documents().DoFileSave(*doc));
    Autosave().WaitForWrites();
    EXPECT_FALSE(fs::exists(snapshot));

    // Changed again, then closed with its changes discarded: the snapshot goes with it.
    Draw(1);
    Autosave().AutosaveNow();
    Autosave().WaitForWrites();
    ASSERT_TRUE(fs::exists(snapshot));
    env.messages.answers = {IDNO};
    ASSERT_TRUE(Documents().CloseDocument(*doc));
    ProcessEvents();
    Autosave().WaitForWrites();
    EXPECT_FALSE(fs::exists(snapshot));

    // The program ends cleanly: its folder goes too.
    Documents().NewDocument();
    Draw(1);
    Autosave().AutosaveNow();
    Autosave().WaitForWrites();
    EXPECT_EQ(SnapshotsOnDisk(), 1u);
    env.messages.answers = {IDNO};
    ASSERT_TRUE(app->Frame()->close());
    ProcessEvents();
    app.reset();
    EXPECT_TRUE(fs::is_empty(folder));
}

TEST_F(AutosaveFixture, AfterACrashTheDocumentComesBackModifiedUnderItsName) {
    Start();
    const std::string path = env.PathStd("Wohnung.cpr");
    auto doc = Documents().Documents().at(0);
    doc->WriteDocumentFile(path);  // the user's file, without the shapes drawn since
    Draw(3);
    doc->SetPathName(path);
    doc->SetTitle("Wohnung.cpr");
    const auto bytes = doc->SaveToBytes();
    Autosave().AutosaveNow();
    Autosave().WaitForWrites();
    doc.reset();
    Crash();

    QStringList names;
    Start([&](QDialog& dialog) {
        auto* recovery = qobject_cast<RecoveryDialog*>(&dialog);
        ASSERT_NE(recovery, nullptr);
        for (QLabel* label : dialog.findChildren<QLabel*>()) names << label->text();
        recovery->RestoreButton(0)->click();
    });
    EXPECT_TRUE(names.join('\n').contains("Wohnung.cpr"));
    EXPECT_TRUE(names.join('\n').contains(QString::fromStdString(path)));
    // Only the recovered document: no empty sheet beside it.
    ASSERT_EQ(Documents().Documents().size(), 1u);
    auto back = Documents().Documents()[0];
    EXPECT_EQ(back->GetPathName(), path);
    EXPECT_EQ(back->GetTitle(), "Wohnung.cpr");
    EXPECT_TRUE(back->IsModified());
    EXPECT_EQ(back->Objects().size(), 3u);
    EXPECT_EQ(back->SaveToBytes(), bytes);
    // It is safe in this program's own folder; the old one is gone.
    EXPECT_EQ(SnapshotsOnDisk(), 1u);
    EXPECT_TRUE(fs::exists(Autosave().SnapshotOf(*back)));

    // "Speichern" writes it where the user had it.
    ASSERT_TRUE(Documents().DoFileSave(*back));
    CArdoDoc saved;
    saved.ReadDocumentFile(path);
    EXPECT_EQ(saved.Objects().size(), 3u);
}

TEST_F(AutosaveFixture, DiscardedAndDamagedSnapshotsAndOnesLeftForLater) {
    Start();
    Draw(1);
    Documents().NewDocument();
    auto second = Documents().Documents().at(1);
    second->AddObject(std::make_unique<CArdoRect>(CRect(0, 900, 400, 100), SHAPE_ELLIPSE));
    second->SetModifiedFlag(true);
    Autosave().AutosaveNow();
    Autosave().WaitForWrites();
    second.reset();
    Crash();
    ASSERT_EQ(SnapshotsOnDisk(), 2u);
    // A damaged file among them.
    std::string session;
    for (auto& item : fs::directory_iterator(folder)) session = item.path().string();
    { std::ofstream(session + "/broken.autosave") << "KOVEL-AUTOSAVE\nnonsense"; }

    // Nothing decided: all three are offered again; the damaged one cannot be restored.
    bool damagedRestorable = true;
    Start([&](QDialog& dialog) {
        auto* recovery = qobject_cast<RecoveryDialog*>(&dialog);
        ASSERT_NE(recovery, nullptr);
        ASSERT_NE(dialog.findChild<QPushButton*>("restore2"), nullptr);
        damagedRestorable = recovery->RestoreButton(2)->isEnabled();  // the recoverable ones come first
        EXPECT_TRUE(recovery->RestoreButton(0)->isEnabled());
        dialog.reject();
    });
    EXPECT_FALSE(damagedRestorable);
    EXPECT_EQ(SnapshotsOnDisk(), 3u);
    Crash();

    // Everything discarded: nothing is opened but the usual empty sheet, nothing is left.
    Start([&](QDialog& dialog) {
        auto* recovery = qobject_cast<RecoveryDialog*>(&dialog);
        ASSERT_NE(recovery, nullptr);
        for (size_t i = 0; i < 3; ++i) recovery->DiscardButton(i)->click();
        EXPECT_FALSE(dialog.isVisible());  // all decided: the dialog closed itself
    });
    EXPECT_EQ(SnapshotsOnDisk(), 0u);
    ASSERT_EQ(Documents().Documents().size(), 1u);
    EXPECT_FALSE(Documents().Documents()[0]->IsModified());
}

}  // namespace
