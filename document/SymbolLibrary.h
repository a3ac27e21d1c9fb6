// The symbol library: reading the library file Kovel.sym into a document's symbol table,
// writing that format (for the library compiler and tests), storing a user's selection as a
// new symbol and deleting the chosen one. The table itself is held by the document, read through its accessors.
#pragma once

#include "objects/SymbolInfo.h"

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

class CArchive;
class CArdoDoc;
class CArdoObj;

inline constexpr const char* kSymbolLibraryFileName = "Kovel.sym";

// Where LoadSymbolLibrary looks, in order: the program's folder, <program>/../share/kovel and
// the installed data folder. A path set with SetSymbolLibraryPath replaces the search.
std::vector<std::string> SymbolLibraryCandidates();
// For tests and the command-line tool; an empty path restores the search.
void SetSymbolLibraryPath(const std::string& path);

// Reads the library into the document's table unless it was read already, and sets
// m_bSymbolsLoaded. A missing file fails silently; a damaged one is reported through the
// message-box service. Neither fails the document, and either leaves the table empty.
bool LoadSymbolLibrary(CArdoDoc& doc);
// The same from one given file.
bool LoadSymbolLibraryFrom(CArdoDoc& doc, const std::string& path);

// Parses library bytes into the table (emptied first). Throws CArchiveException on a damaged
// library, after emptying the table again; does not touch m_bSymbolsLoaded.
void ReadSymbolLibrary(CArdoDoc& doc, std::span<const uint8_t> bytes);

// Writes a library: the count, the chosen entry (-1 as 0xFFFF), every geometry list, then
// every record. geometry and info must be of equal length, at most 512.
void WriteSymbolLibrary(CArchive& ar, std::span<const std::vector<std::unique_ptr<CArdoObj>>> geometry,
                        std::span<const SymbolInfo> info, int nCurrentSymbol);
// The document's table entries 0 to m_nSymbols - 1 in the library format.
std::vector<uint8_t> WriteSymbolLibrary(const CArdoDoc& doc);

// Adds obj to the table: a class number of 0 or more starts a new entry (class and
// description set, flags and sizes 0), -1 continues the entry started last. Once the count
// has reached 512, or when there is no entry to continue, the object is refused and handed
// back; null means the table took it.
std::unique_ptr<CArdoObj> AddToSymbol(CArdoDoc& doc, std::unique_ptr<CArdoObj> obj, int nClass,
                                      const std::string& strDescription);

// Deletes the chosen entry's geometry and marks it deleted (class -1000); the entry keeps
// its place so the other entries keep their numbers.
void DeleteCurrentSymbol(CArdoDoc& doc);
