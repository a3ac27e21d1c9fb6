// The selection tool: picking, rubber band, moving with the keep-on-paper rule, handle drags
// and the property dialogs on double click.
#include "tools/SelectionTool.h"

#include "document/ArdoDoc.h"
#include "document/ChangeNames.h"
#include "objects/ArdoPolyMeasure.h"
#include "objects/ArdoRect.h"
#include "platform/StringTable.h"
#include "tools/ToolFramework.h"
#include "view/ArdoView.h"
#include "view/ViewSelectionGeometry.h"

#include <memory>
#include <vector>

namespace {

constexpr int IDS_DROP_PROMPT = 41041;  // "Objekte am Zielpunkt absetzen"

CRect PaperRect(const CArdoDoc& doc) { return CRect(0, 0, doc.Extent().cx, doc.Extent().cy).Normalized(); }

// Whether moving the selection bounds by offset would leave them further off the paper:
// refused when the shifted bounds stick out and the union with the paper does not shrink.
bool StepLeavesPaper(const CRect& paper, const CRect& bounds, CSize offset) {
    const WideRect P = WideRect::From(paper);
    const WideRect B = WideRect::From(bounds.Normalized());
    const WideRect before = P.Hull(B);
    const WideRect after = P.Hull(B.Offset(offset));
    return !(after == P) && after.Area() >= before.Area();
}

}  // namespace

void CSelectionTool::SaveAndClearSnap(CArdoView& view) {
    if (snapSaved) return;
    CArdoDoc& doc = view.GetDocument();
    savedSnap = doc.Snap();
    doc.SetSnap(0);
    snapSaved = true;
    m_snapView = &view;
}

void CSelectionTool::RestoreSnap() {
    if (!snapSaved) return;
    if (m_snapView) m_snapView->GetDocument().SetSnap(savedSnap);
    snapSaved = false;
    m_snapView = nullptr;
}

void CSelectionTool::DrawFocus(CArdoView& view, CPoint a, CPoint b) {
    CDC dc(view.Host().ClientDevice());
    dc.DrawFocusRect(CRect(a, b).Normalized());
}

void CSelectionTool::onButtonDown(CArdoView& view, unsigned flags, CPoint point) {
    ToolState& st = State();
    CArdoDoc& doc = view.GetDocument();
    CPoint p = point;
    view.ClientToLogical(p);
    st.selectMode = none;

    if (view.m_selection.size() == 1) {
        st.dragHandle = view.m_selection.front()->HitTest(p, &view, 1);
        if (st.dragHandle != 0) {
            st.selectMode = sizeHandle;
            doc.RenameChange(LoadString(change::Resize));
        }
    }
    if (st.selectMode == none) {
        if (CArdoObj* obj = doc.ObjectAt(p)) {
            st.selectMode = move;
            if (!view.IsSelected(obj)) view.Select(obj, (flags & MK_SHIFT) != 0);
            // The copies stay behind; the selected objects are the ones that move.
            if (flags & MK_CONTROL) {
                doc.RenameChange(LoadString(change::Duplicate));
                const std::vector<CArdoObj*> originals = view.m_selection;
                for (CArdoObj* original : originals) doc.AddObject(original->Clone());
            }
            SaveAndClearSnap(view);
            ShowPrompt(IDS_DROP_PROMPT);
            m_dropPromptShown = true;
        }
    }
    if (st.selectMode == none) {
        if (!(flags & MK_SHIFT)) view.Select(nullptr, false);
        st.selectMode = rubberBand;
        DrawFocus(view, point, point);
        m_rubberView = &view;
        SaveAndClearSnap(view);
    }
    st.lastLogicalPoint = p;
    CInputTool::onButtonDown(view, flags, point);
}

void CSelectionTool::MoveSelection(CArdoView& view, CPoint point) {
    ToolState& st = State();
    CArdoDoc& doc = view.GetDocument();
    CPoint p = point;
    view.ClientToLogical(p);
    const CSize offset = p - st.lastLogicalPoint;
    const CRect paper = PaperRect(doc);

    // Only whole moves are held on the paper by their bounds; a handle follows the pointer
    // only inside the paper (below), so resizing near an edge is never refused.
    if (st.selectMode == move && !view.m_selection.empty() && StepLeavesPaper(paper, view.m_selectionBounds, offset)) {
        view.Host().SetCursor(IDC_REFUSE);
        st.lastLogicalPoint = p;
        return;
    }

    bool refused = false;
    const std::vector<CArdoObj*> selection = view.m_selection;
    for (CArdoObj* obj : selection) {
        if (st.selectMode == move) {
            obj->MoveTo(OffsetClamped(obj->m_position, offset), &view);
        } else if (st.dragHandle != 0) {
            if (paper.PtInRect(p)) {
                obj->MoveHandleTo(st.dragHandle, p, &view);
                view.m_selectionBounds = obj->m_position.Normalized();
            } else {
                view.Host().SetCursor(IDC_REFUSE);
                refused = true;
            }
        }
    }
    if (st.selectMode == move) view.m_selectionBounds = OffsetClamped(view.m_selectionBounds, offset);
    st.lastLogicalPoint = p;

    if ((st.selectMode == sizeNew || st.selectMode == sizeHandle) && st.currentTool == TOOL_SELECT) {
        st.lastWindowPoint = point;
        // A refused handle step keeps the refusal cursor.
        if (!refused && !view.m_selection.empty())
            view.Host().SetCursor(view.m_selection.front()->GetHandleCursor(st.dragHandle));
        return;
    }
    st.lastWindowPoint = point;
    if (st.currentTool == TOOL_SELECT) CInputTool::onMouseMove(view, 0, point);
}

