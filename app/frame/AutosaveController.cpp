#include "app/frame/AutosaveController.h"

#include "app/SplashWindow.h"
#include "app/dialogs/OptionsDialog.h"
#include "app/dialogs/RecoveryDialog.h"
#include "app/frame/CommandHooks.h"
#include "app/frame/DocumentManager.h"
#include "commands/CommandIds.h"
#include "document/ArdoDoc.h"
#include "document/AutosaveStore.h"
#include "document/DocumentFile.h"
#include "platform/Services.h"
#include "platform/StringTable.h"

#include <QStandardPaths>
#include <QWidget>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <exception>
#include <functional>
#include <string_view>

namespace {
constexpr const char* kSection = "Autosave";
constexpr const char* kIntervalKey = "IntervalSeconds";
constexpr int IDS_AUTOSAVE_FAILED = 41301;
constexpr int IDS_AUTOSAVE_UNREADABLE = 41302;
constexpr int IDS_AUTOSAVE_NO_FOLDER = 41303;

AutosaveInfo InfoOf(const CArdoDoc& doc) { return {doc.GetPathName(), doc.GetTitle(), int64_t(std::time(nullptr))}; }

// What a snapshot holds, so that an unchanged document is not written again.
size_t Fingerprint(const AutosaveInfo& info, const std::vector<uint8_t>& bytes) {
    const std::hash<std::string_view> hash;
    size_t print = hash(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
    print = print * 1000003 ^ hash(info.path);
    return print * 1000003 ^ hash(info.title);
}
}  // namespace

struct AutosaveController::Tracked {
    std::weak_ptr<CArdoDoc> doc;
    std::string key;
    bool hasSnapshot = false;
    // The document's count when its snapshot was taken; none after a failed write.
    uint64_t changeCount = kNoCount;
    static constexpr uint64_t kNoCount = UINT64_MAX;
};

std::string AutosaveController::DefaultFolder() {
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (data.isEmpty()) return {};
    return (data + QStringLiteral("/autosave")).toStdString();
}

AutosaveController::AutosaveController(DocumentManager& documents, ISettingsStore& settings, const std::string& folder,
                                       QWidget* dialogParent, QObject* parent)
    : QObject(parent), m_documents(documents), m_settings(settings), m_folder(folder), m_dialogParent(dialogParent) {
    m_writer.setMaxThreadCount(1);
    m_writer.setExpiryTimeout(-1);
    if (!m_folder.empty()) {
        try {
            m_session = std::make_unique<AutosaveSession>(m_folder);
        } catch (const std::exception& e) {
            std::fprintf(stderr, "kovel: %s\n", e.what());
            AppServices().status->SetPaneText(kPanePrompt, FormatString1(IDS_AUTOSAVE_NO_FOLDER, m_folder));
        }
    }
    connect(&m_timer, &QTimer::timeout, this, &AutosaveController::AutosaveNow);
    connect(&m_documents, &DocumentManager::documentsChanged, this, &AutosaveController::FollowDocuments);
    SetIntervalSeconds(IntervalSeconds());
    AddApplicationTarget(this);
}

AutosaveController::~AutosaveController() {
    RemoveApplicationTarget(this);
    m_timer.stop();
    m_writer.waitForDone();
}

int AutosaveController::IntervalSeconds() const {
    const int stored = m_settings.GetProfileInt(kSection, kIntervalKey, kDefaultIntervalSeconds);
    return ParseAutosaveInterval(std::to_string(stored)) ? stored : kDefaultIntervalSeconds;
}

void AutosaveController::SetIntervalSeconds(int seconds) {
    if (seconds != m_settings.GetProfileInt(kSection, kIntervalKey, kDefaultIntervalSeconds))
        m_settings.WriteProfileInt(kSection, kIntervalKey, seconds);
    if (seconds > 0 && m_session)
        m_timer.start(seconds * 1000);
    else
        m_timer.stop();
}

AutosaveController::Tracked& AutosaveController::Track(const std::shared_ptr<CArdoDoc>& doc) {
    auto& tracked = m_tracked[doc.get()];
    if (!tracked || tracked->doc.lock() != doc) {
        tracked = std::make_unique<Tracked>();
        tracked->doc = doc;
        tracked->key = "doc" + std::to_string(m_nextKey++);
    }
    return *tracked;
}

void AutosaveController::AutosaveNow() {
    if (!m_session) return;
    FollowDocuments();
    for (const auto& doc : m_documents.Documents()) {
        // A gesture still under way is saved once it ends.
        if (!doc->IsModified() || doc->IsChanging()) continue;
        Tracked& tracked = Track(doc);
        // Unchanged since the last snapshot: not even serialized again.
        if (tracked.hasSnapshot && tracked.changeCount == doc->ChangeCount()) continue;
        std::vector<uint8_t> bytes;
        try {
            bytes = doc->SaveToBytes();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "kovel: autosave of %s: %s\n", doc->GetTitle().c_str(), e.what());
            ReportFailure(doc->GetTitle());
            continue;
        }
        tracked.hasSnapshot = true;
        tracked.changeCount = doc->ChangeCount();
        m_writer.start(
            [this, session = m_session.get(), key = tracked.key, info = InfoOf(*doc), bytes = std::move(bytes)] {
                const size_t print = Fingerprint(info, bytes);
                if (auto it = m_written.find(key); it != m_written.end() && it->second == print) return;
                try {
                    session->Write(key, EncodeAutosave(info, bytes));
                    m_written[key] = print;
                } catch (const std::exception& e) {
                    m_written.erase(key);
                    std::fprintf(stderr, "kovel: autosave of %s: %s\n", info.title.c_str(), e.what());
                    QMetaObject::invokeMethod(this, [this, key, title = info.title] {
                        for (auto& entry : m_tracked)
                            if (entry.second->key == key) entry.second->changeCount = Tracked::kNoCount;
                        ReportFailure(title);
                    });
                }
            });
    }
}

