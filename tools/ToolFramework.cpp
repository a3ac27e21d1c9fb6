// The tool instances, their state and the forwarding of view events to the current tool.
#include "tools/ToolFramework.h"

#include "document/ArdoDoc.h"
#include "platform/StringTable.h"
#include "tools/InputTool.h"
#include "tools/PolygonTool.h"
#include "tools/SelectionTool.h"
#include "tools/ShapeTool.h"
#include "tools/SymbolCommands.h"
#include "tools/SymbolTool.h"
#include "tools/TextTool.h"
#include "tools/ToolCommands.h"
#include "view/ArdoView.h"

#include <memory>
#include <vector>

// One instance per tool id, kept as long as the framework.
struct CToolFramework::StandardTools {
    explicit StandardTools(CToolFramework& f)
        : selection(f),
          line(f, TOOL_LINE),
          polyline(f),
          dimLine(f, TOOL_DIMLINE),
          rectangle(f, TOOL_RECTANGLE),
          roundRect(f, TOOL_ROUNDRECT),
          ellipse(f, TOOL_ELLIPSE),
          polygon(f, TOOL_POLYGON),
          dimChain(f, TOOL_DIMCHAIN),
          dimPolyArea(f, TOOL_DIMPOLYAREA),
          dimRect(f, TOOL_DIMRECT),
          bezier(f),
          text(f),
          symbol(f) {}
    CSelectionTool selection;
    CShapeTool line;
    CPolylineTool polyline;
    CShapeTool dimLine;
    CShapeTool rectangle;
    CShapeTool roundRect;
    CShapeTool ellipse;
    CPolygonTool polygon;
    CMeasurePolygonTool dimChain;
    CMeasurePolygonTool dimPolyArea;
    CShapeTool dimRect;
    CBezierTool bezier;
    CTextTool text;
    CSymbolTool symbol;
};

namespace {

template <class Call>
void WithCurrentTool(CToolFramework& tools, Call call) {
    if (CInputTool* tool = tools.FindTool(tools.State().currentTool)) call(*tool);
}

// Every tool instance that may hold a gesture.
std::vector<int> AllToolIds() {
    std::vector<int> ids;
    for (int id = TOOL_SELECT; id <= TOOL_SYMBOL; ++id) ids.push_back(id);
    return ids;
}

}  // namespace

CToolFramework::CToolFramework(Services& services)
    : m_services(services), m_tools(std::make_unique<StandardTools>(*this)) {}

CToolFramework::~CToolFramework() = default;

void CToolFramework::Unregister(CInputTool* tool) { std::erase(m_registry, tool); }

CInputTool* CToolFramework::FindTool(int id) const {
    for (CInputTool* tool : m_registry)
        if (tool->ToolId() == id) return tool;
    return nullptr;
}

CSelectionTool& CToolFramework::Selection() const { return m_tools->selection; }

CToolFramework* ToolsOf(const CArdoView& view) { return dynamic_cast<CToolFramework*>(view.ToolSink()); }

bool CToolFramework::AnyInputUnderWay() const {
    for (int id : AllToolIds())
        if (CInputTool* tool = FindTool(id); tool && tool->HasInputUnderWay()) return true;
    return false;
}

void CToolFramework::CloseGestureWhenDone() {
    if (!m_dragging && !AnyInputUnderWay()) m_gesture.Close(false);
}

void CToolFramework::OnButtonDown(CArdoView& view, unsigned flags, CPoint point) {
    m_gesture.Open(view, m_state.currentTool);
    m_dragging = false;
    WithCurrentTool(*this, [&](CInputTool& t) {
        t.onButtonDown(view, flags, point);
        // A press that holds the button starts a drag; one that ended at once (a dialog
        // cancelled, a polygon closed), placed a point, or came from a command does not.
        m_dragging = (flags & MK_LBUTTON) && view.Host().HasCapture() && !t.PlacesPointByPoint();
    });
    CloseGestureWhenDone();
}

void CToolFramework::OnButtonUp(CArdoView& view, unsigned flags, CPoint point) {
    WithCurrentTool(*this, [&](CInputTool& t) { t.onButtonUp(view, flags, point); });
    m_dragging = false;
    CloseGestureWhenDone();
}

void CToolFramework::OnMouseMove(CArdoView& view, unsigned flags, CPoint point) {
    WithCurrentTool(*this, [&](CInputTool& t) { t.onMouseMove(view, flags, point); });
}

void CToolFramework::OnDoubleClick(CArdoView& view, unsigned flags, CPoint point) {
    m_gesture.Open(view, m_state.currentTool);
    WithCurrentTool(*this, [&](CInputTool& t) { t.onDoubleClick(view, flags, point); });
    CloseGestureWhenDone();
}

void CToolFramework::OnChar(CArdoView& view, unsigned ch, unsigned repeat, unsigned flags) {
    WithCurrentTool(*this, [&](CInputTool& t) { t.onChar(view, ch, repeat, flags); });
    CloseGestureWhenDone();
}

void CToolFramework::OnCancel(CArdoView&) {
    WithCurrentTool(*this, [](CInputTool& t) { t.onCancel(); });
    EndInputsUnderWay();
}

void CToolFramework::SelectSelectionTool() {
    EndInputsUnderWay();
    m_state.currentTool = TOOL_SELECT;
}

void CToolFramework::OnViewActivated(CArdoView& view) {
    // A symbol tool with nothing chosen (the palette was left without a pick) gives way.
    ToolState& st = m_state;
    if (st.currentTool == TOOL_SYMBOL && view.GetDocument().CurrentSymbol() == -1) st.currentTool = TOOL_SELECT;
}

void CToolFramework::OnViewDestroyed(CArdoView& view) {
    m_chosenKeys.erase(&view);
    for (int id : AllToolIds())
        if (CInputTool* tool = FindTool(id)) tool->onViewDestroyed(view);
    // A drag ends with its window and leaves nothing; finished input stays.
    m_gesture.ViewDestroyed(view, m_dragging);
    m_dragging = false;
}

void CToolFramework::ShowPrompt(int textId) { ShowPrompt(LoadString(textId).c_str()); }

bool CToolFramework::OnCommand(CArdoView& view, int id) { return RunToolCommand(view, id); }

std::optional<CommandUpdate> CToolFramework::OnUpdateCommand(const CArdoView& view, int id) {
    return UpdateToolCommand(view, id);
}

void CToolFramework::EndInputsUnderWay() {
    for (int id : AllToolIds())
        if (CInputTool* tool = FindTool(id); tool && tool->HasInputUnderWay()) tool->onCancel();
    // An interrupted drag leaves no change behind; input point by point (a polygon) keeps
    // what the tool kept.
    m_gesture.Close(m_dragging);
    m_dragging = false;
}

void CToolFramework::ChangeCurrentTool(CArdoView& view, int id) {
    // A gesture still under way (mouse held, or point-by-point input) ends as with Esc.
    if (view.Host().HasCapture() && !view.m_zoomDragging) view.Host().ReleaseCapture();
    EndInputsUnderWay();
    m_state.currentTool = id;
}

void ChangeCurrentTool(CArdoView& view, int id) {
    if (CToolFramework* tools = ToolsOf(view)) tools->ChangeCurrentTool(view, id);
}
