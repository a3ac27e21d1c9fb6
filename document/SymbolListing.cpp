#include "document/SymbolListing.h"

#include "document/ArdoDoc.h"
#include "platform/StringTable.h"

#include <algorithm>
#include <cstdio>

namespace {

// Keys 1 to 27 are the symbol classes, 28 to 34 the room groups; their names are strings
// 41100 to 41133.
constexpr int kKeyCount = 34;
constexpr int IDS_FIRST_KEY_NAME = 41100;  // "Tisch"
constexpr int IDS_DELETED_SYMBOL = 41145;  // "(gelöscht)"
constexpr int IDS_OBJECTS = 41146;         // "Objekte"

constexpr struct {
    uint32_t bit;
    int name;
} kFlagNames[] = {{1, 41140}, {2, 41141}, {4, 41142}, {8, 41143}, {16, 41144}};  // "Länge" ... "Voreinstellung"

}  // namespace

std::string SymbolKeyName(int key) {
    if (key < 1 || key > kKeyCount) return {};
    return LoadString(IDS_FIRST_KEY_NAME + key - 1);
}

std::vector<SymbolListingEntry> ListSymbols(const CArdoDoc& doc) {
    std::vector<SymbolListingEntry> entries;
    const int count = std::clamp(doc.SymbolCount(), 0, kMaxSymbols);
    entries.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const SymbolInfo& info = doc.SymbolEntry(i);
        entries.push_back({i, info.nClass, SymbolKeyName(info.nClass), info.strDescription, info.nFlags, info.nLength,
                           info.nWidth, int(doc.LibraryGeometry(i).size())});
    }
    return entries;
}

std::string SymbolFlagsText(uint32_t flags) {
    std::string text;
    for (const auto& f : kFlagNames) {
        if (!(flags & f.bit)) continue;
        if (!text.empty()) text += ' ';
        text += LoadString(f.name);
    }
    return text.empty() ? "-" : text;
}

std::string FormatSymbolListing(const std::vector<SymbolListingEntry>& entries) {
    std::string out;
    char buffer[64];
    for (const SymbolListingEntry& e : entries) {
        std::snprintf(buffer, sizeof buffer, "%3d  %5d  ", e.nIndex, e.nClass);
        out += buffer;
        out += e.nClass == kDeletedSymbolClass ? LoadString(IDS_DELETED_SYMBOL) : e.strKey;
        out += "  \"" + e.strDescription + "\"  ";
        out += SymbolFlagsText(e.nFlags);
        std::snprintf(buffer, sizeof buffer, "  %d x %d mm  %d ", e.nLength, e.nWidth, e.nObjects);
        out += buffer;
        out += LoadString(IDS_OBJECTS) + "\n";
    }
    return out;
}
