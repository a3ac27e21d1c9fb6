// The Qt services: settings round trips, message box mapping, cursors, status bar texts.
#include "platform/qt/QtServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

TEST(QtSettings, ValuesRoundTripThroughTheFile) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString file = dir.filePath("Kovel.conf");
    {
        QtSettingsStore store(file);
        store.WriteProfileInt("UserSettings", "GridColorBlue", 128);
        store.WriteProfileInt("Settings", "TextAngle", -45);
        store.WriteProfileString("Settings", "LastFile", "/home/anna/Küche, Bad.cpr");
        store.WriteProfileString("General", "Empty", "");
    }
    QtSettingsStore store(file);
    EXPECT_EQ(store.GetProfileInt("UserSettings", "GridColorBlue", 0), 128);
    EXPECT_EQ(store.GetProfileInt("Settings", "TextAngle", 0), -45);
    EXPECT_EQ(store.GetProfileString("Settings", "LastFile", ""), "/home/anna/Küche, Bad.cpr");
    EXPECT_EQ(store.GetProfileString("General", "Empty", "x"), "");
    EXPECT_EQ(store.GetProfileInt("UserSettings", "Grid", 1), 1);
    EXPECT_EQ(store.GetProfileString("UserSettings", "Missing", "dflt"), "dflt");
    // Text that is no whole number reads as the default.
    store.WriteProfileString("UserSettings", "Grid", "ja");
    EXPECT_EQ(store.GetProfileInt("UserSettings", "Grid", 7), 7);
    store.WriteProfileString("UserSettings", "Grid", " 12 ");
    EXPECT_EQ(store.GetProfileInt("UserSettings", "Grid", 7), 12);
    store.WriteProfileInt("UserSettings", "Grid", 0);
    EXPECT_EQ(store.GetProfileString("UserSettings", "Grid", ""), "0");
}

TEST(QtSettings, NamesMatchWithoutRegardToCase) {
    QTemporaryDir dir;
    const QString file = dir.filePath("Kovel.conf");
    QtSettingsStore store(file);
    store.WriteProfileInt("UserSettings", "OutlineSaved", 1);
    EXPECT_EQ(store.GetProfileInt("usersettings", "OUTLINESAVED", 0), 1);
    store.WriteProfileInt("USERSETTINGS", "outlinesaved", 2);
    EXPECT_EQ(store.GetProfileInt("UserSettings", "OutlineSaved", 0), 2);
    store.Sync();
    QFile f(file);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_EQ(text.count("OutlineSaved"), 1);
    EXPECT_FALSE(text.contains("outlinesaved"));
    EXPECT_FALSE(text.contains("USERSETTINGS"));
}

TEST(QtSettings, PerUserFileLivesUnderTheOrganisationFolder) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    {
        QtSettingsStore store;
        EXPECT_EQ(QDir::cleanPath(store.FileName()), QDir::cleanPath(dir.filePath("Velmarstad/Kovel.conf")));
        store.WriteProfileInt("UserSettings", "PrintRaster", 1);
    }
    EXPECT_TRUE(QFile::exists(dir.filePath("Velmarstad/Kovel.conf")));
    QtSettingsStore again;
    EXPECT_EQ(again.GetProfileInt("UserSettings", "PrintRaster", 0), 1);
}

