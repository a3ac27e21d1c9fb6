#include "document/DocumentFile.h"

#include "platform/Archive.h"
#include "platform/StringTable.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cctype>
#include <cerrno>
#include <climits>
#include <cstdio>
#include <cstring>
#include <random>

namespace {

constexpr int IDS_FAILED_OPEN = 61697;
constexpr int IDS_FAILED_SAVE = 61698;
constexpr int IDS_ACCESS_READ = 61731;
constexpr int IDS_ACCESS_WRITE = 61732;
constexpr int IDS_IS_FOLDER = 41200;
constexpr int IDS_NOT_REGULAR = 41201;
constexpr int IDS_TOO_LARGE = 41202;
constexpr int IDS_EMPTY_FILE = 41203;
constexpr int IDS_NAME_TOO_LONG = 41204;
constexpr int IDS_DISK_FULL_NAMED = 41205;
constexpr int IDS_FOLDER_DENIED = 41206;

// Symbolic links followed before a save gives up, as the kernel's own limit.
constexpr int kMaxLinkHops = 40;
// A temporary name is "." + stem + "." + 12 hex digits + ".tmp".
constexpr size_t kTemporaryNameExtra = 1 + 1 + 12 + 4;

[[noreturn]] void Throw(CFileException::Cause cause, int error, const std::string& path, const char* what) {
    throw CFileException(cause, error, path, std::string(what) + " " + path + ": " + std::strerror(error));
}

[[noreturn]] void ThrowErrno(int error, const std::string& path, const char* what) {
    Throw(CFileException::CauseFromErrno(error), error, path, what);
}

// Closes a descriptor on every path out of a function.
struct FileDescriptor {
    int fd = -1;
    ~FileDescriptor() {
        if (fd >= 0) ::close(fd);
    }
    int Release() {
        int f = fd;
        fd = -1;
        return f;
    }
};

std::string FolderOf(const std::string& path) {
    const auto slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

void WriteAll(int fd, std::span<const uint8_t> data, const std::string& path, off_t offset = -1) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = offset < 0 ? ::write(fd, data.data() + done, data.size() - done)
                                     : ::pwrite(fd, data.data() + done, data.size() - done, offset + off_t(done));
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowErrno(errno, path, "cannot write");
        }
        done += size_t(n);
    }
}

// The start of a document's name that its temporary names carry: the whole name when it
// leaves room for the rest of a temporary name within NAME_MAX, else its first bytes, cut
// before a UTF-8 continuation byte so that the name stays readable.
std::string TemporaryStem(const std::string& name) {
    const size_t room = NAME_MAX - kTemporaryNameExtra;
    if (name.size() <= room) return name;
    size_t cut = room;
    while (cut > 0 && (uint8_t(name[cut]) & 0xC0) == 0x80) --cut;
    return name.substr(0, cut);
}

// Opens a new, uniquely named file beside path, readable by its owner only until the
// content is complete. The name starts with a dot so that a left-over never looks like a
// document; it is locked while the save runs, so that another save of the same document
// can tell a live temporary file from a left-over.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
    thread_local std::mt19937_64 random{std::random_device{}()};
    const std::string folder = FolderOf(path);
    const std::string stem = TemporaryStem(FileTitleOf(path));
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%012llx.tmp", (unsigned long long)(random() & 0xFFFFFFFFFFFFull));
        tempPath = folder + "/." + stem + suffix;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600);
        if (fd >= 0) {
            ::flock(fd, LOCK_EX | LOCK_NB);
            return fd;
        }
        if (errno == EEXIST) continue;
        const int error = errno;
        if (error == EACCES || error == EPERM || error == EROFS)
            Throw(CFileException::folderDenied, error, path, "cannot create");
        ThrowErrno(error, path, "cannot create");
    }
    ThrowErrno(EEXIST, path, "cannot create");
}

// Removes the temporary files that killed saves of path left in its folder. A file another
// running save still holds locked is left alone.
void RemoveStaleTemporaries(const std::string& path, const std::string& ownTemp) {
    const std::string folder = FolderOf(path), name = FileTitleOf(path), own = FileTitleOf(ownTemp);
    DIR* dir = ::opendir(folder.c_str());
    if (!dir) return;
    while (const dirent* entry = ::readdir(dir)) {
        const std::string candidate = entry->d_name;
        if (candidate == own || !IsTemporaryNameOf(candidate, name)) continue;
        FileDescriptor stale{::openat(::dirfd(dir), entry->d_name, O_RDONLY | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC)};
        struct stat st {};
        if (stale.fd < 0 || ::fstat(stale.fd, &st) != 0 || !S_ISREG(st.st_mode)) continue;
        if (::flock(stale.fd, LOCK_EX | LOCK_NB) == 0) ::unlinkat(::dirfd(dir), entry->d_name, 0);
    }
    ::closedir(dir);
}

