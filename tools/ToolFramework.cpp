// The tool instances of the run and the forwarding of view events to the current tool.
#include "tools/ToolFramework.h"

#include "tools/InputTool.h"
#include "tools/PolygonTool.h"
#include "tools/SelectionTool.h"
#include "tools/SymbolCommands.h"
#include "tools/SymbolTool.h"
#include "tools/ToolCommands.h"
#include "tools/TextTool.h"
#include "tools/ShapeTool.h"
#include "document/ArdoDoc.h"
#include "view/ArdoView.h"

#include <memory>
#include <vector>

namespace {

// One instance per tool id, created at first use and kept until exit.
struct StandardTools {
    CSelectionTool selection;
    CShapeTool line{TOOL_LINE};
    CPolylineTool polyline;
    CShapeTool dimLine{TOOL_DIMLINE};
    CShapeTool rectangle{TOOL_RECTANGLE};
    CShapeTool roundRect{TOOL_ROUNDRECT};
    CShapeTool ellipse{TOOL_ELLIPSE};
    CPolygonTool polygon{TOOL_POLYGON};
    CMeasurePolygonTool dimChain{TOOL_DIMCHAIN};
    CMeasurePolygonTool dimPolyArea{TOOL_DIMPOLYAREA};
    CShapeTool dimRect{TOOL_DIMRECT};
    CBezierTool bezier;
    CTextTool text;
    CSymbolTool symbol;
};

template <class Call>
void WithCurrentTool(Call call) {
    if (CInputTool* tool = findTool(SharedToolState().currentTool)) call(*tool);
}

// Every tool instance that may hold a gesture.
std::vector<int> AllToolIds() {
    std::vector<int> ids;
    for (int id = TOOL_SELECT; id <= TOOL_SYMBOL; ++id) ids.push_back(id);
    return ids;
}

}  // namespace

CToolFramework& ToolFramework() {
    static StandardTools tools;
    static CToolFramework framework;
    return framework;
}

void CToolFramework::OnButtonDown(CArdoView& view, unsigned flags, CPoint point) {
    WithCurrentTool([&](CInputTool& t) { t.onButtonDown(view, flags, point); });
}

void CToolFramework::OnButtonUp(CArdoView& view, unsigned flags, CPoint point) {
    WithCurrentTool([&](CInputTool& t) { t.onButtonUp(view, flags, point); });
}

void CToolFramework::OnMouseMove(CArdoView& view, unsigned flags, CPoint point) {
    WithCurrentTool([&](CInputTool& t) { t.onMouseMove(view, flags, point); });
}

void CToolFramework::OnDoubleClick(CArdoView& view, unsigned flags, CPoint point) {
    WithCurrentTool([&](CInputTool& t) { t.onDoubleClick(view, flags, point); });
}

void CToolFramework::OnChar(CArdoView& view, unsigned ch, unsigned repeat, unsigned flags) {
    WithCurrentTool([&](CInputTool& t) { t.onChar(view, ch, repeat, flags); });
}

void CToolFramework::OnCancel(CArdoView&) {
    WithCurrentTool([](CInputTool& t) { t.onCancel(); });
    EndInputsUnderWay();
}

void CToolFramework::SelectSelectionTool() {
    EndInputsUnderWay();
    SharedToolState().currentTool = TOOL_SELECT;
}

void CToolFramework::OnViewActivated(CArdoView& view) {
    // A symbol tool with nothing chosen (the palette was left without a pick) gives way.
    ToolState& st = SharedToolState();
    if (st.currentTool == TOOL_SYMBOL && view.GetDocument().m_nCurrentSymbol == -1) st.currentTool = TOOL_SELECT;
}

void CToolFramework::OnViewDestroyed(CArdoView& view) {
    ForgetChosenSymbolKey(view);
    for (int id : AllToolIds())
        if (CInputTool* tool = findTool(id)) tool->onViewDestroyed(view);
}

void CToolFramework::EndInputsUnderWay() { ::EndInputsUnderWay(); }

bool CToolFramework::OnCommand(CArdoView& view, int id) { return RunToolCommand(view, id); }

std::optional<CommandUpdate> CToolFramework::OnUpdateCommand(const CArdoView& view, int id) {
    return UpdateToolCommand(view, id);
}

void EndInputsUnderWay() {
    for (int id : AllToolIds())
        if (CInputTool* tool = findTool(id); tool && tool->HasInputUnderWay()) tool->onCancel();
}

void ChangeCurrentTool(CArdoView& view, int id) {
    // A gesture still under way (mouse held, or point-by-point input) ends as with Esc.
    if (view.Host().HasCapture() && !view.m_zoomDragging) view.Host().ReleaseCapture();
    EndInputsUnderWay();
    SharedToolState().currentTool = id;
}
