// Checks and apply steps of the scale, origin, grid and snap dialogs.
#include "view/SettingsDialogs.h"

#include "document/ArdoDoc.h"
#include "document/ScaleText.h"
#include "platform/Services.h"
#include "platform/StringTable.h"

#include <charconv>
#include <cmath>
#include <cstdio>

namespace {
constexpr int IDS_SCALE_INVALID = 41018;
constexpr int IDS_INPUT_ERROR_CAPTION = 41019;  // "Eingabefehler"

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f'; }

// Reads a decimal float at text[pos...]: optional sign, then what from_chars takes.
// Returns the position after the number, or npos when there is none.
size_t ReadFloat(const std::string& text, size_t pos, float& value) {
    bool negative = false;
    if (pos < text.size() && (text[pos] == '+' || text[pos] == '-')) {
        negative = text[pos] == '-';
        ++pos;
    }
    if (pos >= text.size() || text[pos] == '+' || text[pos] == '-') return std::string::npos;
    // Read in double and narrow: a value beyond the float range becomes infinite, which the
    // callers refuse; one beyond even the double range is no usable number at all.
    double v = 0.0;
    const char* first = text.data() + pos;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), v);
    if (end == first || ec != std::errc()) return std::string::npos;
    value = float(negative ? -v : v);
    return size_t(end - text.data());
}

DialogVerdict Refuse(int control, const std::string& message, const std::string& caption, unsigned icon, bool beep,
                     bool selectAll) {
    DialogVerdict v;
    v.focusControl = control;
    v.message = message;
    v.caption = caption;
    v.icon = icon;
    v.beep = beep;
    v.selectAll = selectAll;
    return v;
}

DialogVerdict FrameworkRefusal(int control, int message) {
    return Refuse(control, LoadString(message), "", MB_ICONEXCLAMATION, false, true);
}

DialogVerdict Accepted() {
    DialogVerdict v;
    v.accept = true;
    return v;
}

// The float transfer shows values with the precision of a float.
std::string FloatFieldText(float value) {
    char text[64];
    std::snprintf(text, sizeof text, "%.6g", double(value));
    return text;
}
}  // namespace

bool ScanFloat(const std::string& text, size_t maxChars, float& value) {
    const std::string head = text.substr(0, maxChars);
    size_t pos = 0;
    while (pos < head.size() && IsBlank(head[pos])) ++pos;
    return ReadFloat(head, pos, value) != std::string::npos;
}

