// The property dialogs that drawing objects open, as a service: the shell installs real
// dialogs, tests install scripted ones. The default cancels every dialog, so code that runs
// without a user interface never changes an object by accident.
#pragma once

#include "platform/GdiTypes.h"

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
    int nChoice = kArea;          // what is dimensioned
    std::string strTextHeight;    // decimal text, at most 2 characters
    bool bForPolygon = false;     // the choice is offered only for a polygon
};

// The fields of the symbol dialog ("Einrichtungsgegenstand"). Lengths and the position are
// in the display unit; the angle in degrees, 0 to under 360.
struct SymbolDialogValues {
    std::string strNote;           // "Beschreibung:"
    std::string strType;           // the library description, shown only
    float fLength = 0.0f;
    float fWidth = 0.0f;
    float fDefaultLength = 0.0f;   // shown only
    float fDefaultWidth = 0.0f;    // shown only
    int bDefaultSize = 0;          // "Voreinstellung  verwenden :"
    float fX = 0.0f;
    float fY = 0.0f;
    float fAngle = 0.0f;
    std::string strUnit;           // "mm", "cm", "m" or "-"
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

class IObjectDialogs {
public:
    virtual ~IObjectDialogs() = default;
    // Shows the dialog preset with inOut; on OK writes the user's values back and returns true.
    virtual bool EditLineAndFill(LineFillValues& inOut) = 0;
    // The dimension dialog; the default cancels.
    virtual bool EditDimensions(DimensionDialogValues& inOut) { (void)inOut; return false; }
    // The symbol dialog; the default cancels.
    virtual bool EditSymbol(SymbolDialogValues& inOut) { (void)inOut; return false; }
    // The note dialog ("Notiz") of a marker or symbol; the default cancels.
    virtual bool EditNote(std::string& inOut) { (void)inOut; return false; }
    // The label dialog of a text label; the default cancels.
    virtual bool EditText(TextDialogValues& inOut) { (void)inOut; return false; }
};

// The installed dialogs; never null.
IObjectDialogs& ObjectDialogs();
// Installs dialogs (not owned); null puts back the default that cancels.
void SetObjectDialogs(IObjectDialogs* dialogs);
