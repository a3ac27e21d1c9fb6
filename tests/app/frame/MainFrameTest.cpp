// The main frame as a user meets it: both menu bars with texts and keys, bars and panes,
// show/hide commands, stored layout and placement, documents, windows and dropped files.
#include "AppTestSupport.h"

#include "app/AppState.h"
#include "app/RecentFileList.h"
#include "app/frame/Accelerators.h"
#include "app/frame/CommandTexts.h"
#include "app/frame/DocumentManager.h"
#include "app/frame/FileDialogs.h"
#include "app/frame/MainFrame.h"
#include "commands/CommandIds.h"
#include "commands/CommandLayout.h"
#include "document/ArdoDoc.h"
#include "platform/MemoryServices.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include <gtest/gtest.h>

namespace {

struct FrameFixture : ::testing::Test {
    ShellTestEnvironment env;
    RecentFileList recent;
    ScriptedFileDialogs dialogs;
    std::unique_ptr<MainFrame> frame;

    void SetUp() override { frame = MakeFrame(); }
    void TearDown() override {
        if (frame) frame->Documents().CloseAllDocuments();
        ProcessEvents();
        frame.reset();
        SetPrintMode(false);
    }
    std::unique_ptr<MainFrame> MakeFrame() {
        auto f = std::make_unique<MainFrame>(*env.settings, recent, dialogs);
        f->resize(900, 700);
        return f;
    }

    QMenu* Popup(const QString& title) {
        for (QMenu* m : frame->CurrentMenus())
            if (m->title() == title) return m;
        return nullptr;
    }
    QStringList PopupTitles() {
        QStringList titles;
        for (QAction* a : frame->menuBar()->actions()) titles << a->text();
        return titles;
    }
    QStringList ItemTexts(QMenu* menu) {
        QStringList texts;
        for (QAction* a : menu->actions())
            if (!a->isSeparator() && a->isVisible()) texts << a->text();
        return texts;
    }
    CommandState State(int id) { return frame->Router().Query(id); }
    std::string WriteDocument(const std::string& name) {
        CArdoDoc doc;
        const std::string path = env.PathStd(name);
        doc.WriteDocumentFile(path);
        return path;
    }
};

}  // namespace

TEST_F(FrameFixture, WithoutDocumentShowsMenuTwo) {
    EXPECT_FALSE(frame->ShowsDocumentMenu());
    EXPECT_EQ(PopupTitles(), (QStringList{"&Datei", "&Ansicht", "&?"}));
    EXPECT_EQ(ItemTexts(Popup("&Datei")), (QStringList{"&Neu\tStrg+N", "&Öffnen...\tStrg+O", "Drucker &einrichten...",
                                                       "&Optionen...", "Zuletzt geöffnete Datei", "E&nde"}));
    EXPECT_EQ(ItemTexts(Popup("&Ansicht")), (QStringList{"Standard&toolbox", "&Statuszeile"}));
    EXPECT_EQ(ItemTexts(Popup("&?")), (QStringList{"&Index", "&Hilfe verwenden", "&Über Kovel..."}));
    EXPECT_EQ(frame->windowTitle(), "Velmarstad Kovel");

    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(cmd::FileNew)->isEnabled());
    EXPECT_FALSE(frame->Action(cmd::RecentFile1)->isEnabled());  // empty list
    EXPECT_FALSE(frame->Action(cmd::HelpIndex)->isEnabled());    // no help system
    EXPECT_FALSE(frame->Action(cmd::FileSave)->isEnabled());     // nothing to save
}

