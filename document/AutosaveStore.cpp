#include "document/AutosaveStore.h"

#include "document/ArdoDoc.h"
#include "document/DocumentFile.h"
#include "platform/Archive.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <filesystem>

namespace fs = std::filesystem;

namespace {

constexpr char kMagic[] = "KOVEL-AUTOSAVE\n";
constexpr size_t kMagicSize = sizeof kMagic - 1;
constexpr uint32_t kFormatVersion = 1;
constexpr uint32_t kMaxHeaderText = 64 * 1024;  // a path or a title
constexpr char kSessionPrefix[] = "session-";
constexpr char kSnapshotSuffix[] = ".autosave";
constexpr char kLockName[] = "lock";

void PutU32(std::vector<uint8_t>& out, uint32_t v) {
    for (int i = 0; i < 4; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

void PutU64(std::vector<uint8_t>& out, uint64_t v) {
    for (int i = 0; i < 8; ++i) out.push_back(uint8_t(v >> (8 * i)));
}

void PutText(std::vector<uint8_t>& out, const std::string& text) {
    PutU32(out, uint32_t(std::min<size_t>(text.size(), kMaxHeaderText)));
    out.insert(out.end(), text.begin(), text.begin() + std::min<size_t>(text.size(), kMaxHeaderText));
}

// Reads the header fields from the front of a byte span, refusing to read past its end.
class HeaderReader {
public:
    explicit HeaderReader(std::span<const uint8_t> bytes) : m_bytes(bytes) {}
    std::span<const uint8_t> Take(size_t n) {
        if (n > m_bytes.size() - m_pos) throw CArchiveException(CArchiveException::endOfFile, "autosave cut off");
        auto part = m_bytes.subspan(m_pos, n);
        m_pos += n;
        return part;
    }
    uint64_t Number(size_t size) {
        uint64_t v = 0;
        const auto part = Take(size);
        for (size_t i = 0; i < size; ++i) v |= uint64_t(part[i]) << (8 * i);
        return v;
    }
    std::string Text() {
        const uint32_t size = uint32_t(Number(4));
        if (size > kMaxHeaderText) throw CArchiveException(CArchiveException::badSchema, "autosave text too long");
        const auto part = Take(size);
        return std::string(part.begin(), part.end());
    }
    std::span<const uint8_t> Rest() const { return m_bytes.subspan(m_pos); }

private:
    std::span<const uint8_t> m_bytes;
    size_t m_pos = 0;
};

[[noreturn]] void ThrowErrno(int error, const std::string& path, const char* what) {
    throw CFileException(CFileException::CauseFromErrno(error), error, path,
                         std::string(what) + " " + path + ": " + std::strerror(error));
}

bool StartsWith(const std::string& s, const char* prefix) { return s.rfind(prefix, 0) == 0; }

bool EndsWith(const std::string& s, const char* suffix) {
    const size_t n = std::strlen(suffix);
    return s.size() >= n && s.compare(s.size() - n, n, suffix) == 0;
}

// Opens and locks a session folder's lock file; -1 when another program holds it (or it
// cannot be opened).
int LockFolder(const std::string& folder) {
    const std::string lock = folder + "/" + kLockName;
    const int fd = ::open(lock.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
    if (fd < 0) return -1;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// The files of a session folder other than its lock and the temporary files of an
// interrupted write (their names start with a dot).
std::vector<std::string> FolderContents(const std::string& folder) {
    std::vector<std::string> files;
    std::error_code ec;
    for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name == kLockName || StartsWith(name, ".")) continue;
        files.push_back(it->path().string());
    }
    return files;
}

// Removes a locked session folder that holds nothing worth keeping, then releases its lock.
void ReleaseFolder(const std::string& folder, int lockFd) {
    if (FolderContents(folder).empty()) {
        std::error_code ec;
        for (fs::directory_iterator it(folder, ec), end; !ec && it != end; it.increment(ec))
            if (it->path().filename().string() != kLockName) fs::remove(it->path(), ec);
        ::unlink((folder + "/" + kLockName).c_str());
        ::rmdir(folder.c_str());
    }
    if (lockFd >= 0) ::close(lockFd);
}

bool ValidKey(const std::string& key) {
    if (key.empty() || key.size() > 64) return false;
    for (char c : key)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '-' || c == '_')) return false;
    return true;
}

}  // namespace

std::vector<uint8_t> EncodeAutosave(const AutosaveInfo& info, std::span<const uint8_t> documentBytes) {
    std::vector<uint8_t> out;
    out.reserve(documentBytes.size() + info.path.size() + info.title.size() + 64);
    out.resize(kMagicSize);
    std::memcpy(out.data(), kMagic, kMagicSize);
    PutU32(out, kFormatVersion);
    PutU64(out, uint64_t(info.savedAt));
    PutText(out, info.path);
    PutText(out, info.title);
    PutU64(out, documentBytes.size());
    out.insert(out.end(), documentBytes.begin(), documentBytes.end());
    return out;
}

AutosaveInfo DecodeAutosave(std::span<const uint8_t> bytes, std::span<const uint8_t>& documentBytes) {
    HeaderReader reader(bytes);
    const auto magic = reader.Take(kMagicSize);
    if (std::memcmp(magic.data(), kMagic, kMagicSize) != 0)
        throw CArchiveException(CArchiveException::badClass, "not an autosave");
    if (reader.Number(4) != kFormatVersion) throw CArchiveException(CArchiveException::badSchema, "autosave version");
    AutosaveInfo info;
    info.savedAt = int64_t(reader.Number(8));
    info.path = reader.Text();
    info.title = reader.Text();
    const uint64_t size = reader.Number(8);
    if (size != reader.Rest().size()) throw CArchiveException(CArchiveException::endOfFile, "autosave cut off");
    documentBytes = reader.Rest();
    return info;
}

