// Press, drag and release of the dragging shape tools.
#include "tools/ShapeTool.h"

#include "document/ArdoDoc.h"
#include "objects/ArdoRect.h"
#include "tools/SelectionTool.h"
#include "tools/ToolFramework.h"
#include "view/ArdoView.h"

namespace {

// The string number of the prompt while the shape is dragged out; 0: none.
int PressPrompt(int toolId) {
    switch (toolId) {
    case TOOL_LINE: return 41042;       // "Endpunkt der Linie absetzen"
    case TOOL_RECTANGLE: return 41043;  // "Rechteck bis zum  zweiten Eckpunkt aufziehen"
    case TOOL_ROUNDRECT: return 41043;
    case TOOL_ELLIPSE: return 41044;  // "Ellipse is zur gewünschten Größe aufziehen"
    case TOOL_DIMLINE: return 41045;  // "Endpunkt der Maßlinie absetzen"
    case TOOL_DIMRECT: return 41046;  // "Vermaßungs-Rechteck bis zum  zweiten Eckpunkt aufziehen"
    default: return 0;
    }
}

bool IsMeasuringTool(int toolId) { return toolId == TOOL_DIMLINE || toolId == TOOL_DIMRECT; }

}  // namespace

int CShapeTool::ShapeFor(int toolId) {
    switch (toolId) {
    case TOOL_LINE: return SHAPE_LINE;
    case TOOL_DIMLINE: return SHAPE_DIMLINE;
    case TOOL_ROUNDRECT: return SHAPE_ROUNDRECT;
    case TOOL_ELLIPSE: return SHAPE_ELLIPSE;
    case TOOL_DIMRECT: return SHAPE_DIMRECT;
    default: return SHAPE_RECTANGLE;
    }
}

void CShapeTool::onButtonDown(CArdoView& view, unsigned flags, CPoint point) {
    CInputTool::onButtonDown(view, flags, point);
    ToolState& st = State();
    CArdoDoc& doc = view.GetDocument();
    CPoint p = point;
    if (doc.Snap())
        p = view.SnapToGrid(point);
    else
        view.ClientToLogical(p);

    auto created = std::make_unique<CArdoRect>(CRect(p, p), ShapeFor(ToolId()));
    ShowPrompt(PressPrompt(ToolId()));
    CArdoRect* shape = doc.AddObject(std::move(created));
    if (!IsMeasuringTool(ToolId())) {
        shape->SetFillColor(doc.CurrentFillColor());
        shape->SetLineColor(doc.CurrentLineColor());
        shape->SetFilled(doc.CurrentFill());
        shape->SetLineWidth(doc.CurrentLineWidth());
    }
    view.Select(shape, false);
    m_created = shape;
    m_view = &view;

    st.selectMode = sizeNew;
    st.dragHandle = 1;  // the first corner follows the mouse; the opposite one stays at p
    st.lastLogicalPoint = p;
}

void CShapeTool::onMouseMove(CArdoView& view, unsigned flags, CPoint point) {
    view.Host().SetCursor(IDC_DRAWING);
    Tools().Selection().onMouseMove(view, flags, point);
}

void CShapeTool::onButtonUp(CArdoView& view, unsigned flags, CPoint point) {
    ToolState& st = State();
    CArdoDoc& doc = view.GetDocument();
    if (!m_created || m_view != &view) {
        // A release without this tool's press (the press went elsewhere or was cancelled).
        m_created = nullptr;
        m_view = nullptr;
        CInputTool::onButtonUp(view, flags, point);
        return;
    }
    CArdoRect* created = IsInDocument(doc, m_created) ? m_created : nullptr;
    m_created = nullptr;
    m_view = nullptr;

    if (point == st.downPoint) {
        // No drag: the empty shape goes, and the click selects what lies under it.
        if (created) doc.RemoveObject(created);
        Tools().Selection().onButtonDown(view, flags, point);
    }
    ShowPrompt("");

    CPoint p = point;
    view.ClientToLogical(p);
    if (view.m_selection.size() == 1) {
        CArdoObj* obj = view.m_selection.front();
        const int handle = obj->HitTest(p, &view, 1);
        if (doc.Snap() && handle > 0) obj->MoveHandleTo(handle, view.SnapToGrid(point), &view);
    }
    Tools().Selection().onButtonUp(view, flags, point);
}

void CShapeTool::onCancel() {
    CInputTool::onCancel();
    if (m_created && m_view) {
        CArdoDoc& doc = m_view->GetDocument();
        const CRect r = m_created->m_position;
        if (IsInDocument(doc, m_created) && r.left == r.right && r.top == r.bottom) doc.RemoveObject(m_created);
    }
    m_created = nullptr;
    m_view = nullptr;
}

void CShapeTool::onViewDestroyed(CArdoView& view) {
    if (m_view == &view) {
        m_created = nullptr;
        m_view = nullptr;
    }
}
