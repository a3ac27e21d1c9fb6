// Choosing tools by command, with their prompts and check marks.
#include "tools/ToolCommands.h"

#include "commands/CommandIds.h"
#include "tools/InputTool.h"
#include "tools/SymbolCommands.h"
#include "tools/ToolFramework.h"
#include "view/ArdoView.h"

const std::vector<ToolCommandInfo>& ToolCommands() {
    static const std::vector<ToolCommandInfo> table = {
        {cmd::SelectMode, TOOL_SELECT, "Objekte können ausgewählt werden"},
        {cmd::ToolLine, TOOL_LINE, "Ersten Punkt der Linie anklicken"},
        {cmd::ToolRect, TOOL_RECTANGLE, "Ersten Eckpunkt des Rechtecks anklicken"},
        {cmd::ToolRoundRect, TOOL_ROUNDRECT, "Ersten Eckpunkt des abgerundeten Rechtecks anklicken"},
        {cmd::ToolEllipse, TOOL_ELLIPSE, "Ersten Eckunkt des umgebenden Rechtecks der Ellipse anklicken"},
        {cmd::ToolPolygon, TOOL_POLYGON, "Ersten Punkt des Polygons anklicken"},
        {cmd::MeasureLine, TOOL_DIMLINE, "Ersten Punkt der Maßlinie anklicken"},
        {cmd::MeasureChain, TOOL_DIMCHAIN, "Ersten Punkt der Poly-Maßlinie anklicken"},
        {cmd::MeasureRect, TOOL_DIMRECT, "Ersten Punkt des Vermaßungs-Rechtecks anklicken"},
        {cmd::MeasurePolygon, TOOL_DIMPOLYAREA, "Ersten Punkt des Vermaßungs-Polygons anklicken"},
        {cmd::ToolBezier, TOOL_BEZIER, nullptr},
        {cmd::ToolPolyline, TOOL_POLYLINE, "Ersten Punkt der Poly-Linie anklicken"},
    };
    return table;
}

namespace {
const ToolCommandInfo* FindToolCommand(int id) {
    for (const ToolCommandInfo& info : ToolCommands())
        if (info.command == id) return &info;
    return nullptr;
}
}  // namespace

bool RunToolCommand(CArdoView& view, int id) {
    if (id == cmd::Properties) {
        // Only the selection tool opens properties; with another tool the command does nothing.
        if (SharedToolState().currentTool == TOOL_SELECT)
            if (CInputTool* tool = findTool(TOOL_SELECT)) tool->onDoubleClick(view, 0, CPoint(0, 0));
        return true;
    }
    const ToolCommandInfo* info = FindToolCommand(id);
    if (!info) return RunSymbolCommand(view, id);
    ChangeCurrentTool(view, info->tool);
    if (id == cmd::SelectMode) view.m_zoomMode = false;
    if (info->prompt) ShowPrompt(info->prompt);
    return true;
}

std::optional<CommandUpdate> UpdateToolCommand(const CArdoView& view, int id) {
    const int current = SharedToolState().currentTool;
    if (id == cmd::Properties) return CommandUpdate{!view.m_selection.empty() && current == TOOL_SELECT, false};
    const ToolCommandInfo* info = FindToolCommand(id);
    if (!info) return UpdateSymbolCommand(view, id);
    return CommandUpdate{true, current == info->tool};
}
