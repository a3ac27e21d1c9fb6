// Autosave snapshots and their recovery after a crash.
//
// The autosave folder holds one subfolder per running program ("session-XXXXXX"), with a
// file "lock" that the program keeps locked (flock) for its lifetime. A session folder
// whose lock nobody holds belongs to a program that ended without cleaning up: its
// snapshots are the recoverable documents. Each snapshot is one file, written atomically:
// a small header (the document's path and title, the time of the autosave) followed by the
// document's bytes exactly as its file would hold them.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

class CArdoDoc;
struct Services;

// What a snapshot says about its document.
struct AutosaveInfo {
    std::string path;     // where the document was saved or opened; empty for a new one
    std::string title;    // the title its window showed
    int64_t savedAt = 0;  // when the snapshot was written, seconds since 1970 (UTC)
};

// A snapshot: the header followed by the document's bytes.
std::vector<uint8_t> EncodeAutosave(const AutosaveInfo& info, std::span<const uint8_t> documentBytes);
// Splits a snapshot into its header and the document's bytes (a view into bytes). Throws
// CArchiveException for anything that is not a whole snapshot.
AutosaveInfo DecodeAutosave(std::span<const uint8_t> bytes, std::span<const uint8_t>& documentBytes);

// Snapshots larger than this are not read.
constexpr uint64_t kMaxAutosaveBytes = uint64_t(1) << 30;

// The running program's own session folder, created and locked on construction.
class AutosaveSession {
public:
    // Creates the autosave folder (private to the user) when it is missing and a new session
    // folder in it. Throws CFileException.
    explicit AutosaveSession(const std::string& root);
    // Releases the lock. Snapshots that are still there stay recoverable; an empty session
    // folder is removed.
    ~AutosaveSession();
    AutosaveSession(const AutosaveSession&) = delete;
    AutosaveSession& operator=(const AutosaveSession&) = delete;

    const std::string& Folder() const { return m_folder; }
    // The snapshot file of a document key (letters, digits, '-' and '_').
    std::string SnapshotPath(const std::string& key) const;

    // Replaces the document's snapshot atomically. Throws CFileException.
    void Write(const std::string& key, std::span<const uint8_t> snapshot);
    // Removes the document's snapshot; nothing when there is none.
    void Remove(const std::string& key);
    // Removes every snapshot of this session (the program ends cleanly).
    void RemoveAll();

private:
    std::string m_folder;
    int m_lockFd = -1;
};

// One file found among the snapshots of ended programs.
struct AutosaveEntry {
    std::string file;          // its path
    AutosaveInfo info;         // what its header says; empty when it has none
    bool recoverable = false;  // the header and the whole document read without error
};

// The snapshots of programs that ended without cleaning up. Their session folders are
// claimed (locked) while this object lives, so that a second program starting at the same
// time does not offer them too.
class AutosaveRecovery {
public:
    // Looks through root; every snapshot is read as an untrusted document with a document
    // that speaks through services. Never throws for what it finds in the folder.
    AutosaveRecovery(const std::string& root, Services& services);
    // Releases the claimed folders; what was neither recovered nor discarded stays for the
    // next start. Folders left empty are removed.
    ~AutosaveRecovery();
    AutosaveRecovery(const AutosaveRecovery&) = delete;
    AutosaveRecovery& operator=(const AutosaveRecovery&) = delete;

    // The recoverable entries first.
    const std::vector<AutosaveEntry>& Entries() const { return m_entries; }
    // Reads entry index into doc (as CArdoDoc::LoadFromBytes does); throws on damage.
    void Load(size_t index, CArdoDoc& doc) const;
    // Deletes the entry's file; the entry stays listed with its file gone.
    void Discard(size_t index);

private:
    struct Claim {
        std::string folder;
        int lockFd = -1;
    };
    void Examine(const std::string& file, Services& services, bool inSession);

    std::vector<Claim> m_claims;
    std::vector<AutosaveEntry> m_entries;
};
