// The edit commands in the real document window: copy and paste through the system
// clipboard, refused clipboard bytes, delete, the drawing order, and the pop-up menu.
#include "AppEditTestSupport.h"

#include "platform/qt/QtClipboard.h"
#include "view/ViewCommands.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>

using namespace appedit;

namespace {

class EditCommandsTest : public WindowFixture {
protected:
    void SetUp() override {
        WindowFixture::SetUp();
        QGuiApplication::clipboard()->clear();
        AppServices().clipboard = &clipboard;
    }
    QtClipboard clipboard;
};

TEST_F(EditCommandsTest, CopyAndPasteGoThroughTheSystemClipboard) {
    AddRect(QRect(QPoint(100, 100), QPoint(200, 180)));
    EXPECT_FALSE(Enabled(cmd::EditCopy));
    EXPECT_FALSE(Enabled(cmd::EditPaste));
    Click(QPoint(150, 140));
    Command(cmd::EditCopy);

    const QMimeData* data = QGuiApplication::clipboard()->mimeData();
    ASSERT_NE(data, nullptr);
    EXPECT_TRUE(data->hasFormat(QStringLiteral("application/x-kovel-format")));
    EXPECT_FALSE(data->data(QStringLiteral("application/x-kovel-format")).isEmpty());
    EXPECT_TRUE(Enabled(cmd::EditPaste));

    // Into a second document (as another instance would see it): the copy lands there,
    // selected, and that document is modified.
    auto other = std::make_shared<CArdoDoc>();
    other->OnNewDocument();
    std::unique_ptr<ViewWindow> second(static_cast<ViewWindow*>(CreateViewWindow(other, nullptr)));
    second->resize(400, 400);
    second->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(second.get()));
    window->SetActive(false);
    second->SetActive(true);
    ASSERT_TRUE(second->OnCommand(cmd::EditPaste));
    ASSERT_EQ(other->Objects().size(), 1u);
    EXPECT_TRUE(dynamic_cast<CArdoRect*>(other->Objects().front().get()));
    EXPECT_EQ(second->View().Selection().size(), 1u);
    EXPECT_TRUE(other->IsModified());
    second->SetActive(false);
    second.reset();
    window->SetActive(true);

    // Cut takes it off the first document and keeps it on the clipboard.
    Command(cmd::EditCut);
    EXPECT_EQ(Count(), 0u);
    Command(cmd::EditPaste);
    EXPECT_EQ(Count(), 1u);
}

TEST_F(EditCommandsTest, ForeignBytesUnderTheProgramsTypeAreRefusedWithoutChange) {
    AddRect(QRect(QPoint(100, 100), QPoint(200, 180)));
    doc->SetModifiedFlag(false);
    for (const QByteArray& junk : {QByteArray("\xff\xff\xff\xff\xff\xff", 6), QByteArray("\x02\x00\xff\xff\x00\x00", 6),
                                   QByteArray(1, '\x01'), QByteArray()}) {
        auto* data = new QMimeData;
        data->setData(QStringLiteral("application/x-kovel-format"), junk);
        QGuiApplication::clipboard()->setMimeData(data);
        Messages().Clear();
        ASSERT_TRUE(Enabled(cmd::EditPaste));
        Command(cmd::EditPaste);
        EXPECT_EQ(Count(), 1u);
        EXPECT_FALSE(doc->IsModified());
        ASSERT_NE(Messages().LastCall(), nullptr) << junk.toHex().toStdString();
        EXPECT_EQ(Messages().LastCall()->text, "Unerwartetes Dateiformat.");
    }
    // Text from another program is no object list: pasting is not offered.
    QGuiApplication::clipboard()->setText(QStringLiteral("Tisch"));
    EXPECT_FALSE(Enabled(cmd::EditPaste));
}

TEST_F(EditCommandsTest, DeleteRemovesTheSelection) {
    AddRect(QRect(QPoint(100, 100), QPoint(200, 180)));
    CArdoRect* keep = AddRect(QRect(QPoint(300, 300), QPoint(360, 360)));
    Click(QPoint(150, 140));
    Command(cmd::EditDelete);
    ASSERT_EQ(Count(), 1u);
    EXPECT_EQ(doc->Objects().front().get(), keep);
    EXPECT_TRUE(View().Selection().empty());
    EXPECT_FALSE(Enabled(cmd::EditDelete));
}

