// The table of commands the shell offers: menu text, the key shown beside it, the keys
// that send it, whether it carries a check mark, and its button picture. Help lines and
// tooltips come from the string table entry of the same id ("help line\ntooltip").
#pragma once

#include <QKeySequence>
#include <QString>

#include <vector>

struct CommandInfo {
    int id = 0;
    const char* menuText = "";  // with '&' mnemonic; empty for commands without a menu item
    const char* keyText = "";   // the key as the menu shows it after a tab ("Strg+N")
    std::vector<QKeySequence> keys;
    bool checkable = false;
    const char* icon = nullptr;  // resource name under :/icons/, or none
};

// Every command of menus, bars and keys, by ascending id.
const std::vector<CommandInfo>& CommandTable();
// The entry of id, or null.
const CommandInfo* FindCommand(int id);

// The menu item text with its key after a tab, as QMenu shows it.
QString MenuItemText(const CommandInfo& info);
// First line of the command's string: the fly-by help shown in status pane 0.
QString HelpLine(int id);
// Second line of the command's string: the tooltip of its button.
QString ToolTipText(int id);
