// The Qt services of editing: clipboard formats under the program's MIME types, the colour
// dialog and the window flash.
#include "AppEditTestSupport.h"

#include "platform/qt/QtAlerts.h"
#include "platform/qt/QtClipboard.h"
#include "platform/qt/QtColorDialog.h"

#include <QClipboard>
#include <QColorDialog>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMimeData>

using namespace appedit;

namespace {

TEST(QtClipboardTest, FormatNamesBecomeTheProgramsMimeTypes) {
    EXPECT_EQ(QtClipboard::MimeTypeFor("Kovel Format"), "application/x-kovel-format");
    EXPECT_EQ(QtClipboard::MimeTypeFor("Room List"), "application/x-kovel-room-list");
}

TEST(QtClipboardTest, BlocksRoundTripAndSetDataReplacesTheWholeContent) {
    QtClipboard clipboard;
    QGuiApplication::clipboard()->setText(QStringLiteral("vorher"));
    const std::vector<uint8_t> bytes{0, 1, 2, 0xFF, 0x80, 0};
    ASSERT_TRUE(clipboard.SetData("Kovel Format", bytes));
    EXPECT_TRUE(clipboard.HasFormat("Kovel Format"));
    EXPECT_EQ(clipboard.GetData("Kovel Format"), bytes);
    EXPECT_FALSE(QGuiApplication::clipboard()->mimeData()->hasText());
    EXPECT_FALSE(clipboard.HasFormat("Room List"));
    EXPECT_FALSE(clipboard.GetData("Room List").has_value());

    ASSERT_TRUE(clipboard.SetData("Room List", {}));
    EXPECT_FALSE(clipboard.HasFormat("Kovel Format"));
    ASSERT_TRUE(clipboard.GetData("Room List").has_value());
    EXPECT_TRUE(clipboard.GetData("Room List")->empty());
    QGuiApplication::clipboard()->clear();
    EXPECT_FALSE(clipboard.HasFormat("Room List"));
}

TEST(QtColorDialogTest, OkReturnsTheChosenColourAndCancelKeepsThePreset) {
    QtColorDialog dialog;
    COLORREF colour = RGB(10, 20, 30);
    QColor preset;
    bool ok = false;
    WithModalDialog(
        [&](QWidget* w) {
            auto* d = qobject_cast<QColorDialog*>(w);
            ASSERT_NE(d, nullptr);
            preset = d->currentColor();
            d->setCurrentColor(QColor(200, 100, 50));
            d->accept();
        },
        [&] { ok = dialog.ChooseColor(colour); });
    EXPECT_TRUE(ok);
    EXPECT_EQ(preset, QColor(10, 20, 30));
    EXPECT_EQ(colour, RGB(200, 100, 50));

    WithModalDialog([](QWidget* w) { qobject_cast<QDialog*>(w)->reject(); }, [&] { ok = dialog.ChooseColor(colour); });
    EXPECT_FALSE(ok);
    EXPECT_EQ(colour, RGB(200, 100, 50));
}

TEST(QtAlertsTest, FlashCoversTheActiveDocumentWindowForAMoment) {
    QMainWindow frame;
    auto* area = new QMdiArea(&frame);
    frame.setCentralWidget(area);
    auto* content = new QWidget;
    QMdiSubWindow* sub = area->addSubWindow(content);
    frame.resize(400, 300);
    frame.show();
    frame.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&frame));
    sub->resize(300, 200);
    area->setActiveSubWindow(sub);
    content->setFocus();

    QtAlerts alerts;
    alerts.MessageBeep(MB_ICONERROR);  // must not fail without a sound device
    alerts.FlashWindow();
    EXPECT_EQ(QtAlerts::LastFlashed(), sub);
    QWidget* strip = sub->findChild<QWidget*>(QStringLiteral("FlashStrip"));
    ASSERT_NE(strip, nullptr);
    EXPECT_TRUE(strip->isVisible());
    EXPECT_LT(strip->height(), sub->height());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !sub->findChild<QWidget*>(QStringLiteral("FlashStrip")); }, 2000));
}

}  // namespace
