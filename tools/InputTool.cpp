// Base behaviour of the tools, the registry of tool instances and the shared tool state.
#include "tools/InputTool.h"

#include "document/ArdoDoc.h"
#include "platform/Services.h"
#include "platform/StringTable.h"
#include "view/ArdoView.h"

#include <algorithm>
#include <vector>

namespace {
std::vector<CInputTool*>& Registry() {
    static std::vector<CInputTool*> tools;
    return tools;
}
}  // namespace

ToolState& SharedToolState() {
    static ToolState state;
    return state;
}

CInputTool::CInputTool(int toolId) : m_toolId(toolId) { Registry().push_back(this); }

CInputTool::~CInputTool() { std::erase(Registry(), this); }

CInputTool* findTool(int id) {
    for (CInputTool* tool : Registry())
        if (tool->ToolId() == id) return tool;
    return nullptr;
}

bool IsInDocument(const CArdoDoc& doc, const CArdoObj* obj) {
    if (!obj) return false;
    // The object a tool builds is normally the newest, so search from the tail.
    return std::any_of(doc.m_objects.rbegin(), doc.m_objects.rend(),
                       [obj](const auto& p) { return p.get() == obj; });
}

void ShowPrompt(const char* text) { AppServices().status->SetPaneText(kPanePrompt, text); }

void ShowPrompt(int textId) { AppServices().status->SetPaneText(0, LoadString(textId)); }

void CInputTool::onButtonDown(CArdoView& view, unsigned flags, CPoint point) {
    ToolState& st = SharedToolState();
    view.Host().SetCapture();
    st.downFlags = flags;
    st.downPoint = point;
    st.lastWindowPoint = point;
}

void CInputTool::onDoubleClick(CArdoView&, unsigned, CPoint) {}

void CInputTool::onButtonUp(CArdoView& view, unsigned, CPoint point) {
    ToolState& st = SharedToolState();
    view.Host().ReleaseCapture();
    if (point == st.downPoint) st.currentTool = TOOL_SELECT;
}

void CInputTool::onMouseMove(CArdoView& view, unsigned, CPoint point) {
    SharedToolState().lastWindowPoint = point;
    view.Host().SetCursor(IDC_ARROW);
}

void CInputTool::onChar(CArdoView&, unsigned, unsigned, unsigned) {}

void CInputTool::onCancel() { SharedToolState().currentTool = TOOL_SELECT; }
