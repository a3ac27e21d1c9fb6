// The checks and apply steps of the document settings dialogs: scale and unit, origin, grid
// lines and snap grid. The shell's dialogs show the presets, hand
// the typed texts to the check on OK, act on the verdict, and on acceptance call apply.
#pragma once

#include "platform/GdiTypes.h"
#include "platform/Services.h"

#include <string>
#include <vector>

class CArdoDoc;

// What a dialog does when OK is pressed.
struct DialogVerdict {
    bool accept = false;     // close the dialog and apply
    bool beep = false;       // MessageBeep before anything else
    int focusControl = 0;    // control id that takes the focus (0: none)
    bool selectAll = false;  // select the whole text of the focused control; otherwise the
                             // selection is removed and the caret scrolled into view
    std::string message;     // message box text, empty for none
    std::string caption;     // its caption; empty: the application's name (framework texts)
    unsigned icon = 0;       // MB_ICON... of the message box
};

// Framework messages of the field transfer.
constexpr int IDS_ENTER_NUMBER = 41016;            // "Geben Sie bitte eine Zahl ein."
constexpr int IDS_ENTER_POSITIVE_INTEGER = 41017;  // "Geben Sie bitte eine positive ganze Zahl ein."

// How the typed texts are read. ScanFloat: what "%f" takes from the first maxChars
// characters (leading blanks, sign, digits, point, exponent), independent of the locale; no
// number gives false. ParseFloatField: the framework's strict transfer of a whole text
// (blanks around allowed, nothing else). ParseUnsignedField likewise for unsigned integers.
bool ScanFloat(const std::string& text, size_t maxChars, float& value);
bool ParseFloatField(const std::string& text, float& value);
bool ParseUnsignedField(const std::string& text, unsigned& value);

// --- the scale dialog "Zeichnungsmaßstab" ----------------------------------------------------
constexpr int kScaleCombo = 131;
struct ScaleDialogList {
    std::vector<std::string> items;  // the fixed list, with the current scale on top when new
    int selected = 0;
};
// The list on opening: the scale written with "%0.0f" is selected, inserted on top first when
// the fixed list does not hold it.
ScaleDialogList ScaleDialogListFor(float scale);
// OK: at most 9 characters read as a float, its absolute value, raised to 1 when smaller.
// Text that holds no number (or no finite one) is refused with the message.
DialogVerdict CheckScaleDialog(const std::string& comboText, float& scale);

// --- the origin dialog "Koordinatenursprung festlegen" ---------------------------------------
constexpr int kOriginEditX = 136;
constexpr int kOriginEditY = 137;
struct OriginDialogPreset {
    std::string xText, yText;  // the origin in the display unit, as the float transfer shows it
    std::string unitLabel;
};
OriginDialogPreset OriginDialogPresetFor(const CArdoDoc& doc);
DialogVerdict CheckOriginDialog(const std::string& xText, const std::string& yText, float& x, float& y);
// The entered point (display unit) becomes the new (0, 0) of the readout. No redraw.
void ApplyOriginDialog(CArdoDoc& doc, float x, float y);

// --- the grid dialog "Rasterlinien einrichten" -----------------------------------------------
constexpr int kGridEditX = 140;
constexpr int kGridEditY = 141;
struct GridDialogPreset {
    std::string xText, yText;  // spacing in the display unit
    std::string unitLabel;
    COLORREF color = 0;
};
GridDialogPreset GridDialogPresetFor(const CArdoDoc& doc);
// A text without a number keeps the dialog open silently (accept false, no message); a
// spacing of 0 or less beeps and focuses its edit; then the strict transfer runs.
DialogVerdict CheckGridDialog(const std::string& xText, const std::string& yText, float& x, float& y);
// Stores colour (also in the user settings) and spacings, marks modified, hint 0.
void ApplyGridDialog(CArdoDoc& doc, float x, float y, COLORREF color, ISettingsStore& settings);

// --- the snap dialog "Fangraster" ------------------------------------------------------------
constexpr int kSnapCheck = 192;
constexpr int kSnapEdit = 194;
struct SnapDialogPreset {
    bool snap = true;
    std::string spacingText;
};
SnapDialogPreset SnapDialogPresetFor(const CArdoDoc& doc);
DialogVerdict CheckSnapDialog(const std::string& spacingText, unsigned& spacing);
// Stores both values; no redraw, the document stays unmodified.
void ApplySnapDialog(CArdoDoc& doc, bool snap, unsigned spacing);
