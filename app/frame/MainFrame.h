// The multi-document main window: the MDI area, menus 2 and 3, the standard toolbar and the
// toolboxes "Einrichtung", "Hilfslinien", "Messen", the four-pane status bar, the command
// route with its update rules, the stored bar layout and window placement, and dropped files.
#pragma once

#include "app/WindowPlacement.h"
#include "app/frame/CommandRouter.h"
#include "app/frame/CommandTarget.h"
#include "platform/Services.h"

#include <QMainWindow>

#include <map>
#include <memory>
#include <set>

class ActiveDocumentCommands;
class ApplicationCommands;
class DocumentManager;
class IFileDialogs;
class ISettingsStore;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QTimer;
class QToolBar;
class RecentFileList;

class MainFrame : public QMainWindow, public CommandTarget {
    Q_OBJECT
public:
    MainFrame(ISettingsStore& settings, RecentFileList& recent, IFileDialogs& dialogs, QWidget* parent = nullptr);
    ~MainFrame() override;

    DocumentManager& Documents() { return *m_documents; }
    CommandRouter& Router() { return m_router; }
    QMdiArea* MdiArea() const { return m_area; }

    // The action of a command (menus, buttons and keys share it); null for unknown ids.
    QAction* Action(int id) const;
    // A bar by control id (commands/CommandLayout.h).
    QToolBar* Bar(int controlId) const;
    // Whether the menu bar of an open document is shown rather than the one without.
    bool ShowsDocumentMenu() const { return m_showsDocumentMenu; }
    // The popup menus of the bar in use.
    QList<QMenu*> CurrentMenus() const;

    // Status bar panes 0 to 3.
    void SetPaneText(int pane, const QString& text);
    QString PaneText(int pane) const;
    QLabel* Pane(int pane) const;

    // Asks the route for the state of every command and updates actions and buttons.
    void UpdateCommandStates();
    // Sets the item text and help line a command's update gave, or puts its own back.
    void UpdateCommandText(int id, QAction& action, const CommandState& state);
    // Runs a command along the route, then refreshes the states.
    bool RunCommand(int id);

    // The stored bar layout "General": bar positions, docking and visibility.
    void SaveBarLayout();
    void RestoreBarLayout();
    // Places the window from a placement record, made usable on the present screens.
    void ApplyPlacement(const WindowPlacement& placement);
    // Shows the window normal or maximised as the applied placement says.
    void ShowPlaced();
    WindowPlacement CurrentPlacement() const;

    // CommandTarget: the frame's own commands (bars, windows).
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

signals:
    // A file was dropped on the window (after it was opened).
    void filesDropped(const QStringList& paths);
    // The window closes: every document was saved or its changes discarded.
    void documentsClosedCleanly();

protected:
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    QMenu* createPopupMenu() override;

private:
    void CreateActions();
    void CreateMenus();
    QList<QMenu*> BuildMenuSet(bool documentMenu);
    void CreateBars();
    void CreateStatusBar();
    void UpdateMenuBar();
    void UpdateWindowTitle();
    void UpdateRecentFileActions();
    void FillWindowList(QMenu* menu);
    void ToggleBar(QWidget* bar, bool& lastChosen);
    void ArrangeIcons();
    std::vector<CommandTarget*> Route();

    ISettingsStore& m_settings;
    RecentFileList& m_recent;
    QMdiArea* m_area = nullptr;
    std::unique_ptr<DocumentManager> m_documents;
    std::unique_ptr<ActiveDocumentCommands> m_documentCommands;
    std::unique_ptr<ApplicationCommands> m_appCommands;
    CommandRouter m_router;

    std::map<int, QAction*> m_actions;
    std::set<int> m_namedTexts;  // commands whose item shows a text their update gave
    std::map<int, QToolBar*> m_bars;
    QList<QMenu*> m_documentMenus;    // while a document window is open
    QList<QMenu*> m_noDocumentMenus;  // while none is
    QList<QAction*> m_windowListActions;
    bool m_showsDocumentMenu = false;
    QLabel* m_panes[kStatusPaneCount] = {};
    QTimer* m_updateTimer = nullptr;
    bool m_startMaximized = false;
    QPoint m_minimizedPosition;  // kept from the applied placement

    // The visibility last chosen by command, per bar (kept, not read back).
    bool m_bToolbarVisible = true;
    bool m_bStatusBarVisible = true;
    bool m_bFurnitureVisible = true;
    bool m_bLinesVisible = true;
    bool m_bMeasureVisible = true;
};