TEST_F(FrameFixture, WithDocumentShowsMenuThreeWithEveryItemAndKey) {
    auto doc = frame->Documents().NewDocument();
    ASSERT_TRUE(doc);
    EXPECT_TRUE(frame->ShowsDocumentMenu());
    EXPECT_EQ(PopupTitles(), (QStringList{"&Datei", "&Bearbeiten", "&Fenster", "&Toolbox", "Einrichtung", "M&essen",
                                          "H&ilfslinien", "&?"}));
    EXPECT_EQ(
        ItemTexts(Popup("&Datei")),
        (QStringList{"&Neu\tStrg+N", "&Plan / Grundriß ...\tStrg + G", "&Öffnen...\tStrg+O", "&Schließen",
                     "&Speichern\tStrg+S", "Speichern &als...", "&Drucken...\tStrg+P", "&Rasterlinien drucken",
                     "Seiten&ansicht", "Drucker &einrichten...", "&Optionen...", "Zuletzt geöffnete Datei", "E&nde"}));
    EXPECT_EQ(ItemTexts(Popup("&Bearbeiten")), (QStringList{"&Rückgängig\tStrg+Z",
                                                            "&Wiederholen\tStrg+Y",
                                                            "Zoomen",
                                                            "Vollbild",
                                                            "&Linienfarbe..",
                                                            "&Füllfarbe...",
                                                            "Hintergrundfarbe ändern",
                                                            "&Auswahl-Modus\tS",
                                                            "Ausschneiden\tStrg+X",
                                                            "&Kopieren\tStrg+C",
                                                            "&Einfügen\tStrg+V",
                                                            "&Löschen\tEntf",
                                                            "&Alles Auswählen\tStrg+A",
                                                            "Eigenschaften...\tAlt+Return",
                                                            "Objekt ganz nach vorn\tPlus",
                                                            "Objekt ganz nach hinten\tMinus",
                                                            "Objekt eine z-Position vor\tStrg+Plus",
                                                            "Objekt eine z-Position zurück\tStrg+Minus",
                                                            "&Neues OLE-Objekt einfügen",
                                                            "&OLE Objekte anzeigen",
                                                            "&OLE Verbindungen...",
                                                            "&Objekt"}));
    EXPECT_EQ(ItemTexts(Popup("&Fenster")).mid(0, 6),
              (QStringList{"Neues &Fenster", "&Gestaffelt", "&Nebeneinander", "&Symbole anordnen", "Standard&toolbox",
                           "&Statuszeile"}));
    EXPECT_EQ(ItemTexts(Popup("&Toolbox")), (QStringList{"M&essen", "&Hilfslinien", "&Einrichtung"}));
    EXPECT_EQ(ItemTexts(Popup("Einrichtung")),
              (QStringList{"&Wohnen", "&Schlafen", "&Küche", "&Bad", "Bü&ro", "&Geräte", "&Anschlüsse",
                           "Selektion als Symbol &ablegen..."}));
    EXPECT_EQ(ItemTexts(Popup("M&essen")), (QStringList{"&Maßstab und Einheit...", "Nullpunkt...", "Fangraster...",
                                                        "&Strecke", "&Polygon", "&Rechtecksfläche", "P&olygonfläche"}));
    EXPECT_EQ(
        ItemTexts(Popup("H&ilfslinien")),
        (QStringList{"&Marker setzen", "&Line\tL", "Polyline", "&Rechteck\tR", "&Abgerundetes Rechteck\tN",
                     "&Ellipse\tE", "&Polygonfläche", "&Text", "&Rasterlinien\tG", "Rasterlinien einrichten ..."}));
    EXPECT_EQ(ItemTexts(Popup("&?")), (QStringList{"&Über Kovel..."}));
    // A maximised window shows its caption in brackets, a normal one after a dash.
    frame->show();
    ProcessEvents();
    EXPECT_EQ(frame->windowTitle(), "Velmarstad Kovel - [Kovel1]");
    frame->Documents().WindowsOf(*doc)[0]->showNormal();
    EXPECT_EQ(frame->windowTitle(), "Velmarstad Kovel - Kovel1");
    frame->hide();

    // Closing the last window brings the menu bar without a document back.
    frame->Documents().CloseDocument(*doc);
    ProcessEvents();
    EXPECT_FALSE(frame->ShowsDocumentMenu());
}

