// The edit commands of a view ("&Bearbeiten" and the context menu): ids, keys and the
// context menu as data the shell maps, and the clipboard format of object copies.
#pragma once

#include "platform/Geometry.h"
#include "view/ViewEditAccelerators.h"

#include <vector>

namespace EditCmd {
constexpr int Cancel = 32768;        // Escape
constexpr int LineColor = 32775;     // "&Linienfarbe.."
constexpr int FillColor = 32776;     // "&Füllfarbe..."
constexpr int ToFront = 32777;       // "Objekt ganz nach vorn"
constexpr int ToBack = 32778;        // "Objekt ganz nach hinten"
constexpr int Forward = 32779;       // "Objekt eine z-Position vor"
constexpr int Backward = 32780;      // "Objekt eine z-Position zurück"
constexpr int ShowObjects = 32784;   // "&OLE Objekte anzeigen"
constexpr int Delete = 57632;        // "&Löschen"
constexpr int Copy = 57634;          // "&Kopieren"
constexpr int Cut = 57635;           // "Ausschneiden"
constexpr int Paste = 57637;         // "&Einfügen"
constexpr int SelectAll = 57642;     // "&Alles Auswählen"
constexpr int InsertObject = 57856;  // "&Neues OLE-Objekt einfügen"
}  // namespace EditCmd

// The clipboard format name of object copies: an object list in the archive encoding.
constexpr const char* kKovelClipboardFormat = "Kovel Format";

// Keys of the main window for the edit commands (with "S"/"s" for the selection mode).
const std::vector<Accelerator>& EditAccelerators();

struct MenuItem {
    int id = 0;            // 0: a separator
    const char* text = "";
};

// The pop-up menu to show and where, in screen coordinates.
struct ContextMenuRequest {
    int menuId = 187;
    CPoint screenPoint;
    const std::vector<MenuItem>* items = nullptr;
};

// Pop-up menu 187.
const std::vector<MenuItem>& ContextMenuItems();
