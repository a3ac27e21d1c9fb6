// The commands that choose a tool: each makes its tool current, writes the tool's prompt
// into status pane 0 and carries a check mark while its tool is current. Also the two
// commands of the selection tool: "&Auswahl-Modus" and "Eigenschaften...".
#pragma once

#include "view/ViewCommands.h"

#include <optional>
#include <vector>

class CArdoView;

struct ToolCommandInfo {
    int command;
    int tool;
    int prompt;  // string number of the prompt; 0: the command writes no prompt
};

// The commands that choose tools 0 to 11, by command id.
const std::vector<ToolCommandInfo>& ToolCommands();

// Runs a tool command for the view; false when id is not one.
bool RunToolCommand(CArdoView& view, int id);
// Check mark (and enabled state) of a tool command; none when id is not one.
std::optional<CommandUpdate> UpdateToolCommand(const CArdoView& view, int id);