TEST_F(FrameFixture, KeysOfTheAcceleratorTable) {
    auto keys = [&](int id) { return frame->Action(id)->shortcuts(); };
    // A letter in both cases, main-keyboard plus also as '=', the numeric pad's minus.
    EXPECT_EQ(keys(cmd::GridLines),
              (QList<QKeySequence>{QKeySequence(Qt::Key_G), QKeySequence(Qt::SHIFT | Qt::Key_G)}));
    EXPECT_EQ(keys(cmd::ForwardOne),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Plus), QKeySequence(Qt::CTRL | Qt::Key_Equal)}));
    EXPECT_EQ(keys(cmd::ToBack),
              (QList<QKeySequence>{QKeySequence(Qt::Key_Minus), QKeySequence(Qt::Key_Underscore),
                                   QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)}));
    EXPECT_EQ(keys(cmd::Properties),
              (QList<QKeySequence>{QKeySequence(Qt::ALT | Qt::Key_Return), QKeySequence(Qt::ALT | Qt::Key_Enter)}));
    EXPECT_EQ(keys(cmd::PrevPane), (QList<QKeySequence>{QKeySequence(Qt::SHIFT | Qt::Key_F6)}));
    EXPECT_TRUE(keys(cmd::FileNew).contains(QKeySequence(Qt::CTRL | Qt::Key_N)));
    EXPECT_TRUE(keys(cmd::ImportPlan).contains(QKeySequence(Qt::CTRL | Qt::Key_G)));
    EXPECT_TRUE(keys(cmd::EditCut).contains(QKeySequence(Qt::SHIFT | Qt::Key_Delete)));
    EXPECT_TRUE(keys(cmd::EditCopy).contains(QKeySequence(Qt::CTRL | Qt::Key_Insert)));
    EXPECT_TRUE(keys(cmd::EditPaste).contains(QKeySequence(Qt::SHIFT | Qt::Key_Insert)));
    EXPECT_TRUE(keys(cmd::EditDelete).contains(QKeySequence(Qt::Key_Delete)));
    EXPECT_TRUE(keys(cmd::Properties).contains(QKeySequence(Qt::ALT | Qt::Key_Return)));
    EXPECT_TRUE(keys(cmd::ToFront).contains(QKeySequence(Qt::Key_Plus)));
    EXPECT_TRUE(keys(cmd::ToBack).contains(QKeySequence(Qt::Key_Minus)));
    EXPECT_TRUE(keys(cmd::ToBack).contains(QKeySequence(Qt::Key_Underscore)));
    EXPECT_TRUE(keys(cmd::ToBack).contains(QKeySequence(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)));
    EXPECT_TRUE(keys(cmd::ForwardOne).contains(QKeySequence(Qt::CTRL | Qt::Key_Plus)));
    EXPECT_TRUE(keys(cmd::BackOne).contains(QKeySequence(Qt::CTRL | Qt::Key_Minus)));
    EXPECT_TRUE(keys(cmd::BackOne).contains(QKeySequence(Qt::KeypadModifier | Qt::Key_Minus)));
    for (auto [id, key] : {std::pair{cmd::SelectMode, Qt::Key_S},
                           {cmd::ToolLine, Qt::Key_L},
                           {cmd::ToolRect, Qt::Key_R},
                           {cmd::ToolRoundRect, Qt::Key_N},
                           {cmd::ToolEllipse, Qt::Key_E},
                           {cmd::GridLines, Qt::Key_G}}) {
        EXPECT_TRUE(keys(id).contains(QKeySequence(key))) << id;
        EXPECT_TRUE(keys(id).contains(QKeySequence(Qt::SHIFT | key))) << id;
    }
    EXPECT_TRUE(keys(cmd::Cancel).contains(QKeySequence(Qt::Key_Escape)));
    EXPECT_TRUE(keys(cmd::ScrollDown).contains(QKeySequence(Qt::Key_Down)));
    EXPECT_TRUE(keys(cmd::EditUndo).contains(QKeySequence(Qt::ALT | Qt::Key_Backspace)));

    // No key may belong to two commands.
    std::map<QString, int> owner;
    for (const Command& command : Commands())
        for (const QKeySequence& k : KeySequencesOf(command)) {
            auto [it, fresh] = owner.emplace(k.toString(), command.id);
            EXPECT_TRUE(fresh) << k.toString().toStdString() << " of " << command.name << " and " << it->second;
        }
}

