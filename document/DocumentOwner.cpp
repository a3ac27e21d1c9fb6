// The document as the owner its drawing objects see (objects/ObjectOwner.h).
#include "document/ArdoDoc.h"

#include <algorithm>
#include <cstring>

std::string CArdoDoc::UnitName() const { return std::string(m_szUnit, strnlen(m_szUnit, sizeof m_szUnit)); }

void CArdoDoc::SetTextFont(const LOGFONT& lf, COLORREF color) {
    m_lfText = lf;
    m_crText = color;
}

const SymbolInfo* CArdoDoc::LibrarySymbol(int id) const {
    if (id < 0 || id >= std::min(m_nSymbols, kMaxSymbols)) return nullptr;
    return &m_symbolInfo[id];
}

void CArdoDoc::RedrawObject(CArdoObj* obj) { UpdateAllViews(nullptr, HINT_OBJECT, UpdateHint{obj}); }
