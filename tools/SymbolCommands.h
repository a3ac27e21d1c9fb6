// The commands that place library symbols, markers and texts, and the two library
// commands: editing the current symbol's attributes and storing the selection as a new
// library symbol.
#pragma once

#include "view/ViewCommands.h"

#include <optional>
#include <vector>

class CArdoDoc;
class CArdoView;

struct SymbolCommandInfo {
    int command;
    int key;           // symbol key: 1-26 classes, 27 markers, 28-34 room groups
    int promptBefore;  // string number of the prompt written before choosing, or 0
    int promptAfter;   // the one written after choosing, or 0
};

// The commands that choose symbols by key, by command id.
const std::vector<SymbolCommandInfo>& SymbolCommands();

// The symbol table indexes of the used entries with this key, in table order; empty when
// no library is loaded.
std::vector<int> SymbolsWithKey(const CArdoDoc& doc, int key);
// Chooses the symbols of a key for the view: one is placed at once, several go to the palette.
void ChooseSymbolsByKey(CArdoView& view, int key);
// The key last chosen in the view; 0 when none.
int ChosenSymbolKey(const CArdoView& view);
// The view is going away.
void ForgetChosenSymbolKey(const CArdoView& view);

// Stores the view's selection as a new library symbol through the dialog that names it;
// false when nothing was stored.
bool StoreSelectionAsSymbol(CArdoView& view);
// The symbol attributes dialog on the current library symbol; false when cancelled or none
// is chosen.
bool EditCurrentSymbolAttributes(CArdoView& view);

// Runs a symbol, marker, text or library command; false when id is not one.
bool RunSymbolCommand(CArdoView& view, int id);
// Enabled and checked state; none when id is not one of these commands.
std::optional<CommandUpdate> UpdateSymbolCommand(const CArdoView& view, int id);
