#include "app/objectdialogs/ObjectDialogChecks.h"

#include "app/ShellTexts.h"
#include "objects/ArdoSymbol.h"
#include "platform/GdiTypes.h"
#include "platform/StringTable.h"
#include "view/SettingsDialogs.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// The framework's transfer messages come with its exclamation icon and the program's name.
FieldRefusal FrameworkRefusal(int control, std::string message) {
    return FieldRefusal{control, std::move(message), std::string(), MB_ICONEXCLAMATION};
}

FieldRefusal OwnRefusal(int control, int message) {
    return FieldRefusal{control, LoadString(message), LoadString(IDS_CAPTION_INPUT_ERROR), MB_ICONERROR};
}

std::string FixedText(double value, int decimals) {
    char text[400];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value, std::chars_format::fixed, decimals);
    return ec == std::errc() ? std::string(text, end) : std::string();
}

// What "%f" style reading takes from the start of a text; no number reads as 0.
float LenientFloat(const std::string& text) {
    float value = 0.0f;
    return ScanFloat(text, text.size(), value) ? value : 0.0f;
}

}  // namespace

std::string FillMessage(const std::string& text, const std::string& first, const std::string& second) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 1 < text.size() && (text[i + 1] == '1' || text[i + 1] == '2')) {
            out += text[i + 1] == '1' ? first : second;
            ++i;
        } else {
            out += text[i];
        }
    }
    return out;
}

std::string BoundText(double value) {
    if (value == std::trunc(value) && std::fabs(value) < 1e15) return FixedText(value, 0);
    char text[64];
    const auto [end, ec] = std::to_chars(text, text + sizeof text, value);
    return ec == std::errc() ? std::string(text, end) : std::string();
}

bool ParseWholeField(const std::string& text, int64_t& value) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    const size_t digits = pos;
    int64_t v = 0;
    constexpr int64_t kClamp = int64_t(std::numeric_limits<int32_t>::max()) + 1;
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        v = std::min<int64_t>(v * 10 + (text[pos] - '0'), kClamp);
    if (pos == digits) return false;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos != text.size()) return false;
    value = negative ? -v : v;
    return true;
}

FieldCheck CheckWholeField(int control, const std::string& text, int64_t lo, int64_t hi, int& value) {
    int64_t v = 0;
    if (!ParseWholeField(text, v)) return FrameworkRefusal(control, LoadString(IDS_MSG_WHOLE_NUMBER));
    if (v < lo || v > hi)
        return FrameworkRefusal(
            control, FillMessage(LoadString(IDS_MSG_WHOLE_NUMBER_RANGE), BoundText(double(lo)), BoundText(double(hi))));
    value = int(v);
    return std::nullopt;
}

FieldCheck CheckFloatField(int control, const std::string& text, float lo, float hi, float& value) {
    float v = 0.0f;
    if (!ParseFloatField(text, v)) return FrameworkRefusal(control, LoadString(IDS_MSG_NUMBER));
    if (!(v >= lo && v <= hi))
        return FrameworkRefusal(control, FillMessage(LoadString(IDS_MSG_NUMBER_RANGE), BoundText(lo), BoundText(hi)));
    value = v;
    return std::nullopt;
}

FieldCheck CheckMaxChars(int control, const std::string& text, int maxChars) {
    int count = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++count;  // count code points, not bytes
    if (count <= maxChars) return std::nullopt;
    return FrameworkRefusal(control, FillMessage(LoadString(IDS_MSG_MAX_CHARS), std::to_string(maxChars)));
}

FieldCheck CheckLineWidth(const std::string& text, int& width) {
    return CheckWholeField(ctl::kLineWidth, text, 0, 32767, width);
}

FieldCheck CheckLabelAngle(const std::string& text, int& angle) {
    return CheckWholeField(ctl::kLabelAngle, text, -360, 360, angle);
}

std::string TwoDecimals(float value) { return FixedText(double(value), 2); }

DefaultSizeDisplay DefaultSizeFor(float defaultLength, float defaultWidth) {
    DefaultSizeDisplay display;
    // Very small library sizes would show as 0.00: they get all six decimals instead.
    const int decimals = (defaultLength < 0.001f || defaultWidth < 0.001f) ? 6 : 2;
    display.lengthText = FixedText(double(defaultLength), decimals);
    display.widthText = FixedText(double(defaultWidth), decimals);
    display.available = !(defaultLength < 0.000001f || defaultWidth < 0.000001f);
    return display;
}

