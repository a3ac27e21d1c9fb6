#include "commands/CommandTable.h"

#include "commands/CommandIds.h"
#include "platform/StringTable.h"

#include <algorithm>

namespace {

using K = CommandKey;

constexpr K Char(unsigned ch) { return {K::character, ch, K::kNone}; }
constexpr K Key(unsigned vk, unsigned modifiers = K::kNone) { return {K::virtualKey, vk, modifiers}; }
// A plain letter in lower and upper case (Caps Lock must not take the key away).
std::vector<K> Letter(char lower) { return {Char(unsigned(lower)), Char(unsigned(lower - 'a' + 'A'))}; }

// The id and its name, spelt once.
#define ID(name) cmd::name, #name

std::vector<Command> BuildTable() {
    std::vector<Command> t = {
        {ID(Cancel), "", "", {Key(VK_ESCAPE)}},
        {ID(GridLines), "&Rasterlinien", "G", Letter('g'), true},
        {ID(SelectMode), "&Auswahl-Modus", "S", Letter('s'), true, "select.svg"},
        {ID(ToolLine), "&Line", "L", Letter('l'), true, "line.svg"},
        {ID(ToolRect), "&Rechteck", "R", Letter('r'), true, "rect.svg"},
        {ID(ToolRoundRect), "&Abgerundetes Rechteck", "N", Letter('n'), true, "roundrect.svg"},
        {ID(ToolEllipse), "&Ellipse", "E", Letter('e'), true, "ellipse.svg"},
        {ID(LineColor), "&Linienfarbe..", "", {}},
        {ID(FillColor), "&Füllfarbe...", "", {}},
        // Also in the "Bearbeiten" menu, so that users find the command.
        {ID(BackgroundColor), "Hintergrundfarbe ändern", "", {}},
        {ID(ToFront), "Objekt ganz nach vorn", "Plus", {Char('+')}, false, "to-front.svg"},
        {ID(ToBack),
         "Objekt ganz nach hinten",
         "Minus",
         {Char('-'), Char('_'), Key(VK_SUBTRACT, K::kControl)},
         false,
         "to-back.svg"},
        {ID(ForwardOne), "Objekt eine z-Position vor", "Strg+Plus", {Key(VK_OEM_PLUS, K::kControl)}},
        {ID(BackOne),
         "Objekt eine z-Position zurück",
         "Strg+Minus",
         {Key(VK_OEM_MINUS, K::kControl), Key(VK_SUBTRACT)}},
        {ID(ToolPolygon), "&Polygonfläche", "", {}, true, "polygon.svg"},
        {ID(ShowEmbedded), "&OLE Objekte anzeigen", "", {}, true},
        {ID(Properties), "Eigenschaften...", "Alt+Return", {Key(VK_RETURN, K::kAlt)}},
        {ID(PrintGrid), "&Rasterlinien drucken", "", {}, true},
        {ID(ToggleMeasureBox), "M&essen", "", {}, true, "box-measure.svg"},
        {ID(ToggleFurnitureButton), "", "", {}, true, "box-furniture.svg"},
        {ID(Zoom), "Zoomen", "", {}, true, "zoom.svg"},
        {ID(FullView), "Vollbild", "", {}, false, "full-view.svg"},
        {ID(ScrollDown), "", "", {Key(VK_DOWN)}},
        {ID(ScrollUp), "", "", {Key(VK_UP)}},
        {ID(ScrollLeft), "", "", {Key(VK_LEFT)}},
        {ID(ScrollRight), "", "", {Key(VK_RIGHT)}},
        {ID(ToolText), "&Text", "", {}, true, "text.svg"},
        {ID(ToggleLinesBox), "&Hilfslinien", "", {}, true, "box-lines.svg"},
        {ID(MeasureLine), "&Strecke", "", {}, true, "measure-line.svg"},
        {ID(MeasureChain), "&Polygon", "", {}, true, "measure-chain.svg"},
        {ID(MeasureRect), "&Rechtecksfläche", "", {}, true, "measure-rect.svg"},
        {ID(MeasurePolygon), "P&olygonfläche", "", {}, true, "measure-polygon.svg"},
        {ID(GardenBox), "", "", {}},
        {ID(ImportPlan), "&Plan / Grundriß ...", "Strg + G", {Key('G', K::kControl)}},
        {ID(GridSetup), "Rasterlinien einrichten ...", "", {}},
        {ID(StoreSelectionAsSymbol), "Selektion als Symbol &ablegen...", "", {}},
        {ID(ScaleAndUnit), "&Maßstab und Einheit...", "", {}},
        {ID(Origin), "Nullpunkt...", "", {}},
        {ID(Marker), "&Marker setzen", "", {}, true, "marker.svg"},
        {ID(ToolPolyline), "Polyline", "", {}, true, "polyline.svg"},
        {ID(RoomLiving), "&Wohnen", "", {}, true, "room-living.svg"},
        {ID(RoomSleeping), "&Schlafen", "", {}, true, "room-sleeping.svg"},
        {ID(RoomKitchen), "&Küche", "", {}, true, "room-kitchen.svg"},
        {ID(RoomBath), "&Bad", "", {}, true, "room-bath.svg"},
        {ID(RoomOffice), "Bü&ro", "", {}, true, "room-office.svg"},
        {ID(RoomAppliances), "&Geräte", "", {}, true, "room-appliances.svg"},
        {ID(RoomConnections), "&Anschlüsse", "", {}, true, "room-connections.svg"},
        {ID(ToggleFurnitureBox), "&Einrichtung", "", {}, true},
        {ID(SnapSetup), "Fangraster...", "", {}},
        {ID(FileOptions), "&Optionen...", "", {}},
        {ID(FileNew), "&Neu", "Strg+N", {Key('N', K::kControl)}, false, "file-new.svg"},
        {ID(FileOpen), "&Öffnen...", "Strg+O", {Key('O', K::kControl)}, false, "file-open.svg"},
        {ID(FileClose), "&Schließen", "", {}},
        {ID(FileSave), "&Speichern", "Strg+S", {Key('S', K::kControl)}, false, "file-save.svg"},
        {ID(FileSaveAs), "Speichern &als...", "", {}},
        {ID(PrintSetup), "Drucker &einrichten...", "", {}},
        {ID(FilePrint), "&Drucken...", "Strg+P", {Key('P', K::kControl)}, false, "print.svg"},
        {ID(PrintPreview), "Seiten&ansicht", "", {}},
        {ID(RecentFile1), "Zuletzt geöffnete Datei", "", {}},
        {cmd::RecentFile1 + 1, "RecentFile2", "", "", {}},
        {cmd::RecentFile1 + 2, "RecentFile3", "", "", {}},
        {ID(RecentFileLast), "", "", {}},
        {ID(EditDelete), "&Löschen", "Entf", {Key(VK_DELETE)}},
        {ID(EditCopy), "&Kopieren", "Strg+C", {Key('C', K::kControl), Key(VK_INSERT, K::kControl)}, false, "copy.svg"},
        {ID(EditCut), "Ausschneiden", "Strg+X", {Key('X', K::kControl), Key(VK_DELETE, K::kShift)}, false, "cut.svg"},
        {ID(EditPaste), "&Einfügen", "Strg+V", {Key('V', K::kControl), Key(VK_INSERT, K::kShift)}, false, "paste.svg"},
        {ID(EditSelectAll), "&Alles Auswählen", "Strg+A", {Key('A', K::kControl)}},
        {ID(EditUndo), "&Rückgängig", "Strg+Z", {Key('Z', K::kControl), Key(VK_BACK, K::kAlt)}, false, "undo.svg"},
        {ID(EditRedo),
         "&Wiederholen",
         "Strg+Y",
         {Key('Y', K::kControl), Key('Z', K::kControl | K::kShift)},
         false,
         "redo.svg"},
        {ID(WindowNew), "Neues &Fenster", "", {}},
        {ID(WindowArrange), "&Symbole anordnen", "", {}},
        {ID(WindowCascade), "&Gestaffelt", "", {}},
        {ID(WindowTile), "&Nebeneinander", "", {}},
        {ID(AppAbout), "&Über Kovel...", "", {}},
        {ID(AppExit), "E&nde", "", {}},
        {ID(HelpIndex), "&Index", "", {}},
        {ID(HelpUsing), "&Hilfe verwenden", "", {}},
        {ID(ContextHelp), "", "", {Key(VK_F1, K::kShift)}},
        {ID(Help), "", "", {Key(VK_F1)}},
        {ID(NextPane), "", "", {Key(VK_F6)}},
        {ID(PrevPane), "", "", {Key(VK_F6, K::kShift)}},
        {ID(InsertObject), "&Neues OLE-Objekt einfügen", "", {}},
        {ID(EditLinks), "&OLE Verbindungen...", "", {}},
        {ID(ObjectVerbs), "&Objekt", "", {}},
        {ID(ViewToolbar), "Standard&toolbox", "", {}, true},
        {ID(ViewStatusBar), "&Statuszeile", "", {}, true},
    };
    std::sort(t.begin(), t.end(), [](const Command& a, const Command& b) { return a.id < b.id; });
    return t;
}

#undef ID

// Line `index` of the command's string.
std::string CommandStringLine(int id, int index) {
    const std::string text = LoadString(id);
    size_t begin = 0;
    for (int i = 0; i < index; ++i) {
        begin = text.find('\n', begin);
        if (begin == std::string::npos) return {};
        ++begin;
    }
    return text.substr(begin, text.find('\n', begin) - begin);
}

}  // namespace

const std::vector<Command>& Commands() {
    static const std::vector<Command> table = BuildTable();
    return table;
}

const Command* FindCommand(int id) {
    const auto& t = Commands();
    auto it = std::lower_bound(t.begin(), t.end(), id, [](const Command& c, int key) { return c.id < key; });
    return it != t.end() && it->id == id ? &*it : nullptr;
}

std::string CommandHelpLine(int id) { return CommandStringLine(id, 0); }

std::string CommandToolTip(int id) { return CommandStringLine(id, 1); }