TEST_F(FrameFixture, BarsButtonsHelpAndTooltips) {
    const std::map<int, QString> titles = {{kStandardToolbarId, ""},
                                           {kFurnitureBoxId, "Einrichtung"},
                                           {kLinesBoxId, "Hilfslinien"},
                                           {kMeasureBoxId, "Messen"}};
    for (const BarDefinition& def : BarDefinitions()) {
        QToolBar* bar = frame->Bar(def.controlId);
        ASSERT_TRUE(bar);
        EXPECT_EQ(bar->windowTitle(), titles.at(def.controlId));
        EXPECT_EQ(bar->allowedAreas(), Qt::AllToolBarAreas);
        EXPECT_TRUE(bar->isFloatable());
        EXPECT_EQ(frame->toolBarArea(bar),
                  def.controlId == kStandardToolbarId ? Qt::TopToolBarArea : Qt::LeftToolBarArea);
        QList<int> ids;
        for (QAction* a : bar->actions()) {
            ids << (a->isSeparator() ? 0 : a->data().toInt());
            if (!a->isSeparator()) {
                EXPECT_FALSE(a->icon().isNull()) << a->data().toInt();
            }
        }
        EXPECT_EQ(ids, QList<int>(def.buttons.begin(), def.buttons.end()));
    }
    // Fly-by help is the first line of the string, the tooltip the second.
    EXPECT_EQ(frame->Action(cmd::ToggleFurnitureButton)->statusTip(), "Toolbox 'Möbel' ein-/ausschalten");
    EXPECT_EQ(frame->Action(cmd::MeasureLine)->statusTip(), "Abstand zwischen zwei Punkten messen");
    EXPECT_EQ(frame->Action(cmd::MeasureLine)->toolTip(), "Strecke");
    EXPECT_EQ(frame->Action(cmd::ToolText)->statusTip(), "Frei verschieblicher und drehbarer Text");
    for (const BarDefinition& def : BarDefinitions())
        for (int id : def.buttons)
            if (id) {
                EXPECT_FALSE(ToolTipText(id).isEmpty()) << id;
            }
}

TEST_F(FrameFixture, StatusBarPanes) {
    EXPECT_EQ(frame->statusBar()->property("controlId").toInt(), kStatusBarId);
    EXPECT_EQ(frame->PaneText(kPanePosition), "Position");
    EXPECT_EQ(frame->PaneText(kPaneScale), "M 1:1");
    EXPECT_EQ(frame->PaneText(kPaneZoom), "ZOOM");
    EXPECT_EQ(frame->Pane(kPanePosition)->width(), 180);
    EXPECT_EQ(frame->Pane(kPaneScale)->width(), 60);
    EXPECT_EQ(frame->Pane(kPaneZoom)->width(), 60);
    frame->show();
    frame->SetPaneText(kPanePrompt, "Ersten Punkt der Linie anklicken");
    EXPECT_EQ(frame->PaneText(kPanePrompt), "Ersten Punkt der Linie anklicken");
    // Pane 0 takes the room the fixed panes leave.
    EXPECT_GT(frame->Pane(kPanePrompt)->width(), frame->width() / 2);
    frame->hide();
}

TEST_F(FrameFixture, ShowHideCommandsShareOneState) {
    frame->show();
    QToolBar* furniture = frame->Bar(kFurnitureBoxId);
    EXPECT_TRUE(State(cmd::ToggleFurnitureBox).checked);
    EXPECT_TRUE(State(cmd::ToggleFurnitureButton).checked);
    frame->RunCommand(cmd::ToggleFurnitureButton);  // the toolbar button
    EXPECT_TRUE(furniture->isHidden());
    EXPECT_FALSE(State(cmd::ToggleFurnitureBox).checked);
    EXPECT_FALSE(frame->Action(cmd::ToggleFurnitureBox)->isChecked());
    EXPECT_FALSE(frame->Action(cmd::ToggleFurnitureButton)->isChecked());
    frame->RunCommand(cmd::ToggleFurnitureBox);  // the menu item
    EXPECT_FALSE(furniture->isHidden());
    EXPECT_TRUE(frame->Action(cmd::ToggleFurnitureButton)->isChecked());

    for (auto [id, widget] : {std::pair<int, QWidget*>{cmd::ViewToolbar, frame->Bar(kStandardToolbarId)},
                              {cmd::ViewStatusBar, frame->statusBar()},
                              {cmd::ToggleLinesBox, frame->Bar(kLinesBoxId)},
                              {cmd::ToggleMeasureBox, frame->Bar(kMeasureBoxId)}}) {
        frame->RunCommand(id);
        EXPECT_TRUE(widget->isHidden()) << id;
        EXPECT_FALSE(State(id).checked) << id;
        frame->RunCommand(id);
        EXPECT_FALSE(widget->isHidden()) << id;
        EXPECT_TRUE(State(id).checked) << id;
    }

    // The garden toolbox command is enabled and changes nothing.
    EXPECT_TRUE(State(cmd::GardenBox).enabled);
    EXPECT_TRUE(frame->RunCommand(cmd::GardenBox));
    for (const BarDefinition& def : BarDefinitions()) EXPECT_FALSE(frame->Bar(def.controlId)->isHidden());
    frame->hide();
}

