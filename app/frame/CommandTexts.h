// The texts of the core's command table (commands/CommandTable.h) as the shell shows them.
#pragma once

#include "commands/CommandTable.h"

#include <QString>

// The menu item text with its key after a tab, as QMenu shows it.
QString MenuItemText(const Command& command);
// The menu text without the '&' of its mnemonic.
QString PlainMenuText(const Command& command);
// First line of the command's string: the fly-by help shown in the prompt pane.
QString HelpLine(int id);
// Second line of the command's string: the tooltip of its button.
QString ToolTipText(int id);
