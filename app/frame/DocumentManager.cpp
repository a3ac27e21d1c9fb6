#include "app/frame/DocumentManager.h"

#include "app/RecentFileList.h"
#include "app/frame/CommandHooks.h"
#include "app/frame/FileDialogs.h"
#include "app/frame/ViewWindows.h"
#include "document/ArdoDoc.h"
#include "document/SaveNaming.h"
#include "plan/FileReaders.h"
#include "platform/Services.h"
#include "platform/StringTable.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>

#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <filesystem>

namespace {
constexpr int IDS_ASK_TO_SAVE = 61699;      // "Änderungen in %1 speichern?"
constexpr int IDS_SCALE_INDICATOR = 57460;  // "M 1:1", pane 2 without a document
constexpr const char* kDocumentName = "Kovel";

std::string FileNamePart(const std::string& path) {
    const auto slash = path.find_last_of("/\\");
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The absolute, cleaned name, byte for byte: names that are not UTF-8 stay as they are.
std::string AbsolutePath(const std::string& path) {
    std::error_code ec;
    const std::filesystem::path absolute = std::filesystem::absolute(path, ec);
    return ec ? path : absolute.lexically_normal().string();
}

class WaitCursor {
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
};
}  // namespace

std::string PathWithoutPlanExtension(const std::string& path) {
    const auto dot = path.rfind('.');
    if (path.size() <= 4 || dot == std::string::npos) return path;
    std::string ext = path.substr(dot);
    std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return ext == ".cap" ? path.substr(0, dot) : path;
}

struct DocumentManager::Entry {
    std::shared_ptr<CArdoDoc> doc;
    std::vector<std::unique_ptr<CommandTarget>> targets;
    std::vector<QMdiSubWindow*> windows;
    bool closing = false;  // windows close without asking
};

DocumentManager::DocumentManager(QMdiArea* area, IFileDialogs& dialogs, RecentFileList& recent, QObject* parent)
    : QObject(parent), m_area(area), m_dialogs(dialogs), m_recent(recent) {
    AddFileReaders(m_formats);
    connect(m_area, &QMdiArea::subWindowActivated, this, [this] { emit documentsChanged(); });
}

DocumentManager::~DocumentManager() {
    // The windows may outlive this object inside the MDI area; stop listening to them.
    DetachWindows();
}

DocumentManager::Entry* DocumentManager::EntryOf(const CArdoDoc* doc) const {
    for (auto& e : m_entries)
        if (e->doc.get() == doc) return e.get();
    return nullptr;
}

DocumentManager::Entry* DocumentManager::EntryOfWindow(const QMdiSubWindow* window) const {
    for (auto& e : m_entries)
        if (std::find(e->windows.begin(), e->windows.end(), window) != e->windows.end()) return e.get();
    return nullptr;
}

DocumentManager::Entry& DocumentManager::AddEntry(std::shared_ptr<CArdoDoc> doc) {
    auto entry = std::make_unique<Entry>();
    entry->doc = std::move(doc);
    for (const DocumentTargetFactory& factory : DocumentTargetFactories())
        if (auto target = factory(entry->doc)) entry->targets.push_back(std::move(target));
    m_entries.push_back(std::move(entry));
    return *m_entries.back();
}

QMdiSubWindow* DocumentManager::CreateWindow(Entry& entry) {
    QWidget* view = MakeViewWindow(entry.doc, nullptr);
    QMdiSubWindow* window = m_area->addSubWindow(view);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->installEventFilter(this);
    entry.windows.push_back(window);
    connect(window, &QObject::destroyed, this, [this, window] { WindowDestroyed(window); });
    // The frame's caption depends on whether the window is maximised.
    connect(window, &QMdiSubWindow::windowStateChanged, this, [this] { emit documentsChanged(); });
    return window;
}

void DocumentManager::ShowWindow(QMdiSubWindow* window) {
    // The first window fills the area; later ones follow the state of the current one.
    QMdiSubWindow* current = m_area->currentSubWindow();
    const bool maximize = !current || current == window || current->isMaximized();
    UpdateCaptions();
    if (maximize)
        window->showMaximized();
    else {
        window->resize(m_area->size() * 2 / 3);
        window->show();
    }
    m_area->setActiveSubWindow(window);
    emit documentsChanged();
}

void DocumentManager::DetachWindows() {
    for (const auto& entry : m_entries) {
        for (QMdiSubWindow* window : entry->windows) {
            window->removeEventFilter(this);
            disconnect(window, nullptr, this, nullptr);
        }
        entry->windows.clear();
    }
}

void DocumentManager::WindowDestroyed(QMdiSubWindow* window) {
    Entry* entry = EntryOfWindow(window);
    if (!entry) return;
    entry->windows.erase(std::remove(entry->windows.begin(), entry->windows.end(), window), entry->windows.end());
    if (entry->windows.empty()) RemoveEntry(entry->doc.get());
    UpdateCaptions();
    emit documentsChanged();
}

void DocumentManager::RemoveEntry(const CArdoDoc* doc) {
    m_entries.erase(
        std::remove_if(m_entries.begin(), m_entries.end(), [doc](const auto& e) { return e->doc.get() == doc; }),
        m_entries.end());
}

std::shared_ptr<CArdoDoc> DocumentManager::NewDocument() {
    auto doc = std::make_shared<CArdoDoc>();
    if (!doc->OnNewDocument()) return nullptr;
    doc->SetTitle(kDocumentName + std::to_string(++m_untitledCount));
    Entry& entry = AddEntry(doc);
    ShowWindow(CreateWindow(entry));
    return doc;
}

std::shared_ptr<CArdoDoc> DocumentManager::OpenDocumentFile(const std::string& requested) {
    if (requested.empty()) return nullptr;
    const std::string path = AbsolutePath(requested);
    const std::string pathName = PathWithoutPlanExtension(path);
    const bool isPlan = pathName != path;

    // A document already open under this name gets its window back (plans are read anew).
    if (!isPlan)
        for (auto& e : m_entries)
            if (e->doc->GetPathName() == path && !e->windows.empty()) {
                m_area->setActiveSubWindow(e->windows.front());
                return e->doc;
            }

    // The document is read before its first window exists: the window's first update sees
    // the finished document (and prints it at once in print mode).
    auto doc = std::make_shared<CArdoDoc>();
    bool ok = false;
    {
        WaitCursor wait;
        ok = doc->OnOpenDocument(path, m_formats, m_afterImport);
    }
    if (!ok) {
        // Reading wrote the refused file's scale into the status bar: the window that stays
        // active gets its own back.
        if (auto active = ActiveDocument())
            active->UpdateScaleText();
        else
            AppServices().status->SetPaneText(kPaneScale, LoadString(IDS_SCALE_INDICATOR));
        return nullptr;
    }
    doc->SetPathName(pathName);
    doc->SetTitle(DisplayNameOf(FileNamePart(pathName)));
    if (!isPlan) AddToRecentFiles(path);
    Entry& entry = AddEntry(doc);
    ShowWindow(CreateWindow(entry));
    return doc;
}

void DocumentManager::OpenRecovered(const std::shared_ptr<CArdoDoc>& doc) {
    Entry& entry = AddEntry(doc);
    ShowWindow(CreateWindow(entry));
}

QMdiSubWindow* DocumentManager::NewWindow(const std::shared_ptr<CArdoDoc>& doc) {
    Entry* entry = doc ? EntryOf(doc.get()) : nullptr;
    if (!entry) return nullptr;
    QMdiSubWindow* window = CreateWindow(*entry);
    ShowWindow(window);
    return window;
}

bool DocumentManager::SaveModified(CArdoDoc& doc) {
    if (!doc.IsModified()) return true;
    const int answer = AppServices().messages->MessageBox(
        FormatString1(IDS_ASK_TO_SAVE, doc.GetTitle()), LoadString(IDS_APP_TITLE), MB_YESNOCANCEL | MB_ICONEXCLAMATION);
    if (answer == IDCANCEL) return false;
    if (answer == IDYES) return DoFileSave(doc);
    return true;
}

bool DocumentManager::DoFileSave(CArdoDoc& doc) {
    // A document whose file is there and writable saves in place, else "Speichern unter" asks.
    struct stat st {};
    const std::string& path = doc.GetPathName();
    const bool direct =
        !path.empty() && ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), W_OK) == 0;
    return DoSave(doc, direct ? doc.GetPathName() : std::string(), true);
}

