// A readable listing of a document's symbol table, for `kovel-cli symbols FILE` and tests.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class CArdoDoc;

struct SymbolListingEntry {
    int nIndex = 0;
    int nClass = 0;      // class or room-group key; -1000 for a deleted entry
    std::string strKey;  // the key's name ("Wohnen", "Baum", ...), empty if unknown
    std::string strDescription;
    uint32_t nFlags = 0;
    int32_t nLength = 0;  // default length in mm
    int32_t nWidth = 0;   // default width in mm
    int nObjects = 0;     // geometry objects, the frame included
};

// The name of a symbol key: 1-26 the symbol classes, 27 "Marker", 28-34 the room groups.
std::string SymbolKeyName(int key);

// The entries 0 to m_nSymbols - 1 in table order.
std::vector<SymbolListingEntry> ListSymbols(const CArdoDoc& doc);

// The property flags as text, e.g. "Länge Breite Drehen" ("-" for none).
std::string SymbolFlagsText(uint32_t flags);

// One line per entry: index, key, name, description, flags, default size; UTF-8.
std::string FormatSymbolListing(const std::vector<SymbolListingEntry>& entries);
