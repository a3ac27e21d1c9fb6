// The commands that choose a tool: each makes its tool current, writes the tool's prompt
// into status pane 0 and carries a check mark while its tool is current. Also the two
// commands of the selection tool: "&Auswahl-Modus" and "Eigenschaften...".
#pragma once

#include "view/ViewEditAccelerators.h"
#include "view/ViewCommands.h"

#include <optional>
#include <vector>

class CArdoView;

namespace ToolCmd {
constexpr int SelectMode = 32770;     // "&Auswahl-Modus"
constexpr int Line = 32771;           // "&Line"
constexpr int Rectangle = 32772;      // "&Rechteck"
constexpr int RoundRect = 32773;      // "&Abgerundetes Rechteck"
constexpr int Ellipse = 32774;        // "&Ellipse"
constexpr int Polygon = 32782;        // "&Polygonfläche"
constexpr int Properties = 32785;     // "Eigenschaften..."
constexpr int DimLine = 32820;        // "&Strecke"
constexpr int DimChain = 32821;       // "&Polygon"
constexpr int DimRect = 32822;        // "&Rechtecksfläche"
constexpr int DimPolyArea = 32823;    // "P&olygonfläche"
constexpr int Bezier = 32838;         // no menu item; reachable by its id
constexpr int Polyline = 32850;       // "Polyline"
}  // namespace ToolCmd

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

// The plain letters that choose tools, upper and lower case ("S" is in the edit keys).
const std::vector<Accelerator>& ToolAccelerators();
