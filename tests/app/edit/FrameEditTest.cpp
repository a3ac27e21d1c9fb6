// Editing inside the real main frame: the menu and toolbox items of "Bearbeiten",
// "Hilfslinien", "Messen" and the standard toolbar through the command route, the keys of
// the view and the tools, keys in text fields and dialogs, and the routed pop-up menu.
#include "AppEditTestSupport.h"

#include "app/RecentFileList.h"
#include "app/frame/Accelerators.h"
#include "app/frame/DocumentManager.h"
#include "app/frame/FileDialogs.h"
#include "app/frame/MainFrame.h"
#include "commands/CommandIds.h"
#include "commands/CommandLayout.h"
#include "commands/CommandTable.h"
#include "platform/qt/QtClipboard.h"
#include "tools/ToolCommands.h"

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QToolBar>
#include <QVBoxLayout>

#include <set>

using namespace appedit;

namespace {

class NoFileDialogs : public IFileDialogs {
public:
    std::string AskOpenFileName(QWidget*) override { return {}; }
    std::string AskSaveFileName(QWidget*, const std::string&, bool) override { return {}; }
    void AskPlanScale(CArdoDoc&, QWidget*) override {}
};

class FrameEditTest : public EditTestBase {
protected:
    void SetUp() override {
        EditTestBase::SetUp();
        QGuiApplication::clipboard()->clear();
        AppServices().clipboard = &clipboard;
        frame = std::make_unique<MainFrame>(DefaultMemoryServices().settings, recent, dialogs);
        frame->resize(900, 700);
        doc = frame->Documents().NewDocument();
        ASSERT_TRUE(doc);
        doc->SetSnap(0);
        frame->show();
        frame->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(frame.get()));
        QMdiSubWindow* sub = frame->Documents().ActiveWindow();
        ASSERT_NE(sub, nullptr);
        sub->showMaximized();
        view = qobject_cast<ViewWindow*>(sub->widget());
        ASSERT_NE(view, nullptr);
        view->SetActive(true);
        view->setFocus();
        QCoreApplication::processEvents();
    }
    void TearDown() override {
        if (view) view->View().OnCancel();
        frame->Documents().CloseAllDocuments();
        frame.reset();
        EditTestBase::TearDown();
    }

    CommandState State(int id) { return frame->Router().Query(id); }
    void Key(Qt::Key key, Qt::KeyboardModifiers m = {}) { QTest::keyClick(view, key, m); }
    void Char(char c) { QTest::keyClick(view, c); }
    CArdoRect* AddRect(QRect client) {
        CRect r(client.left(), client.top(), client.right(), client.bottom());
        view->View().ClientToLogical(r);
        auto* obj = doc->AddObject(std::make_unique<CArdoRect>(r, SHAPE_RECTANGLE));
        return obj;
    }
    std::vector<int> MenuItems(const char* title) {
        for (const MenuPopup& popup : DocumentMenuBar())
            if (std::string(popup.title) == title) return popup.items;
        return {};
    }

    QtClipboard clipboard;
    RecentFileList recent;
    NoFileDialogs dialogs;
    std::unique_ptr<MainFrame> frame;
    std::shared_ptr<CArdoDoc> doc;
    ViewWindow* view = nullptr;
};

TEST_F(FrameEditTest, EditLinesAndMeasureItemsAreEnabledByTheirRules) {
    // Items that answer whatever the selection.
    const std::set<int> alwaysOn = {cmd::Zoom,          cmd::LineColor,    cmd::FillColor,    cmd::SelectMode,
                                    cmd::ShowEmbedded,  cmd::ToolLine,     cmd::ToolPolyline, cmd::ToolRect,
                                    cmd::ToolRoundRect, cmd::ToolEllipse,  cmd::ToolPolygon,  cmd::GridLines,
                                    cmd::GridSetup,     cmd::ScaleAndUnit, cmd::Origin,       cmd::SnapSetup,
                                    cmd::MeasureLine,   cmd::MeasureChain, cmd::MeasureRect,  cmd::MeasurePolygon};
    // Items that need a selection (one object for the drawing order), or content.
    const std::set<int> needSelection = {cmd::EditCut, cmd::EditCopy, cmd::EditDelete, cmd::Properties,
                                         cmd::ToFront, cmd::ToBack,   cmd::ForwardOne, cmd::BackOne};
    std::vector<int> ids;
    for (const char* title : {"&Bearbeiten", "H&ilfslinien", "M&essen"})
        for (int id : MenuItems(title))
            if (id) ids.push_back(id);
    for (int id : BarDefinitions()[0].buttons)
        if (id) ids.push_back(id);
    for (const BarDefinition& bar : BarDefinitions())
        if (bar.controlId == kLinesBoxId || bar.controlId == kMeasureBoxId)
            ids.insert(ids.end(), bar.buttons.begin(), bar.buttons.end());

    for (int id : ids)
        if (alwaysOn.count(id)) {
            EXPECT_TRUE(State(id).enabled) << id;
        }
    for (int id : needSelection) EXPECT_FALSE(State(id).enabled) << id;
    EXPECT_FALSE(State(cmd::EditSelectAll).enabled);  // nothing to select yet
    EXPECT_FALSE(State(cmd::EditPaste).enabled);      // nothing on the clipboard
    EXPECT_FALSE(State(cmd::FullView).enabled);       // not zoomed
    EXPECT_TRUE(State(cmd::SelectMode).checked);

    CArdoRect* rect = AddRect(QRect(QPoint(100, 100), QPoint(200, 180)));
    view->View().Select(rect);
    for (int id : needSelection) EXPECT_TRUE(State(id).enabled) << id;
    EXPECT_TRUE(State(cmd::EditSelectAll).enabled);

    // Each tool item chooses its tool and carries the check mark alone.
    for (int id : {cmd::ToolLine, cmd::ToolPolyline, cmd::ToolRect, cmd::ToolRoundRect, cmd::ToolEllipse,
                   cmd::ToolPolygon, cmd::MeasureLine, cmd::MeasureChain, cmd::MeasureRect, cmd::MeasurePolygon}) {
        frame->Action(id)->trigger();
        EXPECT_TRUE(State(id).checked) << id;
        EXPECT_TRUE(frame->Action(id)->isChecked()) << id;
        EXPECT_FALSE(State(cmd::SelectMode).checked) << id;
    }
    frame->Action(cmd::SelectMode)->trigger();
    EXPECT_TRUE(frame->Action(cmd::SelectMode)->isChecked());
    // Properties only with the selection tool.
    frame->Action(cmd::ToolRect)->trigger();
    EXPECT_FALSE(State(cmd::Properties).enabled);
}

