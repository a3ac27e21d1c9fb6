#include "document/SymbolLibrary.h"

#include "document/ArdoDoc.h"
#include "document/DocumentFile.h"
#include "objects/ObjectClasses.h"
#include "platform/Archive.h"
#include "platform/Services.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <filesystem>
#include <map>
#include <mutex>

#ifndef KOVEL_DATA_DIR
#define KOVEL_DATA_DIR "/usr/local/share/kovel"
#endif

namespace fs = std::filesystem;

// The table behind the document's read-only accessors, for the reader and editor here.
class SymbolTableAccess {
public:
    static int& Count(CArdoDoc& doc) { return doc.m_nSymbols; }
    static int& Deleted(CArdoDoc& doc) { return doc.m_nDeletedSymbols; }
    static ObjectList& Geometry(CArdoDoc& doc, int index) { return doc.m_symbolObjects[index]; }
    static SymbolInfo& Info(CArdoDoc& doc, int index) { return doc.m_symbolInfo[index]; }
    static const ObjectList* AllGeometry(const CArdoDoc& doc) { return doc.m_symbolObjects; }
    static const SymbolInfo* AllInfo(const CArdoDoc& doc) { return doc.m_symbolInfo; }
};
using Table = SymbolTableAccess;

namespace {

constexpr uint16_t kNoCurrentSymbol = 0xFFFF;
// Smallest stored size of one entry: an empty list (a word) and a record with an empty
// description (word, length byte, three dwords).
constexpr uint64_t kMinBytesPerEntry = 2 + 2 + 1 + 12;
// The largest library file read. The shipped library holds about a hundred symbols in
// under 100 KiB; even all 512 entries of the table drawn in detail stay far below 16 MiB, so
// a larger file beside the program is refused at once instead of being read for a minute.
constexpr uint64_t kMaxSymbolLibraryBytes = uint64_t(16) << 20;

std::mutex g_pathMutex;
std::string g_overridePath;

fs::path ProgramFolder() {
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    return ec ? fs::path() : exe.parent_path();
}

// The file's bytes, read once per process for as long as its size and time stay the same:
// every new document reads the library, and the shipped file never changes.
std::shared_ptr<const std::vector<uint8_t>> ReadFileCached(const std::string& path) {
    struct Cached {
        uintmax_t size = 0;
        fs::file_time_type time;
        std::shared_ptr<const std::vector<uint8_t>> bytes;
    };
    static std::mutex mutex;
    static std::map<std::string, Cached> cache;

    std::error_code ec;
    const uintmax_t size = fs::file_size(path, ec);
    if (ec) return nullptr;
    const fs::file_time_type time = fs::last_write_time(path, ec);
    if (ec) return nullptr;
    {
        std::lock_guard lock(mutex);
        const auto it = cache.find(path);
        if (it != cache.end() && it->second.size == size && it->second.time == time) return it->second.bytes;
    }
    std::shared_ptr<const std::vector<uint8_t>> bytes;
    try {
        bytes = std::make_shared<const std::vector<uint8_t>>(ReadWholeFile(path, kMaxSymbolLibraryBytes));
    } catch (const CFileException&) {
        return nullptr;  // gone, unreadable, no regular file or far too large
    }
    std::lock_guard lock(mutex);
    cache[path] = Cached{size, time, bytes};
    return bytes;
}

void ClearSymbolTable(CArdoDoc& doc) {
    for (int i = 0; i < kMaxSymbols; ++i) {
        Table::Geometry(doc, i).clear();
        Table::Info(doc, i) = SymbolInfo{};
    }
    Table::Count(doc) = 0;
    Table::Deleted(doc) = 0;
    doc.SetCurrentSymbol(-1);
}

void ReportDamagedLibrary(IMessageBoxes& messages, const CArchiveException& e) {
    const bool formatError = e.m_cause == CArchiveException::endOfFile || e.m_cause == CArchiveException::badIndex ||
                             e.m_cause == CArchiveException::badClass || e.m_cause == CArchiveException::badSchema;
    messages.MessageBox(LoadString(formatError ? 61728 : 61697), LoadString(IDS_APP_TITLE), MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace

std::vector<std::string> SymbolLibraryCandidates() {
    {
        std::lock_guard lock(g_pathMutex);
        if (!g_overridePath.empty()) return {g_overridePath};
    }
    std::vector<std::string> paths;
    const fs::path folder = ProgramFolder();
    if (!folder.empty()) {
        paths.push_back((folder / kSymbolLibraryFileName).string());
        paths.push_back((folder.parent_path() / "share" / "kovel" / kSymbolLibraryFileName).string());
    }
    paths.push_back((fs::path(KOVEL_DATA_DIR) / kSymbolLibraryFileName).string());
    return paths;
}

void SetSymbolLibraryPath(const std::string& path) {
    std::lock_guard lock(g_pathMutex);
    g_overridePath = path;
}

bool LoadSymbolLibrary(CArdoDoc& doc) {
    if (doc.SymbolsLoaded()) return true;
    for (const std::string& path : SymbolLibraryCandidates()) {
        std::error_code ec;
        if (fs::is_regular_file(path, ec)) return LoadSymbolLibraryFrom(doc, path);
    }
    doc.SetSymbolsLoaded(0);
    return false;
}

bool LoadSymbolLibraryFrom(CArdoDoc& doc, const std::string& path) {
    if (doc.SymbolsLoaded()) return true;
    const auto bytes = ReadFileCached(path);
    if (!bytes) {
        doc.SetSymbolsLoaded(0);
        return false;
    }
    try {
        ReadSymbolLibrary(doc, *bytes);
    } catch (const CArchiveException& e) {
        ReportDamagedLibrary(*doc.GetServices().messages, e);
        doc.SetSymbolsLoaded(0);
        return false;
    }
    doc.SetSymbolsLoaded(1);
    return true;
}

void ReadSymbolLibrary(CArdoDoc& doc, std::span<const uint8_t> bytes) {
    RegisterDrawingObjectClasses();
    ClearSymbolTable(doc);
    try {
        CArchive ar(bytes);
        ar.m_pDocument = static_cast<ObjectOwner*>(&doc);
        const uint16_t count = ar.ReadWord();
        const uint16_t current = ar.ReadWord();
        // The table has 512 entries; a larger library cannot be ours.
        if (count > kMaxSymbols)
            throw CArchiveException(CArchiveException::badIndex, "symbol library: too many symbols");
        ar.EnsureAvailable(count * kMinBytesPerEntry);
        for (int i = 0; i < count; ++i) {
            ar.ReadObList(Table::Geometry(doc, i));
            for (const auto& obj : Table::Geometry(doc, i)) obj->SetDocument(&doc);
        }
        for (int i = 0; i < count; ++i) {
            SymbolInfo& info = Table::Info(doc, i);
            info.nClass = int16_t(ar.ReadWord());
            info.strDescription = ar.ReadString();
            info.nFlags = ar.ReadDWord();
            info.nLength = ar.ReadLong();
            info.nWidth = ar.ReadLong();
        }
        Table::Count(doc) = count;
        // Only an entry of the table can be the chosen one; 0xFFFF (and anything else
        // outside) means none, so no tool ever indexes past the table.
        doc.SetCurrentSymbol((current != kNoCurrentSymbol && current < count) ? current : -1);
    } catch (...) {
        ClearSymbolTable(doc);
        throw;
    }
}

void WriteSymbolLibrary(CArchive& ar, std::span<const std::vector<std::unique_ptr<CArdoObj>>> geometry,
                        std::span<const SymbolInfo> info, int nCurrentSymbol) {
    if (geometry.size() != info.size() || info.size() > size_t(kMaxSymbols))
        throw CArchiveException(CArchiveException::genericException, "symbol library: bad table size");
    ar.WriteWord(uint16_t(info.size()));
    ar.WriteWord(nCurrentSymbol < 0 ? kNoCurrentSymbol : uint16_t(nCurrentSymbol));
    for (const auto& list : geometry) ar.WriteObList(list);
    for (const SymbolInfo& entry : info) {
        ar.WriteWord(uint16_t(entry.nClass));
        ar.WriteString(entry.strDescription);
        ar.WriteDWord(entry.nFlags);
        ar.WriteLong(entry.nLength);
        ar.WriteLong(entry.nWidth);
    }
}

std::vector<uint8_t> WriteSymbolLibrary(const CArdoDoc& doc) {
    std::vector<uint8_t> out;
    CArchive ar(out);
    const size_t n = size_t(std::clamp(doc.SymbolCount(), 0, kMaxSymbols));
    WriteSymbolLibrary(ar, std::span(Table::AllGeometry(doc), n), std::span(Table::AllInfo(doc), n),
                       doc.CurrentSymbol());
    return out;
}

std::unique_ptr<CArdoObj> AddToSymbol(CArdoDoc& doc, std::unique_ptr<CArdoObj> obj, int nClass,
                                      const std::string& strDescription) {
    if (!obj) return nullptr;
    const bool newEntry = nClass >= 0;
    if (newEntry && doc.SymbolCount() < kMaxSymbols) ++Table::Count(doc);
    // A full table takes nothing more; a continuation needs an entry to continue.
    if (doc.SymbolCount() >= kMaxSymbols || doc.SymbolCount() <= 0) return obj;

    const int entry = doc.SymbolCount() - 1;
    if (newEntry) {
        Table::Geometry(doc, entry).clear();
        Table::Info(doc, entry) = SymbolInfo{int16_t(nClass), strDescription, 0, 0, 0};
    }
    obj->SetDocument(&doc);
    Table::Geometry(doc, entry).push_back(std::move(obj));
    return nullptr;
}

void DeleteCurrentSymbol(CArdoDoc& doc) {
    const int current = doc.CurrentSymbol();
    if (current < 0 || current >= doc.SymbolCount() || current >= kMaxSymbols) return;
    Table::Geometry(doc, current).clear();
    Table::Info(doc, current).nClass = kDeletedSymbolClass;
    ++Table::Deleted(doc);
}
