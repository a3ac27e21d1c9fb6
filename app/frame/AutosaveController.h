// Autosave in the shell: every modified document is written at the interval of the setting
// "Autosave/IntervalSeconds" (default 120, 0 off) into the running program's own folder
// under the autosave folder. The document's bytes are taken in the window's thread (the
// document is not shared); the file is written by a worker, so the window never waits for
// the disk; a snapshot that would not change is not written again. A document closed cleanly (saved, or its changes
// discarded) loses its snapshot; so does one that is saved. At start the snapshots of programs that ended without
// cleaning up are offered for recovery. The command "Optionen..." sets the interval.
#pragma once

#include "app/frame/CommandTarget.h"

#include <QObject>
#include <QThreadPool>
#include <QTimer>

#include <map>
#include <memory>
#include <string>

class AutosaveSession;
class CArdoDoc;
class DocumentManager;
class ISettingsStore;
class QWidget;

class AutosaveController : public QObject, public CommandTarget {
    Q_OBJECT
public:
    static constexpr int kDefaultIntervalSeconds = 120;

    // The autosave folder of the user: the application's data folder + "/autosave".
    static std::string DefaultFolder();

    // folder: where snapshots go; empty turns autosave and recovery off (the command
    // "Optionen..." still works). A folder that cannot be made is reported in the status bar.
    AutosaveController(DocumentManager& documents, ISettingsStore& settings, const std::string& folder,
                       QWidget* dialogParent, QObject* parent = nullptr);
    ~AutosaveController() override;

    // The interval from the settings; values the dialog would refuse count as the default.
    int IntervalSeconds() const;
    // Stores the interval and restarts the timer with it.
    void SetIntervalSeconds(int seconds);
    bool TimerActive() const { return m_timer.isActive(); }

    // Takes every modified document's bytes now and hands them to the writer; drops the
    // snapshots of documents no longer modified.
    void AutosaveNow();
    // Waits until the writer is idle.
    void WaitForWrites();
    // The program ends cleanly: every document was saved or its changes discarded.
    void EndCleanly();

    // Offers the snapshots of ended programs; returns how many documents were recovered.
    int OfferRecovery();

    // The snapshot file a document has in this session; empty when it has none.
    std::string SnapshotOf(const CArdoDoc& doc) const;
    // The last failure of a write, as shown in the status bar; empty when none.
    std::string LastError() const { return m_lastError; }

    // CommandTarget: "Optionen...".
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    struct Tracked;
    Tracked& Track(const std::shared_ptr<CArdoDoc>& doc);
    // Forgets closed documents and drops the snapshots of unmodified ones.
    void FollowDocuments();
    void QueueRemove(const std::string& key);
    void ReportFailure(const std::string& title);
    // Writes doc's snapshot before returning; false when it could not be written.
    bool WriteNow(const std::shared_ptr<CArdoDoc>& doc);

    DocumentManager& m_documents;
    ISettingsStore& m_settings;
    std::string m_folder;
    QWidget* m_dialogParent;
    std::unique_ptr<AutosaveSession> m_session;
    std::map<const CArdoDoc*, std::unique_ptr<Tracked>> m_tracked;
    int m_nextKey = 1;
    std::string m_lastError;
    QTimer m_timer;
    // What each snapshot holds; touched by the writer, or while it is idle.
    std::map<std::string, size_t> m_written;
    QThreadPool m_writer;  // one thread: writes and removals happen in the order queued
};
