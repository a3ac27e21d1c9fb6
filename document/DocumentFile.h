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
    enum Cause { genericException, fileNotFound, badPath, accessDenied, diskFull };
    CFileException(Cause cause, int osError, const std::string& path, const std::string& what)
        : std::runtime_error(what), m_cause(cause), m_lOsError(osError), m_strFileName(path) {}
    // Maps an errno value to a cause.
    static Cause CauseFromErrno(int error);

    Cause m_cause;
    int m_lOsError;
    std::string m_strFileName;
};

// The whole content of a file. Throws CFileException.
std::vector<uint8_t> ReadWholeFile(const std::string& path);

// Writes data to a new file in the target's folder, flushes it to disk and renames it over
// the target; the target keeps its permissions. On failure the temporary file is removed
// and the target is untouched. Throws CFileException.
void SaveFileAtomically(const std::string& path, std::span<const uint8_t> data);

// The file name without its folder, as messages show it.
std::string FileTitleOf(const std::string& path);

enum class FileOperation { load, save };

// The message for a failure caught while loading or saving path: the unexpected-format text
// for damaged archives, the file texts for file-system causes, else the general text.
std::string DocumentErrorText(std::exception_ptr error, FileOperation op, const std::string& path);