TEST(QtMessageBoxMapping, ButtonsIconsAndAnswers) {
    EXPECT_EQ(MessageBoxButtons(MB_OK | MB_ICONERROR), QMessageBox::Ok);
    EXPECT_EQ(MessageBoxButtons(MB_OKCANCEL), QMessageBox::Ok | QMessageBox::Cancel);
    EXPECT_EQ(MessageBoxButtons(MB_YESNO | MB_ICONQUESTION), QMessageBox::Yes | QMessageBox::No);
    EXPECT_EQ(MessageBoxButtons(MB_YESNOCANCEL | MB_ICONEXCLAMATION),
              QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    EXPECT_EQ(MessageBoxDefaultButton(MB_YESNOCANCEL), QMessageBox::Yes);
    EXPECT_EQ(MessageBoxDefaultButton(MB_OKCANCEL), QMessageBox::Ok);

    EXPECT_EQ(MessageBoxIcon(MB_OK), QMessageBox::NoIcon);
    EXPECT_EQ(MessageBoxIcon(MB_ICONERROR), QMessageBox::Critical);
    EXPECT_EQ(MessageBoxIcon(MB_YESNO | MB_ICONQUESTION), QMessageBox::Question);
    EXPECT_EQ(MessageBoxIcon(MB_ICONEXCLAMATION), QMessageBox::Warning);
    EXPECT_EQ(MessageBoxIcon(MB_OKCANCEL | MB_ICONINFORMATION), QMessageBox::Information);

    EXPECT_EQ(MessageBoxAnswer(QMessageBox::Ok, MB_OKCANCEL), IDOK);
    EXPECT_EQ(MessageBoxAnswer(QMessageBox::Cancel, MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxAnswer(QMessageBox::Yes, MB_YESNOCANCEL), IDYES);
    EXPECT_EQ(MessageBoxAnswer(QMessageBox::No, MB_YESNOCANCEL), IDNO);
    // Closed without a button: the cancelling answer of the box.
    EXPECT_EQ(MessageBoxAnswer(QMessageBox::NoButton, MB_OK), IDOK);
    EXPECT_EQ(MessageBoxAnswer(QMessageBox::NoButton, MB_OKCANCEL), IDCANCEL);
    EXPECT_EQ(MessageBoxAnswer(QMessageBox::NoButton, MB_YESNO), IDNO);
    EXPECT_EQ(MessageBoxAnswer(QMessageBox::NoButton, MB_YESNOCANCEL | MB_ICONQUESTION), IDCANCEL);
}

TEST(QtCursorService, StandardIdsBecomeShapesOnTheTarget) {
    EXPECT_EQ(CursorShapeFor(IDC_CROSS), Qt::CrossCursor);
    EXPECT_EQ(CursorShapeFor(IDC_SIZENWSE), Qt::SizeFDiagCursor);
    EXPECT_EQ(CursorShapeFor(IDC_SIZENESW), Qt::SizeBDiagCursor);
    EXPECT_EQ(CursorShapeFor(IDC_SIZEWE), Qt::SizeHorCursor);
    EXPECT_EQ(CursorShapeFor(IDC_SIZENS), Qt::SizeVerCursor);
    EXPECT_EQ(CursorShapeFor(12345), Qt::ArrowCursor);

    QtCursors cursors;
    cursors.SetCursor(IDC_WAIT);  // no target yet: remembered
    QWidget view;
    cursors.SetTarget(&view);
    EXPECT_EQ(view.cursor().shape(), Qt::WaitCursor);
    cursors.SetCursor(IDC_SIZEALL);
    EXPECT_EQ(view.cursor().shape(), Qt::SizeAllCursor);
    cursors.SetCustomCursor(200, QCursor(Qt::PointingHandCursor));
    cursors.SetCursor(200);
    EXPECT_EQ(view.cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(cursors.CurrentCursorId(), 200);
}

TEST(QtStatusBarService, TextsReachTheReceiverAlsoWhenItConnectsLater) {
    QtStatusBar status;
    status.SetPaneText(kPanePrompt, "Bereit");
    status.SetPaneText(kPaneScale, "1:100");
    std::map<int, std::string> shown;
    status.SetCallback([&](int pane, const std::string& text) { shown[pane] = text; });
    EXPECT_EQ(shown[0], "Bereit");
    EXPECT_EQ(shown[2], "1:100");
    status.SetPaneText(kPaneZoom, "ZOOM");
    EXPECT_EQ(shown[3], "ZOOM");
    EXPECT_EQ(status.PaneText(kPaneZoom), "ZOOM");
    EXPECT_EQ(status.PaneText(kPanePosition), "");
}

TEST(QtServicesInstall, PointsAppServicesAtTheQtSet) {
    QTemporaryDir dir;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dir.path());
    QtServices& qt = QtServices::Install();
    EXPECT_EQ(AppServices().settings, &qt.settings);
    EXPECT_EQ(AppServices().messages, &qt.messages);
    EXPECT_EQ(AppServices().status, &qt.status);
    EXPECT_EQ(AppServices().cursors, &qt.cursors);
    EXPECT_EQ(AppServices().text, &qt.text);
    QtServices::Uninstall();
    EXPECT_NE(AppServices().settings, &qt.settings);
}

}  // namespace