bool DocumentManager::DoSave(CArdoDoc& doc, const std::string& path, bool bReplace) {
    std::string name = path;
    if (name.empty()) {
        const std::string proposed = ProposeSaveName("", doc.GetPathName(), doc.GetTitle(), bReplace);
        name = m_dialogs.AskSaveFileName(m_area->window(), proposed, bReplace);
        if (name.empty()) return false;
    }
    bool ok = false;
    {
        WaitCursor wait;
        ok = doc.OnSaveDocument(name);
    }
    // The document writes through a temporary file, so a failed save leaves nothing to
    // delete and the previous file intact.
    if (!ok) return false;
    if (bReplace) {
        const std::string absolute = AbsolutePath(name);
        doc.SetPathName(absolute);
        doc.SetTitle(DisplayNameOf(FileNamePart(absolute)));
        AddToRecentFiles(absolute);
        UpdateCaptions();
        emit documentsChanged();
    }
    return true;
}

bool DocumentManager::CloseDocument(CArdoDoc& doc) {
    Entry* entry = EntryOf(&doc);
    if (!entry) return true;
    if (!SaveModified(doc)) return false;
    entry->closing = true;
    const auto windows = entry->windows;  // closing removes them from the entry
    for (QMdiSubWindow* w : windows) w->close();
    return true;
}

