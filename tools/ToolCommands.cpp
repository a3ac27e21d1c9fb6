// Choosing tools by command, with their prompts and check marks.
#include "tools/ToolCommands.h"

#include "tools/InputTool.h"
#include "tools/SymbolCommands.h"
#include "tools/ToolFramework.h"
#include "view/ArdoView.h"

const std::vector<ToolCommandInfo>& ToolCommands() {
    static const std::vector<ToolCommandInfo> table = {
        {ToolCmd::SelectMode, TOOL_SELECT, "Objekte können ausgewählt werden"},
        {ToolCmd::Line, TOOL_LINE, "Ersten Punkt der Linie anklicken"},
        {ToolCmd::Rectangle, TOOL_RECTANGLE, "Ersten Eckpunkt des Rechtecks anklicken"},
        {ToolCmd::RoundRect, TOOL_ROUNDRECT, "Ersten Eckpunkt des abgerundeten Rechtecks anklicken"},
        {ToolCmd::Ellipse, TOOL_ELLIPSE, "Ersten Eckunkt des umgebenden Rechtecks der Ellipse anklicken"},
        {ToolCmd::Polygon, TOOL_POLYGON, "Ersten Punkt des Polygons anklicken"},
        {ToolCmd::DimLine, TOOL_DIMLINE, "Ersten Punkt der Maßlinie anklicken"},
        {ToolCmd::DimChain, TOOL_DIMCHAIN, "Ersten Punkt der Poly-Maßlinie anklicken"},
        {ToolCmd::DimRect, TOOL_DIMRECT, "Ersten Punkt des Vermaßungs-Rechtecks anklicken"},
        {ToolCmd::DimPolyArea, TOOL_DIMPOLYAREA, "Ersten Punkt des Vermaßungs-Polygons anklicken"},
        {ToolCmd::Bezier, TOOL_BEZIER, nullptr},
        {ToolCmd::Polyline, TOOL_POLYLINE, "Ersten Punkt der Poly-Linie anklicken"},
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
    if (id == ToolCmd::Properties) {
        // Only the selection tool opens properties; with another tool the command does nothing.
        if (tools->State().currentTool == TOOL_SELECT)
            if (CInputTool* tool = tools->FindTool(TOOL_SELECT)) tool->onDoubleClick(view, 0, CPoint(0, 0));
        return true;
    }
    const ToolCommandInfo* info = FindToolCommand(id);
    if (!info) return RunSymbolCommand(view, id);
    tools->ChangeCurrentTool(view, info->tool);
    if (id == ToolCmd::SelectMode) view.m_zoomMode = false;
    if (info->prompt) tools->ShowPrompt(info->prompt);
    return true;
}

std::optional<CommandUpdate> UpdateToolCommand(const CArdoView& view, int id) {
    // A view without tools answers as if the selection tool were current.
    const CToolFramework* tools = ToolsOf(view);
    const int current = tools ? tools->State().currentTool : TOOL_SELECT;
    if (id == ToolCmd::Properties) return CommandUpdate{!view.m_selection.empty() && current == TOOL_SELECT, false};
    const ToolCommandInfo* info = FindToolCommand(id);
    if (!info) return UpdateSymbolCommand(view, id);
    return CommandUpdate{true, current == info->tool};
}

const std::vector<Accelerator>& ToolAccelerators() {
    static const std::vector<Accelerator> keys = {
        {Accelerator::character, 'L', 0, ToolCmd::Line},      {Accelerator::character, 'l', 0, ToolCmd::Line},
        {Accelerator::character, 'R', 0, ToolCmd::Rectangle}, {Accelerator::character, 'r', 0, ToolCmd::Rectangle},
        {Accelerator::character, 'N', 0, ToolCmd::RoundRect}, {Accelerator::character, 'n', 0, ToolCmd::RoundRect},
        {Accelerator::character, 'E', 0, ToolCmd::Ellipse},   {Accelerator::character, 'e', 0, ToolCmd::Ellipse},
    };
    return keys;
}
