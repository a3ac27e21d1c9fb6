// Base behaviour of the tools.
#include "tools/InputTool.h"

#include "document/ArdoDoc.h"
#include "platform/Services.h"
#include "platform/StringTable.h"
#include "tools/ToolFramework.h"
#include "view/ArdoView.h"

#include <algorithm>

CInputTool::CInputTool(CToolFramework& tools, int toolId) : m_tools(tools), m_toolId(toolId) { m_tools.Register(this); }

CInputTool::~CInputTool() { m_tools.Unregister(this); }

ToolState& CInputTool::State() const { return m_tools.State(); }

bool IsInDocument(const CArdoDoc& doc, const CArdoObj* obj) {
    if (!obj) return false;
    // The object a tool builds is normally the newest, so search from the tail.
    return std::any_of(doc.Objects().rbegin(), doc.Objects().rend(), [obj](const auto& p) { return p.get() == obj; });
}

void CInputTool::ShowPrompt(const char* text) const { m_tools.ShowPrompt(text); }

void CInputTool::ShowPrompt(int textId) const { m_tools.ShowPrompt(textId); }

void CInputTool::onButtonDown(CArdoView& view, unsigned flags, CPoint point) {
    ToolState& st = State();
    view.Host().SetCapture();
    st.downFlags = flags;
    st.downPoint = point;
    st.lastWindowPoint = point;
}

void CInputTool::onDoubleClick(CArdoView&, unsigned, CPoint) {}

void CInputTool::onButtonUp(CArdoView& view, unsigned, CPoint point) {
    ToolState& st = State();
    view.Host().ReleaseCapture();
    if (point == st.downPoint) st.currentTool = TOOL_SELECT;
}

void CInputTool::onMouseMove(CArdoView& view, unsigned, CPoint point) {
    State().lastWindowPoint = point;
    view.Host().SetCursor(IDC_ARROW);
}

void CInputTool::onChar(CArdoView&, unsigned, unsigned, unsigned) {}

void CInputTool::onCancel() { State().currentTool = TOOL_SELECT; }
