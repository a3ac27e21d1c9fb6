// Choosing tools by command, with their prompts and check marks.
#include "tools/ToolCommands.h"

#include "commands/CommandIds.h"
#include "tools/InputTool.h"
#include "tools/SymbolCommands.h"
#include "tools/ToolFramework.h"
#include "view/ArdoView.h"

const std::vector<ToolCommandInfo>& ToolCommands() {
    static const std::vector<ToolCommandInfo> table = {
        {cmd::SelectMode, TOOL_SELECT, 41060},        // "Objekte können ausgewählt werden"
        {cmd::ToolLine, TOOL_LINE, 41061},            // "Ersten Punkt der Linie anklicken"
        {cmd::ToolRect, TOOL_RECTANGLE, 41062},       // "Ersten Eckpunkt des Rechtecks anklicken"
        {cmd::ToolRoundRect, TOOL_ROUNDRECT, 41063},  // "Ersten Eckpunkt des abgerundeten Rechtecks anklicken"
        {cmd::ToolEllipse, TOOL_ELLIPSE, 41064},      // "Ersten Eckunkt des umgebenden Rechtecks der Ellipse anklicken"
        {cmd::ToolPolygon, TOOL_POLYGON, 41065},      // "Ersten Punkt des Polygons anklicken"
        {cmd::MeasureLine, TOOL_DIMLINE, 41066},      // "Ersten Punkt der Maßlinie anklicken"
        {cmd::MeasureChain, TOOL_DIMCHAIN, 41067},    // "Ersten Punkt der Poly-Maßlinie anklicken"
        {cmd::MeasureRect, TOOL_DIMRECT, 41068},      // "Ersten Punkt des Vermaßungs-Rechtecks anklicken"
        {cmd::MeasurePolygon, TOOL_DIMPOLYAREA, 41069},  // "Ersten Punkt des Vermaßungs-Polygons anklicken"
        {cmd::ToolBezier, TOOL_BEZIER, 0},
        {cmd::ToolPolyline, TOOL_POLYLINE, 41070},  // "Ersten Punkt der Poly-Linie anklicken"
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
    CToolFramework* tools = ToolsOf(view);
    if (!tools) return false;
    if (id == cmd::Properties) {
        // Only the selection tool opens properties; with another tool the command does nothing.
        // Through the framework, like a double click, so that the edit is one named change.
        if (tools->State().currentTool == TOOL_SELECT) tools->OnDoubleClick(view, 0, CPoint(0, 0));
        return true;
    }
    const ToolCommandInfo* info = FindToolCommand(id);
    if (!info) return RunSymbolCommand(view, id);
    tools->ChangeCurrentTool(view, info->tool);
    if (id == cmd::SelectMode) view.m_zoomMode = false;
    if (info->prompt) tools->ShowPrompt(info->prompt);
    return true;
}

std::optional<CommandUpdate> UpdateToolCommand(const CArdoView& view, int id) {
    // A view without tools answers as if the selection tool were current.
    const CToolFramework* tools = ToolsOf(view);
    const int current = tools ? tools->State().currentTool : TOOL_SELECT;
    if (id == cmd::Properties) return CommandUpdate{!view.m_selection.empty() && current == TOOL_SELECT, false};
    const ToolCommandInfo* info = FindToolCommand(id);
    if (!info) return UpdateSymbolCommand(view, id);
    return CommandUpdate{true, current == info->tool};
}
