#include "app/frame/CommandTable.h"

#include "app/frame/CommandIds.h"
#include "platform/StringTable.h"

#include <QStringList>

#include <algorithm>

namespace {

QKeySequence Key(QKeyCombination key) { return QKeySequence(key); }
// A plain character key in lower and upper case.
std::vector<QKeySequence> Letter(Qt::Key key) { return {Key(key), Key(Qt::SHIFT | key)}; }

std::vector<CommandInfo> BuildTable() {
    using namespace cmd;
    std::vector<CommandInfo> t = {
        {Cancel, "", "", {Key(Qt::Key_Escape)}},
        {GridLines, "&Rasterlinien", "G", Letter(Qt::Key_G), true},
        {SelectMode, "&Auswahl-Modus", "S", Letter(Qt::Key_S), true, "select.svg"},
        {ToolLine, "&Line", "L", Letter(Qt::Key_L), true, "line.svg"},
        {ToolRect, "&Rechteck", "R", Letter(Qt::Key_R), true, "rect.svg"},
        {ToolRoundRect, "&Abgerundetes Rechteck", "N", Letter(Qt::Key_N), true, "roundrect.svg"},
        {ToolEllipse, "&Ellipse", "E", Letter(Qt::Key_E), true, "ellipse.svg"},
        {LineColor, "&Linienfarbe..", "", {}},
        {FillColor, "&Füllfarbe...", "", {}},
        // Also in the "Bearbeiten" menu, so that users find the command.
        {BackgroundColor, "Hintergrundfarbe ändern", "", {}},
        {ToFront, "Objekt ganz nach vorn", "Plus", {Key(Qt::Key_Plus)}, false, "to-front.svg"},
        {ToBack, "Objekt ganz nach hinten", "Minus",
         {Key(Qt::Key_Minus), Key(Qt::Key_Underscore), Key(Qt::ControlModifier | Qt::KeypadModifier | Qt::Key_Minus)}, false,
         "to-back.svg"},
        {ForwardOne, "Objekt eine z-Position vor", "Strg+Plus", {Key(Qt::CTRL | Qt::Key_Plus)}},
        {BackOne, "Objekt eine z-Position zurück", "Strg+Minus",
         {Key(Qt::CTRL | Qt::Key_Minus), Key(Qt::KeypadModifier | Qt::Key_Minus)}},
        {ToolPolygon, "&Polygonfläche", "", {}, true, "polygon.svg"},
        {ShowEmbedded, "&OLE Objekte anzeigen", "", {}, true},
        {Properties, "Eigenschaften...", "Alt+Return", {Key(Qt::ALT | Qt::Key_Return), Key(Qt::ALT | Qt::Key_Enter)}},
        {PrintGrid, "&Rasterlinien drucken", "", {}, true},
        {ToggleMeasureBox, "M&essen", "", {}, true, "box-measure.svg"},
        {ToggleFurnitureButton, "", "", {}, true, "box-furniture.svg"},
        {Zoom, "Zoomen", "", {}, true, "zoom.svg"},
        {FullView, "Vollbild", "", {}, false, "full-view.svg"},
        {ScrollDown, "", "", {Key(Qt::Key_Down)}},
        {ScrollUp, "", "", {Key(Qt::Key_Up)}},
        {ScrollLeft, "", "", {Key(Qt::Key_Left)}},
        {ScrollRight, "", "", {Key(Qt::Key_Right)}},
        {ToolText, "&Text", "", {}, true, "text.svg"},
        {ToggleLinesBox, "&Hilfslinien", "", {}, true, "box-lines.svg"},
        {MeasureLine, "&Strecke", "", {}, true, "measure-line.svg"},
        {MeasureChain, "&Polygon", "", {}, true, "measure-chain.svg"},
        {MeasureRect, "&Rechtecksfläche", "", {}, true, "measure-rect.svg"},
        {MeasurePolygon, "P&olygonfläche", "", {}, true, "measure-polygon.svg"},
        {GardenBox, "", "", {}},
        {ImportPlan, "&Plan / Grundriß ...", "Strg + G", {Key(Qt::CTRL | Qt::Key_G)}},
        {GridSetup, "Rasterlinien einrichten ...", "", {}},
        {StoreSelectionAsSymbol, "Selektion als Symbol &ablegen...", "", {}},
        {ScaleAndUnit, "&Maßstab und Einheit...", "", {}},
        {Origin, "Nullpunkt...", "", {}},
        {Marker, "&Marker setzen", "", {}, true, "marker.svg"},
        {ToolPolyline, "Polyline", "", {}, true, "polyline.svg"},
        {RoomLiving, "&Wohnen", "", {}, true, "room-living.svg"},
        {RoomSleeping, "&Schlafen", "", {}, true, "room-sleeping.svg"},
        {RoomKitchen, "&Küche", "", {}, true, "room-kitchen.svg"},
        {RoomBath, "&Bad", "", {}, true, "room-bath.svg"},
        {RoomOffice, "Bü&ro", "", {}, true, "room-office.svg"},
        {RoomAppliances, "&Geräte", "", {}, true, "room-appliances.svg"},
        {RoomConnections, "&Anschlüsse", "", {}, true, "room-connections.svg"},
        {ToggleFurnitureBox, "&Einrichtung", "", {}, true},
        {SnapSetup, "Fangraster...", "", {}},
        {FileNew, "&Neu", "Strg+N", {Key(Qt::CTRL | Qt::Key_N)}, false, "file-new.svg"},
        {FileOpen, "&Öffnen...", "Strg+O", {Key(Qt::CTRL | Qt::Key_O)}, false, "file-open.svg"},
        {FileClose, "&Schließen", "", {}},
        {FileSave, "&Speichern", "Strg+S", {Key(Qt::CTRL | Qt::Key_S)}, false, "file-save.svg"},
        {FileSaveAs, "Speichern &als...", "", {}},
        {PrintSetup, "Drucker &einrichten...", "", {}},
        {FilePrint, "&Drucken...", "Strg+P", {Key(Qt::CTRL | Qt::Key_P)}, false, "print.svg"},
        {PrintPreview, "Seiten&ansicht", "", {}},
        {RecentFile1, "Zuletzt geöffnete Datei", "", {}},
        {RecentFile1 + 1, "", "", {}},
        {RecentFile1 + 2, "", "", {}},
        {RecentFileLast, "", "", {}},
        {EditDelete, "&Löschen", "Entf", {Key(Qt::Key_Delete)}},
        {EditCopy, "&Kopieren", "Strg+C", {Key(Qt::CTRL | Qt::Key_C), Key(Qt::CTRL | Qt::Key_Insert)}, false, "copy.svg"},
        {EditCut, "Ausschneiden", "Strg+X", {Key(Qt::CTRL | Qt::Key_X), Key(Qt::SHIFT | Qt::Key_Delete)}, false,
         "cut.svg"},
        {EditPaste, "&Einfügen", "Strg+V", {Key(Qt::CTRL | Qt::Key_V), Key(Qt::SHIFT | Qt::Key_Insert)}, false,
         "paste.svg"},
        {EditSelectAll, "&Alles Auswählen", "Strg+A", {Key(Qt::CTRL | Qt::Key_A)}},
        {EditUndo, "", "", {Key(Qt::CTRL | Qt::Key_Z), Key(Qt::ALT | Qt::Key_Backspace)}},
        {WindowNew, "Neues &Fenster", "", {}},
        {WindowArrange, "&Symbole anordnen", "", {}},
        {WindowCascade, "&Gestaffelt", "", {}},
        {WindowTile, "&Nebeneinander", "", {}},
        {AppAbout, "&Über Kovel...", "", {}},
        {AppExit, "E&nde", "", {}},
        {HelpIndex, "&Index", "", {}},
        {HelpUsing, "&Hilfe verwenden", "", {}},
        {ContextHelp, "", "", {Key(Qt::SHIFT | Qt::Key_F1)}},
        {Help, "", "", {Key(Qt::Key_F1)}},
        {NextPane, "", "", {Key(Qt::Key_F6)}},
        {PrevPane, "", "", {Key(Qt::SHIFT | Qt::Key_F6)}},
        {InsertObject, "&Neues OLE-Objekt einfügen", "", {}},
        {EditLinks, "&OLE Verbindungen...", "", {}},
        {ObjectVerbs, "&Objekt", "", {}},
        {ViewToolbar, "Standard&toolbox", "", {}, true},
        {ViewStatusBar, "&Statuszeile", "", {}, true},
    };
    std::sort(t.begin(), t.end(), [](const CommandInfo& a, const CommandInfo& b) { return a.id < b.id; });
    return t;
}

QStringList CommandString(int id) { return QString::fromStdString(LoadString(id)).split(u'\n'); }

}  // namespace

const std::vector<CommandInfo>& CommandTable() {
    static const std::vector<CommandInfo> table = BuildTable();
    return table;
}

const CommandInfo* FindCommand(int id) {
    const auto& t = CommandTable();
    auto it = std::lower_bound(t.begin(), t.end(), id, [](const CommandInfo& c, int key) { return c.id < key; });
    return it != t.end() && it->id == id ? &*it : nullptr;
}

QString MenuItemText(const CommandInfo& info) {
    QString text = QString::fromUtf8(info.menuText);
    if (*info.keyText) text += u'\t' + QString::fromUtf8(info.keyText);
    return text;
}

QString HelpLine(int id) { return CommandString(id).value(0); }

QString ToolTipText(int id) { return CommandString(id).value(1); }