void CSelectionTool::onMouseMove(CArdoView& view, unsigned flags, CPoint point) {
    ToolState& st = State();
    if (view.Host().HasCapture()) {
        if (st.selectMode == rubberBand) {
            if (m_rubberView == &view) DrawFocus(view, st.downPoint, st.lastWindowPoint);
            DrawFocus(view, st.downPoint, point);
            m_rubberView = &view;
            CInputTool::onMouseMove(view, flags, point);
            return;
        }
        if (st.selectMode != none) {
            MoveSelection(view, point);
            return;
        }
    }
    if (st.currentTool != TOOL_SELECT) return;  // the calling tool has set its own cursor
    if (view.m_selection.size() == 1) {
        CPoint p = point;
        view.ClientToLogical(p);
        CArdoObj* obj = view.m_selection.front();
        if (const int handle = obj->HitTest(p, &view, 1)) {
            view.Host().SetCursor(obj->GetHandleCursor(handle));
            return;
        }
    }
    CInputTool::onMouseMove(view, flags, point);
}

void CSelectionTool::onButtonUp(CArdoView& view, unsigned flags, CPoint point) {
    ToolState& st = State();
    if (view.Host().HasCapture()) {
        CArdoDoc& doc = view.GetDocument();
        if (st.selectMode == rubberBand) {
            if (m_rubberView == &view) DrawFocus(view, st.downPoint, st.lastWindowPoint);
            m_rubberView = nullptr;
            ShowPrompt("");
            view.SelectWithinRect(CRect(st.downPoint, st.lastWindowPoint), true);
        } else if (st.selectMode != none) {
            if (doc.Snap() && st.selectMode == sizeHandle && view.m_selection.size() == 1) {
                CPoint p = point;
                view.ClientToLogical(p);
                CArdoObj* obj = view.m_selection.front();
                if (const int handle = obj->HitTest(p, &view, 1))
                    obj->MoveHandleTo(handle, view.SnapToGrid(point), &view);
            }
            doc.UpdateAllViews(&view, HINT_ALL);
        }
        RestoreSnap();
    }
    // The drop prompt belongs to the drag; it must not outlive the release.
    if (m_dropPromptShown) {
        m_dropPromptShown = false;
        ShowPrompt("");
    }
    CInputTool::onButtonUp(view, flags, point);
}

void CSelectionTool::onDoubleClick(CArdoView& view, unsigned flags, CPoint point) {
    if (flags & MK_SHIFT) {
        CPoint p = point;
        view.ClientToLogical(p);
        if (CArdoObj* obj = view.GetDocument().ObjectAt(p)) view.Deselect(obj);
        return;
    }
    if (view.m_selection.size() == 1) {
        view.GetDocument().RenameChange(LoadString(change::Properties));
        view.m_selection.front()->OnEditProperties(&view);
        view.RecalcSelectionBounds();
    } else if (view.m_selection.size() > 1) {
        view.GetDocument().RenameChange(LoadString(change::LineStyle));
        EditCommonLineAndFill(view);
    }
}

// The line-and-fill dialog for several objects: a stand-in rectangle carries the
// document's current attributes through the dialog; measuring objects keep theirs.
void CSelectionTool::EditCommonLineAndFill(CArdoView& view) {
    CArdoDoc& doc = view.GetDocument();
    auto temp = std::make_unique<CArdoRect>(CRect(), SHAPE_RECTANGLE);
    temp->SetDocument(&doc);  // its setters make the chosen values the current attributes
    temp->m_logpen.lopnColor = doc.CurrentLineColor();
    temp->m_logbrush.lbColor = doc.CurrentFillColor();
    temp->m_bBrush = doc.CurrentFill();
    temp->m_logpen.lopnWidth = {doc.CurrentLineWidth(), doc.CurrentLineWidth()};
    if (!temp->OnEditProperties(&view)) return;

    int width = 0, widthY = 0;
    temp->GetLineWidth(width, widthY);
    const COLORREF line = temp->GetLineColor();
    const COLORREF fill = temp->GetFillColor();
    const int filled = temp->IsFilled();
    const std::vector<CArdoObj*> selection = view.m_selection;
    for (auto it = selection.rbegin(); it != selection.rend(); ++it) {
        CArdoObj* obj = *it;
        if (obj->IsKindOf(RUNTIME_CLASS(CArdoPolyMeasure))) {
            view.InvalidateObject(obj);
            continue;
        }
        if (obj->IsKindOf(RUNTIME_CLASS(CArdoRect))) {
            const int shape = static_cast<CArdoRect*>(obj)->m_shape;
            if (shape == SHAPE_DIMLINE || shape == SHAPE_DIMRECT) continue;
        }
        obj->SetLineColor(line);
        obj->SetFillColor(fill);
        obj->SetFilled(filled);
        obj->SetLineWidth(width);
        view.InvalidateObject(obj);
    }
    view.RecalcSelectionBounds();
}

void CSelectionTool::onCancel() {
    CInputTool::onCancel();
    ToolState& st = State();
    if (m_rubberView && st.selectMode == rubberBand) DrawFocus(*m_rubberView, st.downPoint, st.lastWindowPoint);
    m_rubberView = nullptr;
    if (m_dropPromptShown) {
        m_dropPromptShown = false;
        ShowPrompt("");
    }
    // A drag ended by Esc gets no release with the capture held: put the snap flag back now.
    RestoreSnap();
}

void CSelectionTool::onViewDestroyed(CArdoView& view) {
    if (m_rubberView == &view) m_rubberView = nullptr;
    if (m_snapView == &view) RestoreSnap();
}
