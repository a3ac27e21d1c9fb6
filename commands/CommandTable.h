// The table of the commands the program offers: each command's id and name, its menu text
// with the key shown beside it, the keys that send it, whether it carries a check mark and
// its button picture. Help lines and tooltips come from the string table entry of the same
// id ("help line\ntooltip"). Where the commands appear is in CommandLayout.h.
#pragma once

#include "commands/CommandKeys.h"

#include <string>
#include <vector>

struct Command {
    int id = 0;
    const char* name = "";      // the id's name in cmd::
    const char* menuText = "";  // with '&' mnemonic; empty for commands without a menu item
    const char* keyText = "";   // the key as the menu shows it after a tab ("Strg+N")
    std::vector<CommandKey> keys;
    bool checkable = false;
    const char* icon = nullptr;  // picture name under the shell's icons, or none
};

// Every command of menus, bars and keys, by ascending id. Commands reachable only by their
// id (symbol classes, Bezier, symbol attributes) have no entry.
const std::vector<Command>& Commands();
// The entry of id, or null.
const Command* FindCommand(int id);

// First line of the command's string: the fly-by help shown in the prompt pane.
std::string CommandHelpLine(int id);
// Second line of the command's string: the tooltip of its button; empty when none.
std::string CommandToolTip(int id);