bool ParseFloatField(const std::string& text, float& value) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    float v = 0.0f;
    size_t end = ReadFloat(text, pos, v);
    if (end == std::string::npos) return false;
    while (end < text.size() && IsBlank(text[end])) ++end;
    if (end != text.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool ParseUnsignedField(const std::string& text, unsigned& value) {
    size_t pos = 0;
    while (pos < text.size() && IsBlank(text[pos])) ++pos;
    if (pos < text.size() && text[pos] == '+') ++pos;
    unsigned v = 0;
    const char* first = text.data() + pos;
    const auto [end, ec] = std::from_chars(first, text.data() + text.size(), v);
    if (end == first || ec != std::errc()) return false;
    size_t rest = size_t(end - text.data());
    while (rest < text.size() && IsBlank(text[rest])) ++rest;
    if (rest != text.size()) return false;
    value = v;
    return true;
}

// --- scale and unit --------------------------------------------------------------------------

ScaleDialogList ScaleDialogListFor(float scale) {
    ScaleDialogList list;
    list.items = {"1", "5", "10", "20", "25", "50", "100", "500", "1000"};
    char text[64];
    std::snprintf(text, sizeof text, "%0.0f", double(scale));
    for (size_t i = 0; i < list.items.size(); ++i) {
        if (list.items[i] == text) {
            list.selected = int(i);
            return list;
        }
    }
    list.items.insert(list.items.begin(), text);
    list.selected = 0;
    return list;
}

DialogVerdict CheckScaleDialog(const std::string& comboText, float& scale) {
    float value = 0.0f;
    // A value that is no finite number would make every length meaningless: refused too.
    if (!ScanFloat(comboText, 9, value) || !std::isfinite(value))
        return Refuse(kScaleCombo, LoadString(IDS_SCALE_INVALID), LoadString(IDS_INPUT_ERROR_CAPTION), MB_ICONERROR,
                      true, true);
    value = std::fabs(value);
    if (value < 1.0f) value = 1.0f;
    scale = value;
    return Accepted();
}

// --- origin ----------------------------------------------------------------------------------

OriginDialogPreset OriginDialogPresetFor(const CArdoDoc& doc) {
    const float divisor = float(doc.UnitDivisor());
    OriginDialogPreset preset;
    preset.xText = FloatFieldText(doc.OriginX() / divisor / doc.UnitsPerMm() * doc.Scale());
    preset.yText = FloatFieldText(doc.OriginY() / divisor / doc.UnitsPerMm() * doc.Scale());
    preset.unitLabel = UnitLabel(doc.UnitDivisor());
    return preset;
}

DialogVerdict CheckOriginDialog(const std::string& xText, const std::string& yText, float& x, float& y) {
    if (!ParseFloatField(xText, x)) return FrameworkRefusal(kOriginEditX, IDS_ENTER_NUMBER);
    if (!ParseFloatField(yText, y)) return FrameworkRefusal(kOriginEditY, IDS_ENTER_NUMBER);
    return Accepted();
}

void ApplyOriginDialog(CArdoDoc& doc, float x, float y) {
    const float divisor = float(doc.UnitDivisor());
    doc.SetOrigin(doc.OriginX() - divisor * x * doc.UnitsPerMm() / doc.Scale(),
                  doc.OriginY() - divisor * y * doc.UnitsPerMm() / doc.Scale());
}

// --- grid lines ------------------------------------------------------------------------------

GridDialogPreset GridDialogPresetFor(const CArdoDoc& doc) {
    GridDialogPreset preset;
    preset.xText = FloatFieldText(doc.GridX() / float(doc.UnitDivisor()));
    preset.yText = FloatFieldText(doc.GridY() / float(doc.UnitDivisor()));
    preset.unitLabel = UnitLabel(doc.UnitDivisor());
    preset.color = doc.GridColor();
    return preset;
}

DialogVerdict CheckGridDialog(const std::string& xText, const std::string& yText, float& x, float& y) {
    float sx = 0.0f, sy = 0.0f;
    if (!ScanFloat(xText, 9, sx) || !ScanFloat(yText, 9, sy)) return DialogVerdict{};
    if (sx <= 0.0f) return Refuse(kGridEditX, "", "", 0, true, false);
    if (sy <= 0.0f) return Refuse(kGridEditY, "", "", 0, true, false);
    if (!ParseFloatField(xText, x)) return FrameworkRefusal(kGridEditX, IDS_ENTER_NUMBER);
    if (!ParseFloatField(yText, y)) return FrameworkRefusal(kGridEditY, IDS_ENTER_NUMBER);
    return Accepted();
}

void ApplyGridDialog(CArdoDoc& doc, float x, float y, COLORREF color, ISettingsStore& settings) {
    settings.WriteProfileInt("UserSettings", "GridColorRed", GetRValue(color));
    settings.WriteProfileInt("UserSettings", "GridColorGreen", GetGValue(color));
    settings.WriteProfileInt("UserSettings", "GridColorBlue", GetBValue(color));
    doc.SetGrid(float(doc.UnitDivisor()) * x, float(doc.UnitDivisor()) * y, color);
}

// --- snap grid -------------------------------------------------------------------------------

SnapDialogPreset SnapDialogPresetFor(const CArdoDoc& doc) {
    SnapDialogPreset preset;
    preset.snap = doc.Snap() != 0;
    preset.spacingText = std::to_string(uint32_t(doc.SnapSpacing()));
    return preset;
}

DialogVerdict CheckSnapDialog(const std::string& spacingText, unsigned& spacing) {
    if (!ParseUnsignedField(spacingText, spacing)) return FrameworkRefusal(kSnapEdit, IDS_ENTER_POSITIVE_INTEGER);
    return Accepted();
}

void ApplySnapDialog(CArdoDoc& doc, bool snap, unsigned spacing) {
    doc.SetSnap(snap ? 1 : 0);
    doc.SetSnapSpacing(int(spacing));
}
