// Document file access: reading a whole file, saving through a temporary file that is
// renamed over the target only when everything was written, and turning a failure of
// either into the text the user sees.
#pragma once

#include <cstdint>
#include <exception>
#include <span>
#include <stdexcept>
#include <string>
#include <vector>

// A failure of the file system, with the cause the message depends on.
class CFileException : public std::runtime_error {
public:
    enum Cause {
        genericException,
        fileNotFound,
        badPath,
        accessDenied,
        diskFull,
        isFolder,        // a folder where a file was expected
        notRegularFile,  // a FIFO, socket or device
        tooLarge,        // larger than the reader's limit
        emptyFile,       // refused by a reader that needs content
        nameTooLong,
        folderDenied,  // the folder takes no new file
    };
    CFileException(Cause cause, int osError, const std::string& path, const std::string& what)
        : std::runtime_error(what), m_cause(cause), m_lOsError(osError), m_strFileName(path) {}
    // Maps an errno value to a cause.
    static Cause CauseFromErrno(int error);

    Cause m_cause;
    int m_lOsError;
    std::string m_strFileName;
};

// The largest document or plan file the program reads. A document of 100,000 objects takes
// a few MiB and the largest plans a few more; 256 MiB leaves room for fifty times that while
// refusing, before any byte is read, what cannot be a document (a disk image, /dev/zero).
constexpr uint64_t kMaxDocumentFileBytes = uint64_t(256) << 20;

// Opens path for reading when it is a regular file of at most maxBytes (symbolic links are
// followed). A FIFO or device is refused at once: the open does not wait for a writer.
// Returns the descriptor (close-on-exec, blocking) and sets *size. Throws CFileException.
int OpenRegularFileForReading(const std::string& path, uint64_t maxBytes, uint64_t* size);

// The whole content of a regular file of at most maxBytes; never more than that is read,
// even when the file grows meanwhile. Throws CFileException.
std::vector<uint8_t> ReadWholeFile(const std::string& path, uint64_t maxBytes = kMaxDocumentFileBytes);

// Writes data to a new file in the target's folder, flushes it to disk and renames it over
// the target. A symbolic link is kept and its target written; the replaced file's mode (and
// owner, where the user may keep it) carries over; left-overs of earlier killed saves of the
// same file are removed. On failure the temporary file is removed and the target is
// untouched. Throws CFileException.
void SaveFileAtomically(const std::string& path, std::span<const uint8_t> data);

// The name SaveFileAtomically writes: path with its last component's symbolic links
// followed (also a link whose target does not exist yet). Throws CFileException (ELOOP).
std::string ResolveSaveTarget(const std::string& path);

// Whether name (without folder) is one of the temporary files a save of document writes.
bool IsTemporaryNameOf(const std::string& name, const std::string& documentName);

// The file name without its folder, as messages show it.
std::string FileTitleOf(const std::string& path);

enum class FileOperation { load, save };

// The message for a failure caught while loading or saving path: the unexpected-format text
// for damaged archives, the file texts for file-system causes, else the general text.
std::string DocumentErrorText(std::exception_ptr error, FileOperation op, const std::string& path);
