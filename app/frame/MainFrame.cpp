#include "app/frame/MainFrame.h"

#include "app/AppState.h"
#include "app/RecentFileList.h"
#include "app/frame/Accelerators.h"
#include "app/frame/CommandHooks.h"
#include "app/frame/CommandTexts.h"
#include "app/frame/DocumentManager.h"
#include "app/frame/FileDialogs.h"
#include "app/frame/ShellCommands.h"
#include "app/frame/StatusPanes.h"
#include "commands/CommandIds.h"
#include "commands/CommandLayout.h"
#include "platform/Services.h"
#include "platform/StringTable.h"

#include <QAction>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QIcon>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QScreen>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {
constexpr int IDS_FRAME_TITLE = 2;  // "Velmarstad Kovel"
constexpr const char* kLayoutSection = "General";
constexpr int kUpdateIntervalMs = 250;

QStringList LocalFiles(const QMimeData* data) {
    QStringList files;
    if (!data || !data->hasUrls()) return files;
    for (const QUrl& url : data->urls())
        if (url.isLocalFile()) files << url.toLocalFile();
    return files;
}
}  // namespace

MainFrame::MainFrame(ISettingsStore& settings, RecentFileList& recent, IFileDialogs& dialogs, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_recent(recent), m_router([this] { return Route(); }) {
    setObjectName(QStringLiteral("MainFrame"));
    setWindowIcon(QIcon(QStringLiteral(":/icons/kovel.svg")));
    setAcceptDrops(true);

    m_area = new QMdiArea(this);
    m_area->setObjectName(QStringLiteral("MdiArea"));
    m_area->setBackground(QColor(128, 128, 128));
    setCentralWidget(m_area);

    m_documents = std::make_unique<DocumentManager>(m_area, dialogs, recent);
    m_documentCommands = std::make_unique<ActiveDocumentCommands>(*m_documents);
    m_appCommands = std::make_unique<ApplicationCommands>(*m_documents, recent, dialogs, this);

    CreateActions();
    CreateBars();
    CreateStatusBar();
    CreateMenus();

    connect(m_documents.get(), &DocumentManager::documentsChanged, this, [this] {
        UpdateMenuBar();
        UpdateWindowTitle();
        UpdateCommandStates();
    });
    connect(m_documents.get(), &DocumentManager::recentFilesChanged, this, &MainFrame::UpdateRecentFileActions);

    // Buttons follow their update rules while the program is idle, as menus do when opened.
    m_updateTimer = new QTimer(this);
    m_updateTimer->setInterval(kUpdateIntervalMs);
    connect(m_updateTimer, &QTimer::timeout, this, [this] {
        if (!isVisible()) return;
        UpdateCommandStates();
        // Captions carry the documents' modified marks.
        m_documents->UpdateCaptions();
        UpdateWindowTitle();
    });
    m_updateTimer->start();

    UpdateMenuBar();
    UpdateWindowTitle();
    UpdateRecentFileActions();
    UpdateCommandStates();
}

MainFrame::~MainFrame() {
    // Windows and their views go before the documents' command targets; while the area
    // dies, nothing may react to its windows closing.
    m_documents->DetachWindows();
    m_documents->disconnect(this);
    delete m_area;
    m_area = nullptr;
}

// --- actions, menus, bars ------------------------------------------------------------------------

void MainFrame::CreateActions() {
    for (const Command& command : Commands()) {
        auto* action = new QAction(MenuItemText(command), this);
        action->setData(command.id);
        action->setObjectName(QString::fromUtf8(command.name));
        action->setCheckable(command.checkable);
        if (const QList<QKeySequence> keys = KeySequencesOf(command); !keys.isEmpty()) {
            action->setShortcuts(keys);
            action->setShortcutContext(Qt::WindowShortcut);
        }
        if (command.icon) action->setIcon(QIcon(QStringLiteral(":/icons/") + QString::fromUtf8(command.icon)));
        action->setStatusTip(HelpLine(command.id));
        const QString tip = ToolTipText(command.id);
        action->setToolTip(tip.isEmpty() ? PlainMenuText(command) : tip);
        const int id = command.id;
        connect(action, &QAction::triggered, this, [this, id] { RunCommand(id); });
        // On the frame, so keys work without a menu showing the command.
        addAction(action);
        m_actions[command.id] = action;
    }
    RefreshCommandStatesBeforeKeys(this, [this] { UpdateCommandStates(); });
}

QList<QMenu*> MainFrame::BuildMenuSet(bool documentMenu) {
    QList<QMenu*> menus;
    for (const MenuPopup& popup : documentMenu ? DocumentMenuBar() : NoDocumentMenuBar()) {
        auto* menu = new QMenu(QString::fromUtf8(popup.title), this);
        bool hasWindowList = false;
        for (int id : popup.items) {
            if (id == kSeparator) {
                menu->addSeparator();
            } else if (id == kRecentFilesPlaceholder) {
                for (int mru = cmd::RecentFile1; mru <= cmd::RecentFileLast; ++mru) menu->addAction(m_actions[mru]);
            } else if (id == kWindowListPlaceholder) {
                hasWindowList = true;
            } else if (QAction* action = Action(id)) {
                menu->addAction(action);
            }
        }
        connect(menu, &QMenu::aboutToShow, this, [this, menu, hasWindowList] {
            UpdateCommandStates();
            if (hasWindowList) FillWindowList(menu);
        });
        menus << menu;
    }
    return menus;
}

void MainFrame::CreateMenus() {
    m_documentMenus = BuildMenuSet(true);
    m_noDocumentMenus = BuildMenuSet(false);
}

void MainFrame::CreateBars() {
    for (const BarDefinition& def : BarDefinitions()) {
        auto* bar = new QToolBar(QString::fromUtf8(def.title), this);
        bar->setObjectName(QString::fromUtf8(def.objectName));
        bar->setProperty("controlId", def.controlId);
        bar->setAllowedAreas(Qt::AllToolBarAreas);
        bar->setMovable(true);
        bar->setFloatable(true);
        bar->setIconSize(QSize(24, 24));
        for (int id : def.buttons) {
            if (id == kSeparator)
                bar->addSeparator();
            else
                bar->addAction(Action(id));
        }
        addToolBar(def.controlId == kStandardToolbarId ? Qt::TopToolBarArea : Qt::LeftToolBarArea, bar);
        m_bars[def.controlId] = bar;
    }
}

void MainFrame::CreateStatusBar() {
    QStatusBar* bar = statusBar();
    bar->setObjectName(QStringLiteral("StatusBar"));
    bar->setProperty("controlId", kStatusBarId);
    const auto& panes = StatusPaneDefinitions();
    for (size_t i = 0; i < panes.size(); ++i) {
        auto* label = new QLabel(bar);
        label->setObjectName(QStringLiteral("Pane%1").arg(i));
        if (i == kPanePrompt) {
            label->setMinimumWidth(1);
            bar->addWidget(label, 1);
        } else {
            label->setText(QString::fromStdString(LoadString(panes[i].indicatorString)));
            label->setFixedWidth(panes[i].width);
            label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
            label->setAlignment(Qt::AlignCenter);
            bar->addPermanentWidget(label);
        }
        m_panes[i] = label;
    }
}

QMenu* MainFrame::createPopupMenu() {
    UpdateCommandStates();
    auto* menu = new QMenu(this);
    for (int id : BarsContextMenu()) menu->addAction(Action(id));
    return menu;
}

QAction* MainFrame::Action(int id) const {
    auto it = m_actions.find(id);
    return it == m_actions.end() ? nullptr : it->second;
}

QToolBar* MainFrame::Bar(int controlId) const {
    auto it = m_bars.find(controlId);
    return it == m_bars.end() ? nullptr : it->second;
}

QList<QMenu*> MainFrame::CurrentMenus() const { return m_showsDocumentMenu ? m_documentMenus : m_noDocumentMenus; }

// --- menu bar, titles, lists ---------------------------------------------------------------------

void MainFrame::UpdateMenuBar() {
    bool haveWindow = false;
    for (QMdiSubWindow* w : m_area->subWindowList())
        if (!w->isHidden()) haveWindow = true;
    if (haveWindow == m_showsDocumentMenu && !menuBar()->actions().isEmpty()) return;
    m_showsDocumentMenu = haveWindow;
    menuBar()->clear();
    for (QMenu* menu : CurrentMenus()) menuBar()->addMenu(menu);
}

void MainFrame::UpdateWindowTitle() {
    QString title = QString::fromStdString(LoadString(IDS_FRAME_TITLE));
    // A maximised window's caption stands in brackets; the MDI area then adds no second copy.
    if (QMdiSubWindow* w = m_documents->ActiveWindow(); w && !w->isHidden()) {
        const QString caption = m_documents->WindowCaption(w);
        title += w->isMaximized() ? QStringLiteral(" - [%1]").arg(caption) : QStringLiteral(" - ") + caption;
    }
    setWindowTitle(title);
}

void MainFrame::UpdateRecentFileActions() {
    const auto& files = m_recent.Files();
    for (int i = 0; i < RecentFileList::kSize; ++i) {
        QAction* action = Action(cmd::RecentFile1 + i);
        if (files.empty() && i == 0) {
            action->setText(QString::fromUtf8(FindCommand(cmd::RecentFile1)->menuText));
            action->setVisible(true);
        } else {
            action->setVisible(size_t(i) < files.size());
            action->setText(QString::fromStdString(m_recent.MenuText(size_t(i))));
            action->setStatusTip(HelpLine(cmd::RecentFile1));
        }
    }
    UpdateCommandStates();
}

void MainFrame::FillWindowList(QMenu* menu) {
    for (QAction* old : m_windowListActions) {
        menu->removeAction(old);
        delete old;
    }
    m_windowListActions.clear();
    int number = 0;
    for (QMdiSubWindow* w : m_area->subWindowList()) {
        if (w->isHidden()) continue;
        if (number == 0) m_windowListActions << menu->addSeparator();
        ++number;
        QAction* action = menu->addAction(QStringLiteral("&%1 %2").arg(number).arg(w->windowTitle()));
        action->setCheckable(true);
        action->setChecked(w == m_area->currentSubWindow());
        connect(action, &QAction::triggered, m_area, [this, w] { m_area->setActiveSubWindow(w); });
        m_windowListActions << action;
    }
}

// --- status bar ----------------------------------------------------------------------------------

void MainFrame::SetPaneText(int pane, const QString& text) {
    if (pane >= 0 && pane < kStatusPaneCount) m_panes[pane]->setText(text);
}

QString MainFrame::PaneText(int pane) const {
    return pane >= 0 && pane < kStatusPaneCount ? m_panes[pane]->text() : QString();
}

QLabel* MainFrame::Pane(int pane) const { return pane >= 0 && pane < kStatusPaneCount ? m_panes[pane] : nullptr; }

// --- command route -------------------------------------------------------------------------------

std::vector<CommandTarget*> MainFrame::Route() {
    std::vector<CommandTarget*> route;
    if (QMdiSubWindow* window = m_documents->ActiveWindow(); window && !window->isHidden()) {
        if (auto* view = dynamic_cast<CommandTarget*>(window->widget())) route.push_back(view);
        if (auto doc = m_documents->ActiveDocument())
            for (CommandTarget* target : m_documents->DocumentTargets(*doc)) route.push_back(target);
    }
    route.push_back(m_documentCommands.get());
    route.push_back(this);
    route.push_back(m_appCommands.get());
    for (CommandTarget* target : ApplicationTargets()) route.push_back(target);
    return route;
}

void MainFrame::UpdateCommandStates() {
    for (auto& [id, action] : m_actions) {
        const CommandState state = m_router.Query(id);
        if (action->isEnabled() != state.enabled) action->setEnabled(state.enabled);
        if (action->isCheckable() && action->isChecked() != state.checked) action->setChecked(state.checked);
        UpdateCommandText(id, *action, state);
    }
}

void MainFrame::UpdateCommandText(int id, QAction& action, const CommandState& state) {
    // Only commands that named what they will do get their own texts back; others (the
    // recent files) keep what their owners set.
    const bool named = !state.text.empty();
    if (!named && !m_namedTexts.contains(id)) return;
    const Command* command = FindCommand(id);
    if (!command) return;
    QString text = MenuItemText(*command);
    QString help = HelpLine(id);
    if (named) {
        text = QString::fromStdString(state.text);
        if (*command->keyText) text += u'\t' + QString::fromUtf8(command->keyText);
        help = QString::fromStdString(state.helpLine);
        m_namedTexts.insert(id);
    } else {
        m_namedTexts.erase(id);
    }
    if (action.text() != text) action.setText(text);
    if (action.statusTip() != help) action.setStatusTip(help);
}

bool MainFrame::RunCommand(int id) {
    const bool handled = m_router.Execute(id);
    // The frame may be closing (exit) or a dialog may have changed everything.
    UpdateCommandStates();
    return handled;
}

// --- the frame's own commands --------------------------------------------------------------------

bool MainFrame::OnUpdateCommand(int id, CommandState& state) {
    auto barShown = [this](int controlId) { return !Bar(controlId)->isHidden(); };
    switch (id) {
    case cmd::ViewToolbar: state.checked = barShown(kStandardToolbarId); return true;
    case cmd::ViewStatusBar: state.checked = !statusBar()->isHidden(); return true;
    case cmd::ToggleFurnitureBox:
    case cmd::ToggleFurnitureButton: state.checked = barShown(kFurnitureBoxId); return true;
    case cmd::ToggleLinesBox: state.checked = barShown(kLinesBoxId); return true;
    case cmd::ToggleMeasureBox: state.checked = barShown(kMeasureBoxId); return true;
    case cmd::GardenBox: return true;
    case cmd::WindowNew: state.enabled = m_documents->ActiveDocument() != nullptr; return true;
    case cmd::WindowCascade:
    case cmd::WindowTile:
    case cmd::WindowArrange: state.enabled = !m_area->subWindowList().isEmpty(); return true;
    default: return false;
    }
}

bool MainFrame::OnCommand(int id) {
    switch (id) {
    case cmd::ViewToolbar: ToggleBar(Bar(kStandardToolbarId), m_bToolbarVisible); return true;
    case cmd::ViewStatusBar: ToggleBar(statusBar(), m_bStatusBarVisible); return true;
    case cmd::ToggleFurnitureBox:
    case cmd::ToggleFurnitureButton: ToggleBar(Bar(kFurnitureBoxId), m_bFurnitureVisible); return true;
    case cmd::ToggleLinesBox: ToggleBar(Bar(kLinesBoxId), m_bLinesVisible); return true;
    case cmd::ToggleMeasureBox: ToggleBar(Bar(kMeasureBoxId), m_bMeasureVisible); return true;
    case cmd::GardenBox: return true;  // the garden toolbox was never built; the command does nothing
    case cmd::WindowNew: m_documents->NewWindow(m_documents->ActiveDocument()); return true;
    case cmd::WindowCascade: m_area->cascadeSubWindows(); return true;
    case cmd::WindowTile: m_area->tileSubWindows(); return true;
    case cmd::WindowArrange: ArrangeIcons(); return true;
    default: return false;
    }
}

void MainFrame::ToggleBar(QWidget* bar, bool& lastChosen) {
    lastChosen = bar->isHidden();
    bar->setVisible(lastChosen);
}

void MainFrame::ArrangeIcons() {
    // Minimised windows line up along the bottom edge of the MDI area.
    int x = 0;
    const int bottom = m_area->viewport()->height();
    for (QMdiSubWindow* w : m_area->subWindowList()) {
        if (!w->isMinimized() || w->isHidden()) continue;
        w->move(x, bottom - w->height());
        x += w->width();
    }
}

// --- layout and placement ------------------------------------------------------------------------

void MainFrame::SaveBarLayout() {
    m_settings.WriteProfileString(kLayoutSection, "Bars", saveState().toBase64().toStdString());
    m_settings.WriteProfileInt(kLayoutSection, "StatusBar", statusBar()->isHidden() ? 0 : 1);
}

void MainFrame::RestoreBarLayout() {
    const std::string bars = m_settings.GetProfileString(kLayoutSection, "Bars", "");
    if (!bars.empty()) restoreState(QByteArray::fromBase64(QByteArray::fromStdString(bars)));
    statusBar()->setVisible(m_settings.GetProfileInt(kLayoutSection, "StatusBar", 1) != 0);
}

void MainFrame::ApplyPlacement(const WindowPlacement& placement) {
    QList<QRect> screens;
    if (QScreen* primary = QGuiApplication::primaryScreen()) screens << primary->availableGeometry();
    for (QScreen* screen : QGuiApplication::screens())
        if (screen != QGuiApplication::primaryScreen()) screens << screen->availableGeometry();
    const QRect rect = UsableNormalRect(placement, screens);
    move(rect.topLeft());
    resize(rect.size());
    m_startMaximized = StartsMaximized(placement);
    m_minimizedPosition = QPoint(placement.minX, placement.minY);
}

void MainFrame::ShowPlaced() {
    if (m_startMaximized)
        showMaximized();
    else
        show();
}

WindowPlacement MainFrame::CurrentPlacement() const {
    WindowPlacement p;
    p.flags = 0;
    p.showCmd = isMaximized() ? SW_SHOWMAXIMIZED_ : isMinimized() ? 2 : SW_SHOWNORMAL_;
    p.minX = m_minimizedPosition.x();
    p.minY = m_minimizedPosition.y();
    // The outer top-left (as move() takes it) and the inner size (as resize() takes it), so
    // the window comes back exactly where it was.
    const bool normal = !isMaximized() && !isMinimized();
    const QRect inner = normal ? geometry() : normalGeometry();
    const QPoint decoration = geometry().topLeft() - frameGeometry().topLeft();
    const QPoint outerTopLeft = inner.topLeft() - decoration;
    p.left = outerTopLeft.x();
    p.top = outerTopLeft.y();
    p.right = p.left + inner.width();
    p.bottom = p.top + inner.height();
    return p;
}

// --- closing and dropped files ---------------------------------------------------------------------

void MainFrame::closeEvent(QCloseEvent* event) {
    // A run that only printed leaves the user's layout and placement alone.
    if (!IsPrintMode()) {
        SaveBarLayout();
        WritePlacement(m_settings, CurrentPlacement());
    }
    if (!m_documents->SaveAllModified()) {
        event->ignore();
        return;
    }
    m_documents->CloseAllDocuments();
    m_updateTimer->stop();
    emit documentsClosedCleanly();
    event->accept();
}

void MainFrame::dragEnterEvent(QDragEnterEvent* event) {
    if (!LocalFiles(event->mimeData()).isEmpty()) event->acceptProposedAction();
}

void MainFrame::dropEvent(QDropEvent* event) {
    const QStringList files = LocalFiles(event->mimeData());
    if (files.isEmpty()) return;
    event->acceptProposedAction();
    activateWindow();
    for (const QString& file : files) m_documents->OpenDocumentFile(PathFromQString(file));
    emit filesDropped(files);
}
