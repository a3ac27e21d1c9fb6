// Reading the symbol source files and building the library table from them.
#pragma once

#include "Figures.h"
#include "objects/ArdoObj.h"
#include "objects/SymbolInfo.h"

#include <memory>
#include <string>
#include <vector>

namespace symc {

// Geometry units per millimetre of the source: the library stores tenths of a millimetre.
constexpr double kUnitsPerMm = 10.0;

struct SymbolSource {
    int nId = -1;  // the entry's number in the table; placed symbols refer to it
    int nClass = 0;
    std::string strName;
    uint32_t nFlags = 0;
    int nLength = 0;  // mm
    int nWidth = 0;   // mm
    bool bRetired = false;
    std::vector<Figure> figures;
    std::string strOrigin;  // file and symbol, for messages
};

// All symbols of one source file. Throws SourceError naming the file and symbol.
std::vector<SymbolSource> ReadSymbolFile(const std::string& path);

struct LibraryTable {
    std::vector<std::vector<std::unique_ptr<CArdoObj>>> geometry;
    std::vector<SymbolInfo> info;
};

// Orders the symbols by id (which must run from 0 without gaps or repeats, at most 512)
// and turns each into its frame and polygon-family objects in library units.
LibraryTable BuildLibraryTable(std::vector<SymbolSource> symbols);

}  // namespace symc