TEST_F(FrameFixture, LayoutAndPlacementSurviveARestart) {
    WindowPlacement placement;
    placement.showCmd = 1;
    placement.left = 50, placement.top = 60, placement.right = 850, placement.bottom = 660;
    frame->ApplyPlacement(placement);
    frame->ShowPlaced();
    frame->RunCommand(cmd::ToggleMeasureBox);
    frame->RunCommand(cmd::ViewStatusBar);
    ASSERT_TRUE(frame->close());
    ProcessEvents();

    auto stored = env.ReopenSettings();
    EXPECT_EQ(stored->GetProfileInt("UserSettings", "OutlineSaved", 0), 1);
    EXPECT_EQ(stored->GetProfileInt("UserSettings", "OutlineFlags", -1), 0);
    const WindowPlacement back = StartPlacement(*stored, 1280, 1024);
    EXPECT_EQ(back.right - back.left, 800);
    EXPECT_EQ(back.bottom - back.top, 600);

    frame = MakeFrame();
    frame->RestoreBarLayout();
    frame->show();
    EXPECT_TRUE(frame->Bar(kMeasureBoxId)->isHidden());
    EXPECT_FALSE(frame->Bar(kLinesBoxId)->isHidden());
    EXPECT_TRUE(frame->statusBar()->isHidden());
    EXPECT_FALSE(State(cmd::ToggleMeasureBox).checked);
    frame->hide();
}

TEST_F(FrameFixture, PrintModeLeavesLayoutAndPlacementAlone) {
    SetPrintMode(true);
    frame->show();
    frame->RunCommand(cmd::ToggleMeasureBox);
    ASSERT_TRUE(frame->close());
    auto stored = env.ReopenSettings();
    EXPECT_EQ(stored->GetProfileInt("UserSettings", "OutlineSaved", 0), 0);
    EXPECT_EQ(stored->GetProfileString("General", "Bars", ""), "");
}

TEST_F(FrameFixture, NewWindowShowsTheSameDocumentTwice) {
    auto doc = frame->Documents().NewDocument();
    EXPECT_TRUE(State(cmd::WindowNew).enabled);
    frame->RunCommand(cmd::WindowNew);
    const auto windows = frame->Documents().WindowsOf(*doc);
    ASSERT_EQ(windows.size(), 2u);
    EXPECT_EQ(windows[0]->windowTitle(), "Kovel1:1");
    EXPECT_EQ(windows[1]->windowTitle(), "Kovel1:2");
    EXPECT_EQ(frame->Documents().Documents().size(), 1u);

    // Closing one of two windows asks nothing, even when modified.
    doc->SetModifiedFlag(true);
    windows[1]->close();
    ProcessEvents();
    EXPECT_TRUE(env.messages.shown.empty());
    ASSERT_EQ(frame->Documents().WindowsOf(*doc).size(), 1u);
    // The one left is numbered no more, and marks the document modified.
    EXPECT_EQ(frame->Documents().WindowsOf(*doc)[0]->windowTitle(), "Kovel1 *");

    // The last one asks; Cancel keeps it open, No closes without saving.
    env.messages.answers = {IDCANCEL};
    frame->Documents().WindowsOf(*doc)[0]->close();
    ProcessEvents();
    ASSERT_EQ(env.messages.shown.size(), 1u);
    EXPECT_EQ(env.messages.shown[0].text, "Änderungen in Kovel1 speichern?");
    EXPECT_EQ(env.messages.shown[0].caption, "Velmarstad Kovel - Tolvane Viewer");
    EXPECT_EQ(frame->Documents().Documents().size(), 1u);
    env.messages.answers = {IDNO};
    frame->RunCommand(cmd::FileClose);
    ProcessEvents();
    EXPECT_TRUE(frame->Documents().Documents().empty());
}

