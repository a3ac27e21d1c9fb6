// Point-by-point input of the polygon family.
#include "tools/PolygonTool.h"

#include "document/ArdoDoc.h"
#include "objects/ArdoPoly.h"
#include "objects/ArdoPolyMeasure.h"
#include "tools/SelectionTool.h"
#include "tools/ToolFramework.h"
#include "view/ArdoView.h"

namespace {
constexpr int IDS_POLYGON_PROMPT = 41040;  // "Polygoneingabe: Beenden mit ESC oder Doppelklick, ..."

bool TakesPointBack(unsigned ch) { return ch == 8 || ch == 9 || ch == 37 || ch == 60; }
}  // namespace

std::unique_ptr<CArdoPoly> CPolygonTool::CreateObject(const CRect& position) const {
    return std::make_unique<CArdoPoly>(position);
}

void CPolygonTool::CopyAttributes(CArdoPoly& obj, const CArdoDoc& doc) const {
    obj.SetFillColor(doc.CurrentFillColor());
    obj.SetLineColor(doc.CurrentLineColor());
    obj.SetFilled(doc.CurrentFill());
    obj.SetLineWidth(doc.CurrentLineWidth());
}

std::unique_ptr<CArdoPoly> CPolylineTool::CreateObject(const CRect& position) const {
    return std::make_unique<CArdoPolyline>(position);
}

std::unique_ptr<CArdoPoly> CBezierTool::CreateObject(const CRect& position) const {
    return std::make_unique<CArdoBezier>(position);
}

void CBezierTool::CopyAttributes(CArdoPoly& obj, const CArdoDoc& doc) const {
    obj.SetFillColor(doc.CurrentFillColor());
    obj.SetLineColor(doc.CurrentLineColor());
}

std::unique_ptr<CArdoPoly> CMeasurePolygonTool::CreateObject(const CRect& position) const {
    auto obj = std::make_unique<CArdoPolyMeasure>(position);
    obj->m_bEdges = ToolId() == TOOL_DIMCHAIN ? 1 : 0;
    obj->m_bArea = ToolId() == TOOL_DIMCHAIN ? 0 : 1;
    return obj;
}

void CMeasurePolygonTool::CopyAttributes(CArdoPoly&, const CArdoDoc&) const {}

void CPolygonTool::CheckCurrentObject(CArdoView& view) {
    if (!currentObject) return;
    if (m_view == &view && IsInDocument(view.GetDocument(), currentObject)) return;
    // The input began in another view, or a command deleted the object: end it there.
    if (m_view && m_view != &view && IsInDocument(m_view->GetDocument(), currentObject)) {
        m_view->Host().ReleaseCapture();
        TakePointBack(nullptr);
    }
    currentObject = nullptr;
    m_view = nullptr;
}

bool CPolygonTool::TakePointBack(ObjectView* view) {
    if (currentObject->PointCount() <= 2) return false;
    State().lastLogicalPoint = currentObject->RemoveLastPoint(view);
    return true;
}

void CPolygonTool::onButtonDown(CArdoView& view, unsigned flags, CPoint point) {
    CInputTool::onButtonDown(view, flags, point);
    CheckCurrentObject(view);
    ToolState& st = State();
    CArdoDoc& doc = view.GetDocument();
    const bool snapped = doc.Snap() && UsesSnap();
    CPoint p = point;
    if (snapped)
        p = view.SnapToGrid(point);
    else
        view.ClientToLogical(p);

    if (currentObject) {
        if (currentObject->PointCount() > 0 && p == currentObject->m_points.front()) {
            // A press on the first vertex closes the input; the rubber point goes.
            view.Host().ReleaseCapture();
            CArdoPoly* obj = currentObject;
            currentObject = nullptr;
            m_view = nullptr;
            obj->m_points.pop_back();
            if (obj->PointCount() >= 2) {
                obj->RecalcBounds(&view);
                view.InvalidateObject(obj);
                doc.UpdateAllViews(&view, HINT_OBJECT, UpdateHint{obj});
            } else {
                doc.RemoveObject(obj);
            }
            st.currentTool = TOOL_SELECT;
            ShowPrompt("");
            return;
        }
    } else {
        view.Host().SetCapture();
        CArdoPoly* obj = doc.AddObject(CreateObject(CRect(p, p)));
        CopyAttributes(*obj, doc);
        view.Select(obj, false);
        obj->AddPoint(p, &view);
        currentObject = obj;
        m_view = &view;
    }
    ShowPrompt(IDS_POLYGON_PROMPT);

    const CPoint rubber(p.x + 1, p.y);
    currentObject->AddPoint(rubber, &view);
    st.selectMode = sizeNew;
    st.dragHandle = currentObject->GetHandleCount();
    st.lastLogicalPoint = rubber;
    // The former rubber point, now a vertex, lands on the grid.
    if (snapped) currentObject->MoveHandleTo(st.dragHandle - 1, view.SnapToGrid(point), &view);
}

void CPolygonTool::onButtonUp(CArdoView&, unsigned, CPoint) {}

void CPolygonTool::onMouseMove(CArdoView& view, unsigned flags, CPoint point) {
    view.Host().SetCursor(IDC_DRAWING);
    Tools().Selection().onMouseMove(view, flags, point);
}

void CPolygonTool::onDoubleClick(CArdoView& view, unsigned, CPoint) {
    view.Host().ReleaseCapture();
    CheckCurrentObject(view);
    if (currentObject && currentObject->PointCount() > 2) {
        const std::vector<CPoint>& pts = currentObject->m_points;
        const CPoint last = pts.back(), before = pts[pts.size() - 2];
        // The rubber point of the double click's first press never moved.
        if (last == before || last == CPoint(before.x + 1, before.y)) {
            currentObject->RemoveLastPoint(&view);
            view.InvalidateObject(currentObject);
        }
    }
    // The other windows of the document show the finished object too.
    if (currentObject) view.GetDocument().UpdateAllViews(&view, HINT_OBJECT, UpdateHint{currentObject});
    currentObject = nullptr;
    m_view = nullptr;
    State().currentTool = TOOL_SELECT;
    ShowPrompt("");
}

void CPolygonTool::onChar(CArdoView& view, unsigned charCode, unsigned repeatCount, unsigned keyFlags) {
    CInputTool::onChar(view, charCode, repeatCount, keyFlags);
    if (!TakesPointBack(charCode)) return;
    CheckCurrentObject(view);
    if (!currentObject) return;
    ToolState& st = State();
    TakePointBack(&view);
    view.InvalidateObject(currentObject);
    st.selectMode = sizeNew;
    st.dragHandle = currentObject->GetHandleCount();
}

void CPolygonTool::onCancel() {
    CInputTool::onCancel();
    ShowPrompt("");
    if (currentObject && m_view && IsInDocument(m_view->GetDocument(), currentObject)) {
        m_view->Host().ReleaseCapture();
        TakePointBack(nullptr);  // redraws in every view of the document
    }
    currentObject = nullptr;
    m_view = nullptr;
}

void CPolygonTool::onViewDestroyed(CArdoView& view) {
    if (m_view != &view) return;
    if (currentObject && IsInDocument(view.GetDocument(), currentObject)) TakePointBack(nullptr);
    // The input ends with its window, as with Esc.
    if (currentObject) State().currentTool = TOOL_SELECT;
    currentObject = nullptr;
    m_view = nullptr;
}