bool DocumentManager::SaveAllModified() {
    for (const auto& doc : Documents())
        if (!SaveModified(*doc)) return false;
    return true;
}

void DocumentManager::CloseAllDocuments() {
    for (const auto& doc : Documents()) {
        Entry* entry = EntryOf(doc.get());
        if (!entry) continue;
        entry->closing = true;
        const auto windows = entry->windows;
        for (QMdiSubWindow* w : windows) w->close();
    }
}

bool DocumentManager::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Close) {
        auto* window = qobject_cast<QMdiSubWindow*>(watched);
        Entry* entry = window ? EntryOfWindow(window) : nullptr;
        // Closing the last window of a document closes the document: ask first.
        if (entry && !entry->closing && entry->windows.size() == 1) {
            if (!SaveModified(*entry->doc)) {
                event->ignore();
                return true;
            }
            entry->closing = true;
        }
    }
    return QObject::eventFilter(watched, event);
}

std::shared_ptr<CArdoDoc> DocumentManager::ActiveDocument() const {
    Entry* entry = EntryOfWindow(ActiveWindow());
    return entry ? entry->doc : nullptr;
}

QMdiSubWindow* DocumentManager::ActiveWindow() const { return m_area->currentSubWindow(); }

std::vector<std::shared_ptr<CArdoDoc>> DocumentManager::Documents() const {
    std::vector<std::shared_ptr<CArdoDoc>> docs;
    for (auto& e : m_entries) docs.push_back(e->doc);
    return docs;
}

std::vector<QMdiSubWindow*> DocumentManager::WindowsOf(const CArdoDoc& doc) const {
    Entry* entry = EntryOf(&doc);
    return entry ? entry->windows : std::vector<QMdiSubWindow*>{};
}

std::vector<CommandTarget*> DocumentManager::DocumentTargets(const CArdoDoc& doc) const {
    std::vector<CommandTarget*> targets;
    if (Entry* entry = EntryOf(&doc))
        for (auto& t : entry->targets) targets.push_back(t.get());
    return targets;
}

QString DocumentManager::WindowCaption(QMdiSubWindow* window) const {
    Entry* entry = EntryOfWindow(window);
    if (!entry) return {};
    QString caption = QString::fromStdString(entry->doc->GetTitle());
    if (entry->windows.size() > 1) {
        const auto pos = std::find(entry->windows.begin(), entry->windows.end(), window) - entry->windows.begin();
        caption += QStringLiteral(":%1").arg(pos + 1);
    }
    // A document that differs from its file says so; undoing back to the file clears it.
    if (entry->doc->IsModified()) caption += QStringLiteral(" *");
    return caption;
}

void DocumentManager::UpdateCaptions() {
    for (auto& e : m_entries)
        for (QMdiSubWindow* w : e->windows) w->setWindowTitle(WindowCaption(w));
}

void DocumentManager::AddToRecentFiles(const std::string& path) {
    m_recent.Add(path);
    m_recent.Save(*AppServices().settings);
    emit recentFilesChanged();
}