// The mode a new file gets: 0666 less the process's umask, read without changing it.
mode_t NewFileMode() {
    mode_t mask = 022;
    if (std::FILE* status = std::fopen("/proc/self/status", "re")) {
        char line[256];
        unsigned value = 0;
        while (std::fgets(line, sizeof line, status))
            if (std::sscanf(line, "Umask: %o", &value) == 1) {
                mask = mode_t(value);
                break;
            }
        std::fclose(status);
    }
    return 0666 & ~mask;
}

// Gives the complete temporary file the replaced file's owner (where the user may: a
// member may keep the group although not the owner) and mode; a new file gets the mode a
// newly created file would.
void TakeOverAttributes(int fd, const struct stat* old) {
    if (!old) {
        ::fchmod(fd, NewFileMode());
        return;
    }
    if (old->st_uid != ::geteuid() || old->st_gid != ::getegid())
        if (::fchown(fd, old->st_uid, old->st_gid) != 0) (void)::fchown(fd, uid_t(-1), old->st_gid);
    ::fchmod(fd, old->st_mode & 07777);
}

// Writes data over a file that has further hard links, so that every name keeps showing the
// document: a rename would give this name a new file and leave the other names on the old
// content, splitting the document silently. The new content is complete and on disk in the
// temporary file before the linked file is touched, so a full disk shows before anything is
// overwritten; a failure on the way puts the previous bytes back before it is reported.
// Only a kill during this copy itself can leave the linked file mixed; the complete new
// content then still lies in the temporary file beside it.
void WriteInPlace(const std::string& target, std::span<const uint8_t> data) {
    const std::vector<uint8_t> previous = ReadWholeFile(target);
    FileDescriptor file{::open(target.c_str(), O_WRONLY | O_CLOEXEC | O_NOFOLLOW)};
    if (file.fd < 0) ThrowErrno(errno, target, "cannot write");
    try {
        WriteAll(file.fd, data, target, 0);
        if (::ftruncate(file.fd, off_t(data.size())) != 0) ThrowErrno(errno, target, "cannot write");
        if (::fsync(file.fd) != 0) ThrowErrno(errno, target, "cannot write");
    } catch (...) {
        try {
            WriteAll(file.fd, previous, target, 0);
        } catch (...) {}
        (void)::ftruncate(file.fd, off_t(previous.size()));
        ::fsync(file.fd);
        throw;
    }
    if (::close(file.Release()) != 0) ThrowErrno(errno, target, "cannot write");
}

}  // namespace

CFileException::Cause CFileException::CauseFromErrno(int error) {
    switch (error) {
    case ENOENT: return fileNotFound;
    case ENAMETOOLONG: return nameTooLong;
    case EISDIR: return isFolder;
    case ENOTDIR:
    case ELOOP: return badPath;
    case EACCES:
    case EPERM:
    case EROFS:
    case ETXTBSY: return accessDenied;
    case ENOSPC:
    case EDQUOT:
    case EFBIG: return diskFull;
    default: return genericException;
    }
}

int OpenRegularFileForReading(const std::string& path, uint64_t maxBytes, uint64_t* size) {
    // O_NONBLOCK: opening a FIFO must not wait for a writer that never comes.
    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
    if (file.fd < 0) ThrowErrno(errno, path, "cannot open");
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) ThrowErrno(errno, path, "cannot open");
    if (S_ISDIR(st.st_mode)) Throw(CFileException::isFolder, EISDIR, path, "cannot open");
    if (!S_ISREG(st.st_mode)) Throw(CFileException::notRegularFile, EINVAL, path, "cannot open");
    if (uint64_t(st.st_size) > maxBytes) Throw(CFileException::tooLarge, EFBIG, path, "cannot open");
    const int flags = ::fcntl(file.fd, F_GETFL);
    if (flags >= 0) ::fcntl(file.fd, F_SETFL, flags & ~O_NONBLOCK);
    if (size) *size = uint64_t(st.st_size);
    return file.Release();
}

std::vector<uint8_t> ReadWholeFile(const std::string& path, uint64_t maxBytes) {
    uint64_t size = 0;
    FileDescriptor file{OpenRegularFileForReading(path, maxBytes, &size)};
    std::vector<uint8_t> bytes;
    bytes.reserve(size_t(size));
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowErrno(errno, path, "cannot read");
        }
        if (n == 0) break;
        // A file that grows while it is read still ends at the limit.
        if (bytes.size() + size_t(n) > maxBytes) Throw(CFileException::tooLarge, EFBIG, path, "cannot read");
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

