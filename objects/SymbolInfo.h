// One entry of a document's symbol table besides its geometry.
#pragma once

#include <cstdint>
#include <string>

struct SymbolInfo {
    int16_t nClass = 0;  // -1000 marks an entry deleted by the user
    std::string strDescription;
    uint32_t nFlags = 0;  // 1 length, 2 width, 4 corner handle, 8 rotation, 16 default size
    int32_t nLength = 0;  // default length in mm
    int32_t nWidth = 0;   // default width in mm
};

constexpr int16_t kDeletedSymbolClass = -1000;
