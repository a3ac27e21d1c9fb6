#include "document/DocumentFile.h"

#include "platform/Archive.h"
#include "platform/StringTable.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <cerrno>
#include <cstring>
#include <random>

namespace {

constexpr int IDS_FAILED_OPEN = 61697;
constexpr int IDS_FAILED_SAVE = 61698;
constexpr int IDS_DISK_FULL = 61730;
constexpr int IDS_ACCESS_READ = 61731;
constexpr int IDS_ACCESS_WRITE = 61732;

[[noreturn]] void ThrowErrno(int error, const std::string& path, const char* what) {
    throw CFileException(CFileException::CauseFromErrno(error), error, path,
                         std::string(what) + " " + path + ": " + std::strerror(error));
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

void WriteAll(int fd, std::span<const uint8_t> data, const std::string& path) {
    size_t done = 0;
    while (done < data.size()) {
        const ssize_t n = ::write(fd, data.data() + done, data.size() - done);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowErrno(errno, path, "cannot write");
        }
        done += size_t(n);
    }
}

// Opens a new, uniquely named file beside path. The name starts with a dot so that a
// left-over never looks like a document.
int CreateTemporaryBeside(const std::string& path, std::string& tempPath) {
    static std::mt19937_64 random{std::random_device{}()};
    const std::string folder = FolderOf(path);
    const std::string name = FileTitleOf(path);
    for (int attempt = 0; attempt < 100; ++attempt) {
        char suffix[32];
        std::snprintf(suffix, sizeof suffix, ".%012llx.tmp", (unsigned long long)(random() & 0xFFFFFFFFFFFFull));
        tempPath = folder + "/." + name + suffix;
        const int fd = ::open(tempPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0) return fd;
        if (errno != EEXIST) ThrowErrno(errno, path, "cannot create");
    }
    ThrowErrno(EEXIST, path, "cannot create");
}

}  // namespace

CFileException::Cause CFileException::CauseFromErrno(int error) {
    switch (error) {
    case ENOENT: return fileNotFound;
    case ENOTDIR:
    case ENAMETOOLONG:
    case EISDIR:
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

std::vector<uint8_t> ReadWholeFile(const std::string& path) {
    FileDescriptor file{::open(path.c_str(), O_RDONLY | O_CLOEXEC)};
    if (file.fd < 0) ThrowErrno(errno, path, "cannot open");
    struct stat st {};
    if (::fstat(file.fd, &st) != 0) ThrowErrno(errno, path, "cannot open");
    if (S_ISDIR(st.st_mode)) ThrowErrno(EISDIR, path, "cannot open");

    std::vector<uint8_t> bytes;
    if (S_ISREG(st.st_mode) && st.st_size > 0) bytes.reserve(size_t(st.st_size));
    uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(file.fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR) continue;
            ThrowErrno(errno, path, "cannot read");
        }
        if (n == 0) break;
        bytes.insert(bytes.end(), buffer, buffer + n);
    }
    return bytes;
}

void SaveFileAtomically(const std::string& path, std::span<const uint8_t> data) {
    // A write-protected document stays as it is, although the folder would allow the rename.
    if (::access(path.c_str(), F_OK) == 0 && ::access(path.c_str(), W_OK) != 0) ThrowErrno(errno, path, "cannot write");
    std::string tempPath;
    FileDescriptor file{CreateTemporaryBeside(path, tempPath)};
    try {
        // A replaced file keeps its permissions; a new one gets 0666 less the umask.
        struct stat old {};
        if (::stat(path.c_str(), &old) == 0 && S_ISREG(old.st_mode)) ::fchmod(file.fd, old.st_mode & 07777);
        WriteAll(file.fd, data, path);
        if (::fsync(file.fd) != 0) ThrowErrno(errno, path, "cannot write");
        if (::close(file.Release()) != 0) ThrowErrno(errno, path, "cannot write");
        if (::rename(tempPath.c_str(), path.c_str()) != 0) ThrowErrno(errno, path, "cannot replace");
    } catch (...) {
        ::unlink(tempPath.c_str());
        throw;
    }
    // Make the rename itself durable; a failure here no longer endangers any data.
    FileDescriptor folder{::open(FolderOf(path).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)};
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
        case CFileException::diskFull: return FormatString1(IDS_DISK_FULL, title);
        default: return FormatString1(generic, title);
        }
    } catch (...) {
        return FormatString1(generic, title);
    }
}
