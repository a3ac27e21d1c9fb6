// Colour values, pen, brush and font records, and the drawing constants the core uses.
#pragma once

#include "platform/Geometry.h"

#include <cstdint>
#include <cstring>
#include <string>

// 0x00BBGGRR: red in the low byte.
using COLORREF = uint32_t;

constexpr COLORREF RGB(uint8_t r, uint8_t g, uint8_t b) {
    return COLORREF(r) | (COLORREF(g) << 8) | (COLORREF(b) << 16);
}
constexpr uint8_t GetRValue(COLORREF c) { return uint8_t(c & 0xFF); }
constexpr uint8_t GetGValue(COLORREF c) { return uint8_t((c >> 8) & 0xFF); }
constexpr uint8_t GetBValue(COLORREF c) { return uint8_t((c >> 16) & 0xFF); }

// Pen styles.
constexpr uint32_t PS_SOLID = 0;
constexpr uint32_t PS_DASH = 1;
constexpr uint32_t PS_DOT = 2;
constexpr uint32_t PS_DASHDOT = 3;
constexpr uint32_t PS_DASHDOTDOT = 4;
constexpr uint32_t PS_NULL = 5;
constexpr uint32_t PS_INSIDEFRAME = 6;

// Brush styles.
constexpr uint32_t BS_SOLID = 0;
constexpr uint32_t BS_NULL = 1;
constexpr uint32_t BS_HATCHED = 2;

// Polygon fill modes.
constexpr int ALTERNATE = 1;
constexpr int WINDING = 2;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// Text alignment flags.
constexpr uint32_t TA_LEFT = 0;
constexpr uint32_t TA_TOP = 0;
constexpr uint32_t TA_UPDATECP = 1;
constexpr uint32_t TA_RIGHT = 2;
constexpr uint32_t TA_CENTER = 6;
constexpr uint32_t TA_BOTTOM = 8;
constexpr uint32_t TA_BASELINE = 24;

// Stock objects that can be selected into a device context.
enum class StockObject { NullBrush, NullPen, WhiteBrush, BlackBrush, BlackPen, WhitePen };

struct LOGPEN {
    uint32_t lopnStyle = PS_SOLID;
    CPoint lopnWidth;  // x is the width; y is kept as stored
    COLORREF lopnColor = 0;
    bool operator==(const LOGPEN&) const = default;
};

struct LOGBRUSH {
    uint32_t lbStyle = BS_SOLID;
    COLORREF lbColor = 0;
    int32_t lbHatch = 0;
    bool operator==(const LOGBRUSH&) const = default;
};

constexpr int LF_FACESIZE = 32;

// The 60-byte font record: five 32-bit fields, eight bytes, a 32-byte face name.
// Stored files carry it bit for bit, so every byte (also after the name's terminator)
// is kept as read.
struct LOGFONT {
    int32_t lfHeight = 0;
    int32_t lfWidth = 0;
    int32_t lfEscapement = 0;
    int32_t lfOrientation = 0;
    int32_t lfWeight = 0;
    uint8_t lfItalic = 0;
    uint8_t lfUnderline = 0;
    uint8_t lfStrikeOut = 0;
    uint8_t lfCharSet = 0;
    uint8_t lfOutPrecision = 0;
    uint8_t lfClipPrecision = 0;
    uint8_t lfQuality = 0;
    uint8_t lfPitchAndFamily = 0;
    char lfFaceName[LF_FACESIZE] = {};

    bool operator==(const LOGFONT& o) const { return std::memcmp(this, &o, sizeof(LOGFONT)) == 0; }

    // The face name up to its terminator (at most 32 bytes), as Windows-1252 bytes.
    std::string FaceName() const { return std::string(lfFaceName, strnlen(lfFaceName, LF_FACESIZE)); }
    void SetFaceName(const std::string& name) {
        std::memset(lfFaceName, 0, sizeof lfFaceName);
        std::memcpy(lfFaceName, name.data(), std::min<size_t>(name.size(), LF_FACESIZE - 1));
    }
};
static_assert(sizeof(LOGFONT) == 60, "LOGFONT must keep its 60-byte file layout");

constexpr int FW_NORMAL = 400;
constexpr int FW_BOLD = 700;

// Standard cursor ids.
constexpr int IDC_ARROW = 32512;
constexpr int IDC_IBEAM = 32513;
constexpr int IDC_WAIT = 32514;
constexpr int IDC_CROSS = 32515;
constexpr int IDC_SIZE = 32640;
constexpr int IDC_SIZENWSE = 32642;
constexpr int IDC_SIZENESW = 32643;
constexpr int IDC_SIZEWE = 32644;
constexpr int IDC_SIZENS = 32645;
constexpr int IDC_SIZEALL = 32646;
constexpr int IDC_NO = 32648;

// Message box styles and answers.
constexpr unsigned MB_OK = 0x0;
constexpr unsigned MB_OKCANCEL = 0x1;
constexpr unsigned MB_YESNOCANCEL = 0x3;
constexpr unsigned MB_YESNO = 0x4;
constexpr unsigned MB_ICONERROR = 0x10;
constexpr unsigned MB_ICONQUESTION = 0x20;
constexpr unsigned MB_ICONEXCLAMATION = 0x30;
constexpr unsigned MB_ICONINFORMATION = 0x40;
constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;