void AutosaveController::FollowDocuments() {
    const auto open = m_documents.Documents();
    for (auto it = m_tracked.begin(); it != m_tracked.end();) {
        const auto doc = it->second->doc.lock();
        const bool stillOpen = doc && std::find(open.begin(), open.end(), doc) != open.end();
        if (!stillOpen || !doc->IsModified()) {
            // Closed cleanly, or saved: its snapshot would only offer old work again.
            if (it->second->hasSnapshot) QueueRemove(it->second->key);
            it->second->hasSnapshot = false;
        }
        it = stillOpen ? std::next(it) : m_tracked.erase(it);
    }
}

void AutosaveController::QueueRemove(const std::string& key) {
    if (!m_session) return;
    m_writer.start([this, session = m_session.get(), key] {
        m_written.erase(key);
        session->Remove(key);
    });
}

void AutosaveController::ReportFailure(const std::string& title) {
    m_lastError = FormatString1(IDS_AUTOSAVE_FAILED, title);
    AppServices().status->SetPaneText(kPanePrompt, m_lastError);
}

void AutosaveController::WaitForWrites() { m_writer.waitForDone(); }

void AutosaveController::EndCleanly() {
    m_timer.stop();
    m_writer.waitForDone();
    if (m_session) m_session->RemoveAll();
    m_tracked.clear();
    m_written.clear();
}

std::string AutosaveController::SnapshotOf(const CArdoDoc& doc) const {
    auto it = m_tracked.find(&doc);
    if (it == m_tracked.end() || !it->second->hasSnapshot || !m_session) return {};
    return m_session->SnapshotPath(it->second->key);
}

bool AutosaveController::WriteNow(const std::shared_ptr<CArdoDoc>& doc) {
    if (!m_session) return false;
    Tracked& tracked = Track(doc);
    m_writer.waitForDone();
    try {
        const AutosaveInfo info = InfoOf(*doc);
        const std::vector<uint8_t> bytes = doc->SaveToBytes();
        m_session->Write(tracked.key, EncodeAutosave(info, bytes));
        m_written[tracked.key] = Fingerprint(info, bytes);
        tracked.hasSnapshot = true;
        tracked.changeCount = doc->ChangeCount();
        return true;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "kovel: autosave of %s: %s\n", doc->GetTitle().c_str(), e.what());
        ReportFailure(doc->GetTitle());
        return false;
    }
}

int AutosaveController::OfferRecovery() {
    if (m_folder.empty()) return 0;
    AutosaveRecovery recovery(m_folder, AppServices());
    if (recovery.Entries().empty()) return 0;
    int recovered = 0;
    auto restore = [&](size_t i) {
        const AutosaveEntry& entry = recovery.Entries()[i];
        auto doc = std::make_shared<CArdoDoc>();
        doc->OnNewDocument();
        try {
            recovery.Load(i, *doc);
        } catch (...) {
            AppServices().messages->MessageBox(FormatString1(IDS_AUTOSAVE_UNREADABLE, entry.info.title),
                                               LoadString(IDS_APP_TITLE), MB_OK | MB_ICONEXCLAMATION);
            return false;
        }
        // The document comes back as the user had it: under its name and path, so that
        // "Speichern" writes where it was, and modified, since its changes were never saved.
        doc->SetPathName(entry.info.path);
        std::string title = entry.info.title.empty() ? FileTitleOf(entry.info.path) : entry.info.title;
        doc->SetTitle(title.empty() ? "Kovel" : title);
        doc->SetModifiedFlag(true);
        m_documents.OpenRecovered(doc);
        // The old snapshot goes only once the work is safe in this program's own.
        if (WriteNow(doc)) recovery.Discard(i);
        ++recovered;
        return true;
    };
    auto discard = [&](size_t i) { recovery.Discard(i); };
    RecoveryDialog dialog(recovery.Entries(), restore, discard, m_dialogParent);
    // The start-up picture would cover the question and swallow the first click on it.
    SplashWindow::CloseSplash();
    dialog.exec();
    return recovered;
}

bool AutosaveController::OnUpdateCommand(int id, CommandState&) { return id == cmd::FileOptions; }

bool AutosaveController::OnCommand(int id) {
    if (id != cmd::FileOptions) return false;
    OptionsDialog dialog(IntervalSeconds(), m_dialogParent);
    if (dialog.exec() == QDialog::Accepted) SetIntervalSeconds(dialog.IntervalSeconds());
    return true;
}