FieldCheck CheckSymbolFields(const SymbolFieldTexts& texts, SymbolDialogValues& values) {
    // The dialog's own test reads the texts leniently and looks at the height first.
    if (!(LenientFloat(texts.height) > 0.0f)) return OwnRefusal(ctl::kSymbolHeight, IDS_MSG_LENGTH_POSITIVE);
    if (!(LenientFloat(texts.width) > 0.0f)) return OwnRefusal(ctl::kSymbolWidth, IDS_MSG_WIDTH_POSITIVE);

    float width = 0.0f, height = 0.0f, angle = 0.0f, x = 0.0f, y = 0.0f;
    if (auto r = CheckFloatField(ctl::kSymbolWidth, texts.width, 0.0f, kSymbolMaxValue, width)) return r;
    if (auto r = CheckFloatField(ctl::kSymbolHeight, texts.height, 0.0f, kSymbolMaxValue, height)) return r;
    if (auto r = CheckFloatField(ctl::kSymbolAngle, texts.angle, -360.0f, 360.0f, angle)) return r;
    if (auto r = CheckFloatField(ctl::kSymbolX, texts.x, 0.0f, kSymbolMaxValue, x)) return r;
    if (auto r = CheckFloatField(ctl::kSymbolY, texts.y, 0.0f, kSymbolMaxValue, y)) return r;
    values.fWidth = width;
    values.fLength = height;
    values.fAngle = angle;
    values.fX = x;
    values.fY = y;
    return std::nullopt;
}

int StepTextHeight(const std::string& text, int delta) {
    int64_t value = 0;
    // The shown text is the dialog's own; anything unreadable counts as 0.
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) negative = text[pos++] == '-';
    for (; pos < text.size() && text[pos] >= '0' && text[pos] <= '9'; ++pos)
        value = std::min<int64_t>(value * 10 + (text[pos] - '0'), 1000);
    if (negative) value = -value;
    const int64_t next = value + delta;
    if (next < 1) return 99;
    if (next > 99) return 1;
    return int(next);
}

FieldCheck CheckTextHeight(const std::string& text) { return CheckMaxChars(ctl::kHeightScroll, text, 2); }

SymbolAttributeBoxes BoxesFromFlags(uint32_t flags) {
    SymbolAttributeBoxes boxes;
    boxes.length = flags & CArdoSymbol::kLengthChanges;
    boxes.width = flags & CArdoSymbol::kWidthChanges;
    boxes.corner = flags & CArdoSymbol::kCornerScales;
    boxes.rotate = flags & CArdoSymbol::kRotates;
    boxes.defaultSize = flags & CArdoSymbol::kDefaultSize;
    return boxes;
}

uint32_t FlagsFromBoxes(const SymbolAttributeBoxes& boxes) {
    return (boxes.length ? CArdoSymbol::kLengthChanges : 0u) | (boxes.width ? CArdoSymbol::kWidthChanges : 0u) |
           (boxes.corner ? CArdoSymbol::kCornerScales : 0u) | (boxes.rotate ? CArdoSymbol::kRotates : 0u) |
           (boxes.defaultSize ? CArdoSymbol::kDefaultSize : 0u);
}

FieldCheck ApplySymbolAttributes(const std::string& name, const SymbolAttributeBoxes& boxes,
                                 const std::string& lengthText, const std::string& widthText,
                                 SymbolAttributeValues& values) {
    constexpr int64_t kMin = std::numeric_limits<int32_t>::min(), kMax = std::numeric_limits<int32_t>::max();
    int length = 0, width = 0;
    if (auto r = CheckWholeField(ctl::kAttrLengthMm, lengthText, kMin, kMax, length)) return r;
    if (auto r = CheckWholeField(ctl::kAttrWidthMm, widthText, kMin, kMax, width)) return r;
    values.strDescription = name;
    values.nFlags = FlagsFromBoxes(boxes);
    if (boxes.defaultSize) {
        values.nLength = length;
        values.nWidth = width;
    }
    return std::nullopt;
}

std::string ToEditLines(const std::string& stored) {
    std::string out;
    out.reserve(stored.size());
    for (size_t i = 0; i < stored.size(); ++i) {
        if (stored[i] == '\r' && i + 1 < stored.size() && stored[i + 1] == '\n') continue;
        out += stored[i];
    }
    return out;
}

std::string FromEditLines(const std::string& edited, const std::string& stored) {
    if (edited == ToEditLines(stored)) return stored;
    std::string out;
    out.reserve(edited.size() + 16);
    for (char c : edited) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}
