// The names of the changes a user can take back, as string numbers: the history shows them
// in "&Rückgängig: Verschieben" and in the help line.
#pragma once

namespace change {
constexpr int Move = 41150;            // "Verschieben"
constexpr int Delete = 41151;          // "Löschen"
constexpr int Paste = 41152;           // "Einfügen"
constexpr int Cut = 41153;             // "Ausschneiden"
constexpr int Order = 41154;           // "Reihenfolge"
constexpr int LineColor = 41155;       // "Linienfarbe"
constexpr int FillColor = 41156;       // "Füllfarbe"
constexpr int LineStyle = 41157;       // "Linienart"
constexpr int Properties = 41158;      // "Eigenschaften"
constexpr int Resize = 41159;          // "Größe ändern"
constexpr int Duplicate = 41160;       // "Duplizieren"
constexpr int Scale = 41161;           // "Maßstab"
constexpr int Grid = 41162;            // "Raster"
constexpr int Origin = 41163;          // "Nullpunkt"
constexpr int FirstToolShape = 41167;  // "Linie" ... "Symbol": the shapes the tools draw, by tool id - 1
}  // namespace change

namespace history {
constexpr int UndoText = 41182;       // "&Rückgängig"
constexpr int RedoText = 41183;       // "&Wiederholen"
constexpr int UndoNamed = 41184;      // "&Rückgängig: %1"
constexpr int RedoNamed = 41185;      // "&Wiederholen: %1"
constexpr int UndoHelpNamed = 41186;  // "Macht „%1“ rückgängig"
constexpr int RedoHelpNamed = 41187;  // "Stellt „%1“ wieder her"
}  // namespace history
