// A copy of the values a document file stores besides its objects: the sheet, scale and
// units, origin, grid and label heights. The undo history keeps one before and one after
// each change, so that undoing a change puts back every value it set. What the file does not
// keep (the current drawing attributes, snap, the paper colour) belongs to the session and is
// neither a change nor taken back.
#pragma once

#include "platform/GdiTypes.h"

#include <cstdint>
#include <cstring>
#include <string>
#include <type_traits>

struct DocumentSettings {
    std::string m_strScale;
    CSize m_sizePaper;
    float m_fUnitsPerMm = 0.0f;
    float m_fScale = 0.0f;
    int m_nUnitDivisor = 0;
    float m_fOriginX = 0.0f;
    float m_fOriginY = 0.0f;
    int m_nDimTextHeight = 0;
    COLORREF m_crGrid = 0;
    float m_fGridX = 0.0f;
    float m_fGridY = 0.0f;
    int m_bGridAutoAdjust = 0;
    CSize m_sizeExtent;
    CSize m_sizePaperInFile;
    int16_t m_nInitialTextHeight = 0;
};

// Calls f(documentField, settingsField) for every value DocumentSettings holds: the one list
// both the copy and the restore go through.
template <class Doc, class Settings, class F>
void ForEachSetting(Doc& doc, Settings& s, F&& f) {
    f(doc.m_strScale, s.m_strScale);
    f(doc.m_sizePaper, s.m_sizePaper);
    f(doc.m_fUnitsPerMm, s.m_fUnitsPerMm);
    f(doc.m_fScale, s.m_fScale);
    f(doc.m_nUnitDivisor, s.m_nUnitDivisor);
    f(doc.m_fOriginX, s.m_fOriginX);
    f(doc.m_fOriginY, s.m_fOriginY);
    f(doc.m_nDimTextHeight, s.m_nDimTextHeight);
    f(doc.m_crGrid, s.m_crGrid);
    f(doc.m_fGridX, s.m_fGridX);
    f(doc.m_fGridY, s.m_fGridY);
    f(doc.m_bGridAutoAdjust, s.m_bGridAutoAdjust);
    f(doc.m_sizeExtent, s.m_sizeExtent);
    f(doc.m_sizePaperInFile, s.m_sizePaperInFile);
    f(doc.m_nInitialTextHeight, s.m_nInitialTextHeight);
}

// Equal to the bit: a float compares by its bytes, so that -0 and 0 differ and NaN equals
// itself, as they would in the saved file.
inline bool SameSettings(const DocumentSettings& a, const DocumentSettings& b) {
    bool same = true;
    ForEachSetting(a, b, [&](const auto& x, const auto& y) {
        using T = std::remove_cvref_t<decltype(x)>;
        if constexpr (std::is_same_v<T, std::string>)
            same = same && x == y;
        else
            same = same && std::memcmp(&x, &y, sizeof(T)) == 0;
    });
    return same;
}