TEST_F(EditCommandsTest, ZOrderCommandsReorderTheDrawingList) {
    CArdoRect* a = AddRect(QRect(QPoint(100, 100), QPoint(200, 180)));
    CArdoRect* b = AddRect(QRect(QPoint(120, 120), QPoint(220, 200)));
    CArdoRect* c = AddRect(QRect(QPoint(400, 400), QPoint(450, 450)));
    auto order = [&] {
        std::vector<CArdoObj*> v;
        for (const auto& o : doc->Objects()) v.push_back(o.get());
        return v;
    };
    EXPECT_FALSE(Enabled(cmd::ToFront));
    View().Select(a);
    Command(cmd::ToFront);
    EXPECT_EQ(order(), (std::vector<CArdoObj*>{b, c, a}));
    Command(cmd::BackOne);
    EXPECT_EQ(order(), (std::vector<CArdoObj*>{b, a, c}));
    Command(cmd::ToBack);
    EXPECT_EQ(order(), (std::vector<CArdoObj*>{a, b, c}));
    Command(cmd::ForwardOne);
    EXPECT_EQ(order(), (std::vector<CArdoObj*>{b, a, c}));
    EXPECT_TRUE(doc->IsModified());
    View().Select(c, true);
    EXPECT_FALSE(Enabled(cmd::ToFront));  // only one object at a time
}

TEST_F(EditCommandsTest, RightButtonShowsTheContextMenuWithStatesAndRunsItsItems) {
    AddRect(QRect(QPoint(100, 100), QPoint(200, 180)));
    RightClick(QPoint(300, 300));
    QMenu* menu = window->OpenContextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_TRUE(menu->isVisible());
    QStringList texts;
    for (QAction* a : menu->actions()) texts << a->text();
    EXPECT_EQ(texts, (QStringList{"&Auswahl-Modus", "Ausschneiden", "&Kopieren", "&Einfügen", "Zoomen", "Vollbild",
                                  "Fangraster...", "Eigenschaften...", "", "&Rückgängig", "&Wiederholen"}));
    auto action = [&](int id) -> QAction* {
        for (QAction* a : menu->actions())
            if (a->data().toInt() == id) return a;
        return nullptr;
    };
    EXPECT_TRUE(action(cmd::SelectMode)->isChecked());
    EXPECT_FALSE(action(cmd::EditCopy)->isEnabled());
    EXPECT_FALSE(action(cmd::Properties)->isEnabled());
    EXPECT_TRUE(action(cmd::Zoom)->isEnabled());
    // A document command this window does not answer stays greyed out without the frame.
    EXPECT_FALSE(action(cmd::SnapSetup)->isEnabled());
    menu->close();
    QCoreApplication::processEvents();

    // With a selection the menu offers copying, and choosing an item runs its command.
    Click(QPoint(150, 140));
    menu = window->ShowContextMenu(CPoint(-1, -1));
    ASSERT_NE(menu, nullptr);
    const QPoint origin = Port()->mapToGlobal(QPoint(0, 0));
    EXPECT_EQ(menu->pos(), origin + QPoint(5, 5));
    ASSERT_TRUE(action(cmd::EditCopy)->isEnabled());
    action(cmd::EditCopy)->trigger();
    menu->close();
    EXPECT_TRUE(QGuiApplication::clipboard()->mimeData()->hasFormat(QStringLiteral("application/x-kovel-format")));
}

TEST_F(EditCommandsTest, TheKeyboardsContextKeyOpensTheMenuAtTheWindowsCorner) {
    QContextMenuEvent event(QContextMenuEvent::Keyboard, QPoint(0, 0), Port()->mapToGlobal(QPoint(0, 0)));
    QCoreApplication::sendEvent(Port(), &event);
    QMenu* menu = window->OpenContextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->pos(), Port()->mapToGlobal(QPoint(5, 5)));
    menu->close();
    QCoreApplication::processEvents();

    // Without a window system that makes the event, the key itself opens it.
    Key(Qt::Key_Menu);
    ASSERT_NE(window->OpenContextMenu(), nullptr);
    window->OpenContextMenu()->close();
}

}  // namespace
