// Entering a text and carrying it to its place.
#include "tools/TextTool.h"

#include "document/ArdoDoc.h"
#include "objects/ArdoText.h"
#include "platform/Services.h"
#include "tools/SelectionTool.h"
#include "tools/ToolFramework.h"
#include "view/ArdoView.h"
#include "view/ViewSelectionGeometry.h"

#include <cmath>
#include <memory>

namespace {
constexpr float kPi = 3.14159265f;
constexpr int IDS_TEXT_OFF_PAPER = 41049;  // "Text nicht außerhalb des Papierbereichs ablegen"
constexpr int IDS_TEXT_PLACE = 41050;      // "Linken unteren Eckpunkt des Textes anklicken"

CRect PaperRect(const CArdoDoc& doc) { return CRect(0, 0, doc.Extent().cx, doc.Extent().cy).Normalized(); }

bool OnPaper(const CRect& paper, CPoint p) {
    return p.x >= paper.left && p.x <= paper.right && p.y >= paper.top && p.y <= paper.bottom;
}
}  // namespace

void SetTextOutline(CArdoText& text, CPoint p) {
    const float h = float(text.m_cy);
    const float w = float(text.m_cx);
    const float x = float(p.x);
    const float y = float(p.y);
    CPoint* c = text.m_corners;
    c[0] = p;
    if (text.m_bFixedAngle) {
        const float a = float(text.m_nAngle) * kPi / 180.0f;
        const float sinA = std::sin(a);
        const float cosA = std::cos(a);
        c[1] = CPoint(CArdoObj::TruncToInt(x - h * sinA), CArdoObj::TruncToInt(y + h * cosA));
        c[2] = CPoint(CArdoObj::TruncToInt(x + w * cosA - h * sinA), CArdoObj::TruncToInt(y + w * sinA + h * cosA));
        c[3] = CPoint(CArdoObj::TruncToInt(x + w * cosA), CArdoObj::TruncToInt(y + w * sinA));
    } else {
        c[1] = CPoint(p.x, CArdoObj::TruncToInt(y + h));
        c[2] = CPoint(CArdoObj::TruncToInt(x + w), CArdoObj::TruncToInt(y + h));
        c[3] = CPoint(CArdoObj::TruncToInt(x + w), p.y);
    }
    text.m_nCorners = 4;
}

void CTextTool::onButtonDown(CArdoView& view, unsigned flags, CPoint point) {
    CInputTool::onButtonDown(view, flags, point);
    view.Host().ReleaseCapture();
    CArdoDoc& doc = view.GetDocument();

    CPoint p = point;
    view.ClientToLogical(p);
    if (doc.Snap() && view.m_selection.size() == 1) {
        CArdoObj* obj = view.m_selection.front();
        if (const int handle = obj->HitTest(p, &view, 1)) {
            p = view.SnapToGrid(point);
            obj->MoveHandleTo(handle, p, &view);
        }
    }

    if (currentObject && !(m_view == &view && IsInDocument(doc, currentObject))) {
        // The carried text went away (deleted, or its window closed): start afresh.
        currentObject = nullptr;
        m_view = nullptr;
    }
    if (currentObject)
        Place(view, flags, point, p);
    else
        StartNewText(view, p);
}

void CTextTool::Place(CArdoView& view, unsigned flags, CPoint point, CPoint logical) {
    ToolState& st = State();
    CArdoDoc& doc = view.GetDocument();
    CArdoText* text = currentObject;
    currentObject = nullptr;
    m_view = nullptr;
    if (OnPaper(PaperRect(doc), logical)) {
        Tools().Selection().onButtonUp(view, flags, point);
        view.InvalidateObject(text);
        st.currentTool = TOOL_TEXT;
        st.selectMode = sizeNew;
        ShowPrompt("");
        return;
    }
    view.GetServices().alerts->FlashWindow();
    view.GetServices().alerts->MessageBeep(MB_ICONERROR);
    ShowPrompt(IDS_TEXT_OFF_PAPER);
    // The text jumps, unturned, with its insertion point to the middle of the window.
    const CSize client = view.Host().GetClientSize();
    CPoint centre(client.cx / 2, client.cy / 2);
    view.ClientToLogical(centre);
    const CPoint insertion = text->m_corners[0];
    const CSize shift(ClampToInt32(int64_t(centre.x) - insertion.x), ClampToInt32(int64_t(centre.y) - insertion.y));
    text->MoveTo(OffsetClamped(text->m_position, shift), &view);
    view.RecalcSelectionBounds();
    st.currentTool = TOOL_SELECT;
}

void CTextTool::StartNewText(CArdoView& view, CPoint p) {
    ToolState& st = State();
    CArdoDoc& doc = view.GetDocument();
    auto text = std::make_unique<CArdoText>(CRect(p, p), doc.InitialTextHeight());
    // The dialog opens with the document's current text font and colour.
    text->SetDocument(&doc);
    if (!text->EditText(&view) || text->m_text.empty()) {
        st.currentTool = TOOL_SELECT;
        st.selectMode = none;
        ShowPrompt("");
        return;
    }
    view.Host().SetCapture();
    CArdoText* raw = doc.AddObject(std::move(text));
    view.Select(raw, false);
    SetTextOutline(*raw, p);
    raw->RecalcBounds(&view);
    currentObject = raw;
    m_view = &view;
    ShowPrompt(IDS_TEXT_PLACE);
    view.m_selectionBounds.UnionRect(view.m_selectionBounds, raw->m_position.Normalized());
    st.selectMode = move;
    st.dragHandle = raw->GetHandleCount();
    st.lastLogicalPoint = p;
}

void CTextTool::onButtonUp(CArdoView& view, unsigned, CPoint) {
    if (currentObject) {
        view.Host().ReleaseCapture();
        currentObject = nullptr;
        m_view = nullptr;
    }
    State().currentTool = TOOL_TEXT;
}

void CTextTool::onMouseMove(CArdoView& view, unsigned flags, CPoint point) {
    view.Host().SetCursor(IDC_DRAWING);
    Tools().Selection().onMouseMove(view, flags, point);
}

void CTextTool::onDoubleClick(CArdoView& view, unsigned, CPoint) { view.Host().ReleaseCapture(); }

void CTextTool::onCancel() {
    CInputTool::onCancel();
    currentObject = nullptr;
    m_view = nullptr;
    State().selectMode = sizeNew;
}

void CTextTool::onViewDestroyed(CArdoView& view) {
    if (m_view != &view) return;
    currentObject = nullptr;
    m_view = nullptr;
}