TEST_F(FrameFixture, SaveProposesTheNamingRuleAndRenamesTheDocument) {
    auto doc = frame->Documents().NewDocument();
    dialogs.saveName = env.PathStd("Wohnung.cpr");
    frame->RunCommand(cmd::FileSave);
    ASSERT_EQ(dialogs.proposals.size(), 1u);
    EXPECT_EQ(dialogs.proposals[0], "Kovel1.cpr");
    EXPECT_TRUE(dialogs.replaceFlags[0]);
    EXPECT_TRUE(QFile::exists(env.Path("Wohnung.cpr")));
    EXPECT_EQ(doc->GetTitle(), "Wohnung.cpr");
    EXPECT_EQ(recent.Files().front(), env.PathStd("Wohnung.cpr"));

    // Saving again writes in place, without the dialog.
    doc->SetModifiedFlag(true);
    frame->RunCommand(cmd::FileSave);
    EXPECT_EQ(dialogs.proposals.size(), 1u);
    EXPECT_FALSE(doc->IsModified());

    // A cancelled dialog saves nothing.
    dialogs.saveName.clear();
    frame->RunCommand(cmd::FileSaveAs);
    EXPECT_EQ(dialogs.proposals.size(), 2u);
    EXPECT_EQ(dialogs.proposals[1], env.PathStd("Wohnung.cpr"));
}

TEST_F(FrameFixture, OpeningPlansDocumentsAndRecentFiles) {
    const std::string plan = BuildFolder() + "/plans/apartment.cap";
    auto doc = frame->Documents().OpenDocumentFile(plan);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->GetPathName(), BuildFolder() + "/plans/apartment");
    EXPECT_EQ(doc->GetTitle(), "apartment");
    EXPECT_TRUE(recent.Files().empty());   // plans stay out of the list
    EXPECT_EQ(dialogs.scaleQuestions, 0);  // only the application asks for a plan's scale

    // Saving the plan proposes the document name, never the plan file.
    dialogs.saveName.clear();
    frame->RunCommand(cmd::FileSave);
    ASSERT_EQ(dialogs.proposals.size(), 1u);
    EXPECT_EQ(dialogs.proposals[0], BuildFolder() + "/plans/apartment.cpr");

    const std::string path = WriteDocument("Haus.cpr");
    auto opened = frame->Documents().OpenDocumentFile(path);
    ASSERT_TRUE(opened);
    EXPECT_EQ(recent.Files(), std::vector<std::string>{path});
    EXPECT_EQ(frame->Documents().OpenDocumentFile(path), opened);  // already open: its window comes back
    EXPECT_EQ(frame->Documents().Documents().size(), 2u);

    // A damaged file is refused with a message and leaves the windows as they were, the
    // active document's scale in pane 2 included (reading it wrote its own scale there).
    CArdoDoc odd;
    odd.EditStoredSettings([&](DocumentSettings& s) { s.m_fScale = 250.0f; });
    const std::string damaged = env.PathStd("Kaputt.cpr");
    odd.WriteDocumentFile(damaged);
    QFile::resize(QString::fromStdString(damaged), QFileInfo(QString::fromStdString(damaged)).size() - 4);
    const size_t messagesBefore = env.messages.shown.size();
    EXPECT_FALSE(frame->Documents().OpenDocumentFile(damaged));
    EXPECT_EQ(env.messages.shown.size(), messagesBefore + 1);
    EXPECT_EQ(frame->Documents().Documents().size(), 2u);
    EXPECT_EQ(frame->Documents().ActiveDocument(), opened);
    EXPECT_EQ(DefaultMemoryServices().status.PaneText(kPaneScale), "1:100");

    frame->UpdateCommandStates();
    EXPECT_TRUE(frame->Action(cmd::RecentFile1)->isEnabled());
    EXPECT_EQ(frame->Action(cmd::RecentFile1)->text().toStdString(), "&1 " + path);
    EXPECT_FALSE(frame->Action(cmd::RecentFile1 + 1)->isVisible());

    // A recent file that has gone leaves the list when chosen.
    frame->Documents().CloseDocument(*opened);
    ProcessEvents();
    QFile::remove(QString::fromStdString(path));
    frame->RunCommand(cmd::RecentFile1);
    EXPECT_TRUE(recent.Files().empty());
    EXPECT_FALSE(env.messages.shown.empty());  // the document said why it could not open
}

