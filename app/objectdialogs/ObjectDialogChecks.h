// The checks and text rules of the object property dialogs, free of any widget so that they
// can be tested on their own: the framework's field transfer with its German messages, the
// dialogs' own refusals, the symbol dialog's default-size display, the text height stepping
// and the line breaks of multi-line edits.
#pragma once

#include "objects/ObjectDialogs.h"

#include <cstdint>
#include <optional>
#include <string>

// Control ids of the dialogs (the widgets carry them as object names "ctl<id>").
namespace ctl {
// Line and fill, "Hilfslinien".
constexpr int kLineWidth = 105, kLineColor = 151, kUseFill = 107, kFillColor = 116;
// Label, "Beschriftung".
constexpr int kLabelText = 104, kFixAngle = 197, kLabelAngle = 199, kFont = 105;
// Furniture symbol, "Einrichtungsgegenstand".
constexpr int kSymbolType = 123, kSymbolNote = 114, kSymbolWidth = 111, kSymbolHeight = 110, kDefaultSize = 186,
              kSymbolAngle = 124, kSymbolX = 121, kSymbolY = 122, kUnitWidth = 145, kUnitHeight = 146, kUnitX = 138,
              kUnitY = 139;
// Dimensions, "Maßlinien".
constexpr int kEdges = 146, kArea = 147, kEdgesAndArea = 148, kTextHeight = 150, kHeightScroll = 153;
// Library symbol attributes, "Symbol - Attribute ändern".
constexpr int kAttrName = 130, kAttrWidth = 178, kAttrLength = 179, kAttrCorner = 180, kAttrRotate = 181,
              kAttrDefault = 182, kAttrLengthMm = 183, kAttrWidthMm = 184;
// New library symbol, "Symbol hinzufügen".
constexpr int kAddGroup = 131, kAddClass = 129, kAddName = 130;
// Note, "Notiz".
constexpr int kNoteText = 188;
}  // namespace ctl

// The messages are the string table entries IDS_MSG_... (app/ShellTexts.h).

// Why OK was refused: the message box to show and the control that takes the focus.
struct FieldRefusal {
    int control = 0;
    std::string message;
    std::string caption;  // empty: the application's name, as for the framework's messages
    unsigned icon = 0;    // MB_ICON...
};
using FieldCheck = std::optional<FieldRefusal>;  // empty: accepted

// Replaces %1 and %2 in a message template.
std::string FillMessage(const std::string& text, const std::string& first, const std::string& second = {});
// A range bound as the messages show it: integral values without a fraction or exponent.
std::string BoundText(double value);

// The framework's integer transfer: blanks around an optional sign and digits, nothing else.
// Values beyond the 32-bit range come back clamped so that the range check refuses them.
bool ParseWholeField(const std::string& text, int64_t& value);
// Integer field in [lo, hi]; writes value only when accepted.
FieldCheck CheckWholeField(int control, const std::string& text, int64_t lo, int64_t hi, int& value);
// Float field in [lo, hi] (NaN and infinities refused); writes value only when accepted.
FieldCheck CheckFloatField(int control, const std::string& text, float lo, float hi, float& value);
// At most maxChars characters (UTF-8 code points).
FieldCheck CheckMaxChars(int control, const std::string& text, int maxChars);

// --- line and fill ------------------------------------------------------------------------------
FieldCheck CheckLineWidth(const std::string& text, int& width);

// --- label -----------------------------------------------------------------------------------
FieldCheck CheckLabelAngle(const std::string& text, int& angle);

// --- furniture symbol -----------------------------------------------------------------------
constexpr float kSymbolMaxValue = 1000000.0f;
// "%0.2f" of a value, independent of the locale.
std::string TwoDecimals(float value);
// How the library size is shown by the "Standardwerte verwenden" rule.
struct DefaultSizeDisplay {
    bool available = true;  // false: the box is cleared and disabled
    std::string lengthText, widthText;
};
DefaultSizeDisplay DefaultSizeFor(float defaultLength, float defaultWidth);
// The texts of the symbol dialog's number edits.
struct SymbolFieldTexts {
    std::string width, height, angle, x, y;
};
// On OK: height, then width must be above 0 (own messages), then the framework transfer of
// width, height, angle, x and y with their ranges. On acceptance fWidth, fLength, fAngle, fX
// and fY are written; on refusal nothing is.
FieldCheck CheckSymbolFields(const SymbolFieldTexts& texts, SymbolDialogValues& values);

// --- dimensions ----------------------------------------------------------------------------
// The text height one step up (+1) or down (-1) from the shown text, wrapping within 1 ... 99.
int StepTextHeight(const std::string& text, int delta);
FieldCheck CheckTextHeight(const std::string& text);

// --- library symbol attributes ---------------------------------------------------------------
struct SymbolAttributeBoxes {
    bool length = false, width = false, corner = false, rotate = false, defaultSize = false;
};
SymbolAttributeBoxes BoxesFromFlags(uint32_t flags);
uint32_t FlagsFromBoxes(const SymbolAttributeBoxes& boxes);
// On OK: both size edits are integers (the framework transfers them in any case); the
// description and flags are taken, the size only when the default-size box is ticked.
FieldCheck ApplySymbolAttributes(const std::string& name, const SymbolAttributeBoxes& boxes,
                                 const std::string& lengthText, const std::string& widthText,
                                 SymbolAttributeValues& values);

// --- multi-line edits --------------------------------------------------------------------
// Stored texts break lines with CR LF, as the platform's multi-line edit returns them; the
// widget works with LF. Text left as it was shown comes back byte for byte as stored.
std::string ToEditLines(const std::string& stored);
std::string FromEditLines(const std::string& edited, const std::string& stored);
