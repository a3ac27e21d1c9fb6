// The symbol palette as the symbol commands see it: one window for the whole program that
// offers several library symbols to pick from. The shell installs its window; without one
// a headless stand-in keeps the document's state as the window would.
#pragma once

#include <vector>

class CArdoDoc;

class ISymbolPalette {
public:
    virtual ~ISymbolPalette() = default;
    // Takes copies of the candidates' geometry (symbol table indexes, in order).
    virtual void Fill(CArdoDoc& doc, const std::vector<int>& indexes) = 0;
    // Shows the palette; showing sets the document's current symbol to -1.
    virtual void Show() = 0;
    virtual void Hide() = 0;
    // The document is closing: drop every reference to it.
    virtual void ForgetDocument(const CArdoDoc& doc) = 0;
};

// The installed palette; never null.
ISymbolPalette& SymbolPalette();
// Installs a palette (not owned); null puts the headless stand-in back.
void SetSymbolPalette(ISymbolPalette* palette);
