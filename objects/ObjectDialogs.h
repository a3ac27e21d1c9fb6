// The property dialogs that drawing objects open, as a service: the shell installs real
// dialogs, tests install scripted ones. The default cancels every dialog, so code that runs
// without a user interface never changes an object by accident.
#pragma once

#include "platform/GdiTypes.h"

#include <cstdint>
#include <string>

// The fields of the line-and-fill dialog ("Hilfslinien").
struct LineFillValues {
    int lineWidth = 0;  // 1/100 mm, 0 ... 32767
    COLORREF lineColor = 0;
    COLORREF fillColor = 0;
    int bFill = 0;
};

// The fields of the dimension dialog ("Maßlinien") of the measuring objects.
struct DimensionDialogValues {
    enum Choice { kEdges = 0, kArea = 1, kEdgesAndArea = 2 };
    int nChoice = kArea;        // what is dimensioned
    std::string strTextHeight;  // decimal text, at most 2 characters
    bool bForPolygon = false;   // the choice is offered only for a polygon
};

// The fields of the symbol dialog ("Einrichtungsgegenstand"). Lengths and the position are
// in the display unit; the angle in degrees, 0 to under 360.
struct SymbolDialogValues {
    std::string strNote;  // "Beschreibung:"
    std::string strType;  // the library description, shown only
    float fLength = 0.0f;
    float fWidth = 0.0f;
    float fDefaultLength = 0.0f;  // shown only
    float fDefaultWidth = 0.0f;   // shown only
    int bDefaultSize = 0;         // "Voreinstellung  verwenden :"
    float fX = 0.0f;
    float fY = 0.0f;
    float fAngle = 0.0f;
    std::string strUnit;  // "mm", "cm", "m" or "-"
};

// The fields of the label dialog ("Beschriftung"). The font and colour are shown as preset;
// when the user picks a font ("Schriftart ..."), bFontChosen is set and lf/crText hold it.
struct TextDialogValues {
    std::string strText;
    LOGFONT lf{};
    COLORREF crText = 0;
    int nAngle = 0;  // degrees; may come back negative
    int bFixedAngle = 0;
    bool bFontChosen = false;
};

// The fields of the library symbol attribute dialog ("Symbol - Attribute ändern"): a symbol
// table entry's name, property flags and default size. On OK the flags are rebuilt from the
// dialog's five boxes (1 length, 2 width, 4 corner handle, 8 rotation, 0x10 default size); the
// size is written back only when 0x10 is set.
struct SymbolAttributeValues {
    std::string strDescription;
    uint32_t nFlags = 0;
    int32_t nLength = 0;  // mm
    int32_t nWidth = 0;   // mm
};

// The fields of the dialog that stores the selection as a new library symbol ("Symbol
// hinzufügen"): the room group (0 "Marker" ... 7 "Anschlüsse", -1 none), the symbol class
// (index into the class list, -1 none) and the name.
struct AddSymbolValues {
    int nGroup = -1;
    int nClass = -1;
    std::string strName;
};

class IObjectDialogs {
public:
    virtual ~IObjectDialogs() = default;
    // Shows the dialog preset with inOut; on OK writes the user's values back and returns true.
    virtual bool EditLineAndFill(LineFillValues& inOut) = 0;
    // The dimension dialog; the default cancels.
    virtual bool EditDimensions(DimensionDialogValues& inOut) {
        (void)inOut;
        return false;
    }
    // The symbol dialog; the default cancels.
    virtual bool EditSymbol(SymbolDialogValues& inOut) {
        (void)inOut;
        return false;
    }
    // The note dialog ("Notiz") of a marker or symbol; the default cancels.
    virtual bool EditNote(std::string& inOut) {
        (void)inOut;
        return false;
    }
    // The label dialog of a text label; the default cancels.
    virtual bool EditText(TextDialogValues& inOut) {
        (void)inOut;
        return false;
    }
    // The attribute dialog of a library symbol; the default cancels.
    virtual bool EditSymbolAttributes(SymbolAttributeValues& inOut) {
        (void)inOut;
        return false;
    }
    // The dialog that names a new library symbol; the default cancels.
    virtual bool EditAddSymbol(AddSymbolValues& inOut) {
        (void)inOut;
        return false;
    }
};

// The installed dialogs; never null.
IObjectDialogs& ObjectDialogs();
// Installs dialogs (not owned); null puts back the default that cancels.
void SetObjectDialogs(IObjectDialogs* dialogs);
