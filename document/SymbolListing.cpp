#include "document/SymbolListing.h"

#include "document/ArdoDoc.h"

#include <algorithm>
#include <cstdio>

namespace {

// Keys 1 to 27 are the symbol classes, 28 to 34 the room groups.
constexpr const char* kKeyNames[] = {
    "Tisch", "Stuhl", "Bank", "Sessel / Sofa", "Bett", "Schrank / Sideboard", "Teppich", "Hifi / TV",
    "Musikinstrument", "Krug / Bodenvase", "Blume", "Stehlampe", "Maschine / Heizanlage", "Elektroanschluß",
    "Wasseranschluß", "Abfluß / Senkkasten", "Gartenstuhl", "Gartentisch", "Gartenbank", "Hollywood-Schaukel",
    "Pflanzschale", "Blumenbeet", "Baum", "Strauch", "Pool / Teich", "Springbrunnen", "Marker",
    "Wohnen", "Schlafen", "Küche", "Bad", "Büro", "Maschine", "Anschlüsse",
};

constexpr struct {
    uint32_t bit;
    const char* name;
} kFlagNames[] = {{1, "Länge"}, {2, "Breite"}, {4, "Eck-Handle"}, {8, "Drehen"}, {16, "Voreinstellung"}};

}  // namespace

std::string SymbolKeyName(int key) {
    if (key < 1 || key > int(std::size(kKeyNames))) return {};
    return kKeyNames[key - 1];
}

std::vector<SymbolListingEntry> ListSymbols(const CArdoDoc& doc) {
    std::vector<SymbolListingEntry> entries;
    const int count = std::clamp(doc.m_nSymbols, 0, kMaxSymbols);
    entries.reserve(size_t(count));
    for (int i = 0; i < count; ++i) {
        const SymbolInfo& info = doc.m_symbolInfo[i];
        entries.push_back({i, info.nClass, SymbolKeyName(info.nClass), info.strDescription, info.nFlags, info.nLength,
                           info.nWidth, int(doc.m_symbolObjects[i].size())});
    }
    return entries;
}

std::string SymbolFlagsText(uint32_t flags) {
    std::string text;
    for (const auto& f : kFlagNames) {
        if (!(flags & f.bit)) continue;
        if (!text.empty()) text += ' ';
        text += f.name;
    }
    return text.empty() ? "-" : text;
}

std::string FormatSymbolListing(const std::vector<SymbolListingEntry>& entries) {
    std::string out;
    char buffer[64];
    for (const SymbolListingEntry& e : entries) {
        std::snprintf(buffer, sizeof buffer, "%3d  %5d  ", e.nIndex, e.nClass);
        out += buffer;
        out += e.nClass == kDeletedSymbolClass ? "(gelöscht)" : e.strKey;
        out += "  \"" + e.strDescription + "\"  ";
        out += SymbolFlagsText(e.nFlags);
        std::snprintf(buffer, sizeof buffer, "  %d x %d mm  %d Objekte\n", e.nLength, e.nWidth, e.nObjects);
        out += buffer;
    }
    return out;
}