// --- the running program's session -------------------------------------------------------------

AutosaveSession::AutosaveSession(const std::string& root) {
    std::error_code ec;
    fs::create_directories(fs::path(root).parent_path(), ec);
    if (::mkdir(root.c_str(), 0700) != 0 && errno != EEXIST) ThrowErrno(errno, root, "cannot create");
    // The folder is made under a name that recovery ignores and gets its final name only
    // once it is locked, so that no other program ever takes it for the folder of an ended one.
    std::string pending = root + "/.new-XXXXXX";
    if (!::mkdtemp(pending.data())) ThrowErrno(errno, root, "cannot create");
    m_lockFd = LockFolder(pending);
    if (m_lockFd < 0) {
        const int error = errno;
        ::unlink((pending + "/" + kLockName).c_str());
        ::rmdir(pending.c_str());
        ThrowErrno(error ? error : EAGAIN, pending, "cannot lock");
    }
    m_folder = root + "/" + kSessionPrefix + pending.substr(pending.size() - 6);
    if (::rename(pending.c_str(), m_folder.c_str()) != 0) {
        const int error = errno;
        ::unlink((pending + "/" + kLockName).c_str());
        ::rmdir(pending.c_str());
        ::close(m_lockFd);
        ThrowErrno(error, m_folder, "cannot create");
    }
}

AutosaveSession::~AutosaveSession() { ReleaseFolder(m_folder, m_lockFd); }

std::string AutosaveSession::SnapshotPath(const std::string& key) const {
    if (!ValidKey(key)) throw CFileException(CFileException::badPath, 0, key, "bad autosave key " + key);
    return m_folder + "/" + key + kSnapshotSuffix;
}

void AutosaveSession::Write(const std::string& key, std::span<const uint8_t> snapshot) {
    SaveFileAtomically(SnapshotPath(key), snapshot);
}

void AutosaveSession::Remove(const std::string& key) { ::unlink(SnapshotPath(key).c_str()); }

void AutosaveSession::RemoveAll() {
    for (const std::string& file : FolderContents(m_folder)) ::unlink(file.c_str());
}

// --- recovery --------------------------------------------------------------------------------

AutosaveRecovery::AutosaveRecovery(const std::string& root, Services& services) {
    std::error_code ec;
    std::vector<fs::path> items;
    for (fs::directory_iterator it(root, ec), end; !ec && it != end; it.increment(ec)) items.push_back(it->path());
    std::sort(items.begin(), items.end());
    for (const fs::path& item : items) {
        const std::string name = item.filename().string();
        if (StartsWith(name, ".")) continue;  // a program being set up, or a write under way
        std::error_code statError;
        const fs::file_status status = fs::symlink_status(item, statError);
        if (StartsWith(name, kSessionPrefix) && fs::is_directory(status)) {
            const int fd = LockFolder(item.string());
            if (fd < 0) continue;  // a running program's
            m_claims.push_back({item.string(), fd});
            auto files = FolderContents(item.string());
            std::sort(files.begin(), files.end());
            for (const std::string& file : files) Examine(file, services, true);
        } else if (!fs::is_directory(status)) {
            // Nothing the program writes lies here: shown so that it can be discarded.
            Examine(item.string(), services, false);
        }
    }
    // The documents that can come back first, then what can only be discarded.
    std::stable_partition(m_entries.begin(), m_entries.end(), [](const AutosaveEntry& e) { return e.recoverable; });
}

AutosaveRecovery::~AutosaveRecovery() {
    for (const Claim& claim : m_claims) ReleaseFolder(claim.folder, claim.lockFd);
}

void AutosaveRecovery::Examine(const std::string& file, Services& services, bool inSession) {
    AutosaveEntry entry;
    entry.file = file;
    try {
        if (!inSession) throw CArchiveException(CArchiveException::badClass, "not in a session folder");
        struct stat st {};
        if (::lstat(file.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || uint64_t(st.st_size) > kMaxAutosaveBytes ||
            !EndsWith(file, kSnapshotSuffix))
            throw CArchiveException(CArchiveException::badClass, "not an autosave");
        const std::vector<uint8_t> bytes = ReadWholeFile(file);
        std::span<const uint8_t> document;
        entry.info = DecodeAutosave(bytes, document);
        CArdoDoc probe(services);
        probe.LoadFromBytes(document);
        entry.recoverable = true;
    } catch (...) {
        entry.recoverable = false;
    }
    m_entries.push_back(std::move(entry));
}

void AutosaveRecovery::Load(size_t index, CArdoDoc& doc) const {
    const AutosaveEntry& entry = m_entries.at(index);
    struct stat st {};
    if (::lstat(entry.file.c_str(), &st) != 0 || !S_ISREG(st.st_mode) || uint64_t(st.st_size) > kMaxAutosaveBytes)
        throw CArchiveException(CArchiveException::badClass, "not an autosave");
    const std::vector<uint8_t> bytes = ReadWholeFile(entry.file);
    std::span<const uint8_t> document;
    DecodeAutosave(bytes, document);
    doc.LoadFromBytes(document);
}

void AutosaveRecovery::Discard(size_t index) {
    std::error_code ec;
    fs::remove_all(m_entries.at(index).file, ec);
}