std::string ResolveSaveTarget(const std::string& path) {
    std::string target = path;
    for (int hop = 0; hop <= kMaxLinkHops; ++hop) {
        struct stat st {};
        if (::lstat(target.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return target;
        std::string link(size_t(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
        const ssize_t n = ::readlink(target.c_str(), link.data(), link.size());
        if (n < 0) ThrowErrno(errno, path, "cannot resolve");
        link.resize(size_t(n));
        target = (link.empty() || link[0] == '/') ? link : FolderOf(target) + "/" + link;
    }
    ThrowErrno(ELOOP, path, "cannot resolve");
}

bool IsTemporaryNameOf(const std::string& name, const std::string& documentName) {
    std::string prefix(1, '.');
    prefix += TemporaryStem(documentName);
    prefix += '.';
    if (name.size() != prefix.size() + 12 + 4 || name.compare(0, prefix.size(), prefix) != 0) return false;
    if (name.compare(name.size() - 4, 4, ".tmp") != 0) return false;
    for (size_t i = prefix.size(); i < prefix.size() + 12; ++i)
        if (!std::isxdigit(uint8_t(name[i])) || std::isupper(uint8_t(name[i]))) return false;
    return true;
}

void SaveFileAtomically(const std::string& path, std::span<const uint8_t> data) {
    // A symbolic link stays; the file it names gets the content. Messages name what the
    // user asked for.
    const std::string target = ResolveSaveTarget(path);
    struct stat old {};
    const bool replaces = ::stat(target.c_str(), &old) == 0;
    if (replaces) {
        if (S_ISDIR(old.st_mode)) Throw(CFileException::isFolder, EISDIR, path, "cannot write");
        if (!S_ISREG(old.st_mode)) Throw(CFileException::notRegularFile, EINVAL, path, "cannot write");
        // A write-protected document stays as it is, although the folder would allow the rename.
        if (::access(target.c_str(), W_OK) != 0) {
            // On a read-only file system it is the folder that takes nothing.
            if (errno == EROFS) Throw(CFileException::folderDenied, EROFS, path, "cannot write");
            ThrowErrno(errno, path, "cannot write");
        }
    }
    if (FileTitleOf(target).size() > NAME_MAX) ThrowErrno(ENAMETOOLONG, path, "cannot write");

    std::string tempPath;
    FileDescriptor file{CreateTemporaryBeside(target, tempPath)};
    try {
        RemoveStaleTemporaries(target, tempPath);
        WriteAll(file.fd, data, path);
        if (::fsync(file.fd) != 0) ThrowErrno(errno, path, "cannot write");
        TakeOverAttributes(file.fd, replaces ? &old : nullptr);
        if (::close(file.Release()) != 0) ThrowErrno(errno, path, "cannot write");
        if (replaces && old.st_nlink > 1) {
            WriteInPlace(target, data);
            ::unlink(tempPath.c_str());
            return;
        }
        if (::rename(tempPath.c_str(), target.c_str()) != 0) ThrowErrno(errno, path, "cannot replace");
    } catch (...) {
        ::unlink(tempPath.c_str());
        throw;
    }
    // Make the rename itself durable; a failure here no longer endangers any data.
    FileDescriptor folder{::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
    if (folder.fd >= 0) ::fsync(folder.fd);
}

std::string FileTitleOf(const std::string& path) {
    const auto slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string DocumentErrorText(std::exception_ptr error, FileOperation op, const std::string& path) {
    const bool saving = op == FileOperation::save;
    const std::string title = FileTitleOf(path);
    const int generic = saving ? IDS_FAILED_SAVE : IDS_FAILED_OPEN;
    try {
        std::rethrow_exception(error);
    } catch (const CArchiveException& e) {
        switch (e.m_cause) {
        case CArchiveException::endOfFile:
        case CArchiveException::badIndex:
        case CArchiveException::badClass:
        case CArchiveException::badSchema: return FormatString1(IDS_INVALID_FORMAT, title);
        default: return FormatString1(generic, title);
        }
    } catch (const CFileException& e) {
        switch (e.m_cause) {
        case CFileException::fileNotFound:
        case CFileException::badPath: return FormatString1(IDS_FILE_NOT_FOUND, title);
        case CFileException::accessDenied: return FormatString1(saving ? IDS_ACCESS_WRITE : IDS_ACCESS_READ, title);
        case CFileException::diskFull: return FormatString1(IDS_DISK_FULL_NAMED, title);
        case CFileException::isFolder: return FormatString1(IDS_IS_FOLDER, title);
        case CFileException::notRegularFile: return FormatString1(IDS_NOT_REGULAR, title);
        case CFileException::tooLarge: return FormatString1(IDS_TOO_LARGE, title);
        case CFileException::emptyFile: return FormatString1(IDS_EMPTY_FILE, title);
        case CFileException::nameTooLong: return FormatString1(IDS_NAME_TOO_LONG, title);
        case CFileException::folderDenied: return FormatString1(IDS_FOLDER_DENIED, title);
        default: return FormatString1(generic, title);
        }
    } catch (...) {
        return FormatString1(generic, title);
    }
}