TEST_F(FrameEditTest, EveryKeyOfTheTableReachesItsCommandAndNoKeyIsShared) {
    std::map<QKeySequence, int> owner;
    for (const Command& command : Commands()) {
        EXPECT_EQ(frame->Action(command.id)->shortcuts(), KeySequencesOf(command)) << command.name;
        for (const QKeySequence& key : frame->Action(command.id)->shortcuts()) {
            const auto [it, fresh] = owner.emplace(key, command.id);
            EXPECT_TRUE(fresh) << key.toString().toStdString() << " on " << it->second << " and " << command.id;
        }
    }
}

TEST_F(FrameEditTest, TypedKeysChooseToolsAndRunEditCommands) {
    Char('r');
    EXPECT_EQ(EditTestTools().State().currentTool, TOOL_RECTANGLE);
    Char('E');
    EXPECT_EQ(EditTestTools().State().currentTool, TOOL_ELLIPSE);
    Char('s');
    EXPECT_EQ(EditTestTools().State().currentTool, TOOL_SELECT);

    CArdoRect* a = AddRect(QRect(QPoint(100, 100), QPoint(200, 180)));
    CArdoRect* b = AddRect(QRect(QPoint(150, 150), QPoint(260, 240)));
    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(view->View().Selection().size(), 2u);
    view->View().Select(a);
    Char('+');
    EXPECT_EQ(doc->Objects().back().get(), a);
    Char('-');
    EXPECT_EQ(doc->Objects().front().get(), a);
    Key(Qt::Key_Plus, Qt::ControlModifier);
    EXPECT_EQ(doc->Objects().back().get(), a);
    Key(Qt::Key_Minus, Qt::KeypadModifier);  // one step back
    EXPECT_EQ(doc->Objects().back().get(), b);

    Key(Qt::Key_C, Qt::ControlModifier);
    EXPECT_TRUE(clipboard.HasFormat("Kovel Format"));
    Key(Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(doc->Objects().size(), 3u);
    Key(Qt::Key_Delete);
    EXPECT_EQ(doc->Objects().size(), 2u);
}

TEST_F(FrameEditTest, PlainKeysGoToTextFieldsAndDialogsNotToTheTools) {
    // A text field in one of the frame's bars.
    auto* field = new QLineEdit;
    frame->Bar(kStandardToolbarId)->addWidget(field);
    field->setFocus();
    QTest::keyClicks(field, QStringLiteral("rel+s"));
    EXPECT_EQ(field->text(), "rel+s");
    EXPECT_EQ(EditTestTools().State().currentTool, TOOL_SELECT);

    // A dialog over the frame with a field of its own.
    QDialog dialog(frame.get());
    auto* inner = new QLineEdit(&dialog);
    (new QVBoxLayout(&dialog))->addWidget(inner);
    dialog.show();
    dialog.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
    inner->setFocus();
    QTest::keyClicks(inner, QStringLiteral("Ln"));
    EXPECT_EQ(inner->text(), "Ln");
    EXPECT_EQ(EditTestTools().State().currentTool, TOOL_SELECT);
    dialog.close();

    // Back in the view the same key chooses the tool.
    frame->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(frame.get()));
    view->setFocus();
    Char('l');
    EXPECT_EQ(EditTestTools().State().currentTool, TOOL_LINE);
}

TEST_F(FrameEditTest, ThePopUpMenuTakesTheFramesRoute) {
    AddRect(QRect(QPoint(100, 100), QPoint(200, 180)));
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, QPoint(150, 140));
    ASSERT_EQ(view->View().Selection().size(), 1u);
    QTest::mouseClick(frame->windowHandle(), Qt::RightButton, {},
                      view->viewport()->mapTo(frame.get(), QPoint(150, 140)));
    QMenu* menu = view->OpenContextMenu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->parentWidget(), frame.get());
    QAction* snap = nullptr;
    QAction* properties = nullptr;
    for (QAction* a : menu->actions()) {
        if (a->data().toInt() == cmd::SnapSetup) snap = a;
        if (a->data().toInt() == cmd::Properties) properties = a;
    }
    ASSERT_TRUE(snap && properties);
    // The snap dialog is the document's command: enabled through the frame's route.
    EXPECT_TRUE(snap->isEnabled());
    EXPECT_TRUE(properties->isEnabled());
    menu->close();
    QCoreApplication::processEvents();

    // Choosing a tool item from the menu goes through the route and updates the bar.
    menu = view->ShowContextMenu(CPoint(-1, -1));
    frame->Action(cmd::ToolRect)->trigger();
    for (QAction* a : menu->actions())
        if (a->data().toInt() == cmd::SelectMode) a->trigger();
    menu->close();
    EXPECT_EQ(EditTestTools().State().currentTool, TOOL_SELECT);
    EXPECT_TRUE(frame->Action(cmd::SelectMode)->isChecked());
}

}  // namespace