TEST_F(FrameFixture, PlansThatCannotBeReadOpenNothingAndSayWhy) {
    const std::string empty = env.PathStd("leer.cap"), folder = env.PathStd("Ordner.cap");
    QFile(QString::fromStdString(empty)).open(QIODevice::WriteOnly);
    QDir().mkdir(QString::fromStdString(folder));
    const std::vector<std::pair<std::string, std::string>> cases = {
        {env.PathStd("fehlt.cap"), "fehlt.cap\nDatei nicht gefunden."},
        {empty, "leer.cap\nDie Datei ist leer."},
        {folder, "Ordner.cap\nist ein Ordner, keine Datei."},
    };
    for (const auto& [path, message] : cases) {
        const size_t before = env.messages.shown.size();
        EXPECT_FALSE(frame->Documents().OpenDocumentFile(path)) << path;
        ASSERT_EQ(env.messages.shown.size(), before + 1);
        EXPECT_EQ(env.messages.shown.back().text, message);
    }
    EXPECT_TRUE(frame->Documents().Documents().empty());
    EXPECT_EQ(dialogs.scaleQuestions, 0);
}

TEST_F(FrameFixture, FileNamesThatAreNotUtf8OpenAndSaveInPlace) {
    // "Größe.cpr" in Latin-1: a valid name on Linux that no QString holds byte for byte.
    const std::string path = env.PathStd("Gr") + "\xF6\xDF" + "e.cpr";
    {
        CArdoDoc doc;
        doc.WriteDocumentFile(path);
    }
    auto doc = frame->Documents().OpenDocumentFile(path);
    ASSERT_TRUE(doc);
    EXPECT_EQ(doc->GetPathName(), path);
    EXPECT_EQ(recent.Files().front(), path);
    // The caption is readable text, whatever the bytes.
    EXPECT_TRUE(QString::fromStdString(doc->GetTitle()).startsWith(QStringLiteral("Gr")));
    EXPECT_EQ(QString::fromStdString(doc->GetTitle()).toStdString(), doc->GetTitle());

    // Ctrl+S writes the same file, without asking for a name.
    doc->EditStoredSettings([&](DocumentSettings& s) { s.m_fScale = 333.0f; });
    doc->SetModifiedFlag(true);
    frame->RunCommand(cmd::FileSave);
    EXPECT_TRUE(dialogs.proposals.empty());
    EXPECT_FALSE(doc->IsModified());
    CArdoDoc reread;
    reread.ReadDocumentFile(path);
    EXPECT_EQ(reread.Scale(), 333.0f);

    // Names the file dialogs hand over convert both ways without loss where Qt holds them.
    const std::string utf8 =
        "/tmp/Gr\xC3\xB6\xC3\x9F"
        "e.cpr";
    EXPECT_EQ(PathFromQString(QStringFromPath(utf8)), utf8);
    EXPECT_EQ(DisplayNameOf(utf8), utf8);
}

TEST_F(FrameFixture, DroppedFilesAreOpened) {
    const std::string path = WriteDocument("Gedroppt.cpr");
    frame->show();
    QMimeData data;
    data.setUrls({QUrl::fromLocalFile(QString::fromStdString(path))});
    QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(frame.get(), &drop);
    ASSERT_EQ(frame->Documents().Documents().size(), 1u);
    EXPECT_EQ(frame->Documents().Documents()[0]->GetTitle(), "Gedroppt.cpr");

    QMimeData text;
    text.setText("kein Dateiname");
    QDragEnterEvent refused(QPoint(10, 10), Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
    refused.ignore();
    QApplication::sendEvent(frame.get(), &refused);
    EXPECT_FALSE(refused.isAccepted());
    frame->hide();
}

TEST_F(FrameFixture, ExitAsksForModifiedDocumentsAndCancelKeepsTheFrame) {
    frame->show();
    auto doc = frame->Documents().NewDocument();
    doc->SetModifiedFlag(true);
    env.messages.answers = {IDCANCEL};
    frame->RunCommand(cmd::AppExit);
    EXPECT_TRUE(frame->isVisible());
    EXPECT_EQ(frame->Documents().Documents().size(), 1u);
    env.messages.answers = {IDNO};
    frame->RunCommand(cmd::AppExit);
    EXPECT_FALSE(frame->isVisible());
}
