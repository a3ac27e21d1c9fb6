// Dropping and dragging library symbols.
#include "tools/SymbolTool.h"

#include "document/ArdoDoc.h"
#include "objects/ArdoSymbol.h"
#include "platform/Services.h"
#include "tools/SelectionTool.h"
#include "tools/ToolFramework.h"
#include "view/ArdoView.h"
#include "view/ViewSelectionGeometry.h"

#include <algorithm>

namespace {

constexpr int IDS_SYMBOL_SHIFTED = 41048;  // "Symbol  wurde vollständig in Papierbereich geschoben"

// How far r must move to lie on the paper: per axis toward the edge it crosses first.
CSize ShiftOntoPaper(const CRect& r, const CRect& paper) {
    const auto shift = [](int64_t low, int64_t high, int64_t paperLow, int64_t paperHigh) -> int32_t {
        if (low < paperLow) return ClampToInt32(paperLow - low);
        if (high > paperHigh) return ClampToInt32(paperHigh - high);
        return 0;
    };
    return CSize(shift(r.left, r.right, paper.left, paper.right), shift(r.top, r.bottom, paper.top, paper.bottom));
}

bool Contains(const CRect& outer, const CRect& inner) {
    return inner.left >= outer.left && inner.right <= outer.right && inner.top >= outer.top &&
           inner.bottom <= outer.bottom;
}

}  // namespace

int UsableCurrentSymbol(const CArdoDoc& doc) {
    const int index = doc.CurrentSymbol();
    if (index < 0 || index >= std::min(doc.SymbolCount(), kMaxSymbols)) return -1;
    if (doc.SymbolEntry(index).nClass == kDeletedSymbolClass) return -1;
    return index;
}

void CSymbolTool::onButtonDown(CArdoView& view, unsigned flags, CPoint point) {
    CInputTool::onButtonDown(view, flags, point);
    ShowPrompt("");
    ToolState& st = State();
    CArdoDoc& doc = view.GetDocument();
    const int index = UsableCurrentSymbol(doc);
    if (index < 0) {
        // Nothing chosen: the press drops nothing and the release has nothing to finish.
        st.selectMode = none;
        currentObject = nullptr;
        return;
    }

    CPoint p = point;
    view.ClientToLogical(p);
    const SymbolInfo& info = doc.SymbolEntry(index);
    const float factor = doc.UnitsPerMm() / doc.Scale();
    const int32_t width = CArdoObj::TruncToInt(float(info.nLength) * factor);
    const int32_t height = CArdoObj::TruncToInt(float(info.nWidth) * factor);
    const CRect box(p.x, p.y, ClampToInt32(int64_t(p.x) + width), ClampToInt32(int64_t(p.y) + height));

    auto created = std::make_unique<CArdoSymbol>(box, index);
    view.m_selectionBounds.UnionRect(view.m_selectionBounds, created->m_position.Normalized());
    CArdoSymbol* symbol = doc.AddObject(std::move(created));
    currentObject = symbol;
    m_view = &view;
    view.Select(symbol, false);
    symbol->m_flags = info.nFlags;

    st.selectMode = move;
    st.dragHandle = symbol->GetHandleCount();
    st.lastLogicalPoint = p;

    const CRect paper = CRect(0, 0, doc.Extent().cx, doc.Extent().cy).Normalized();
    const CRect bounds = symbol->m_position.Normalized();
    if (!Contains(paper, bounds)) {
        view.GetServices().alerts->FlashWindow();
        view.GetServices().alerts->MessageBeep(MB_ICONERROR);
        ShowPrompt(IDS_SYMBOL_SHIFTED);
        const CSize shift = ShiftOntoPaper(bounds, paper);
        symbol->MoveTo(OffsetClamped(symbol->m_position, shift), &view);
        st.lastLogicalPoint = CPoint(ClampToInt32(int64_t(p.x) + shift.cx), ClampToInt32(int64_t(p.y) + shift.cy));
        view.RecalcSelectionBounds();
    }

    if (!snapSaved) {
        savedSnap = doc.Snap();
        doc.SetSnap(0);
        snapSaved = true;
    }
}

void CSymbolTool::onMouseMove(CArdoView& view, unsigned flags, CPoint point) {
    view.Host().SetCursor(IDC_DRAWING);
    Tools().Selection().onMouseMove(view, flags, point);
}

void CSymbolTool::onButtonUp(CArdoView& view, unsigned flags, CPoint point) {
    ToolState& st = State();
    CArdoDoc& doc = view.GetDocument();
    const bool dropped = currentObject && m_view == &view && IsInDocument(doc, currentObject);
    if (dropped && point == st.downPoint && !view.m_selection.empty()) {
        // A symbol without extent (a library entry of size 0) is not kept by a plain click,
        // unless it always takes the library's default size; the click selects instead.
        CArdoObj* first = view.m_selection.front();
        const CRect r = first->m_position;
        const auto* symbol = dynamic_cast<const CArdoSymbol*>(first);
        const bool keepsDefaultSize = symbol && (symbol->m_flags & CArdoSymbol::kDefaultSize);
        if ((r.Width() == 0 || r.Height() == 0) && !keepsDefaultSize) {
            if (first == currentObject) currentObject = nullptr;
            doc.RemoveObject(first);
            Tools().Selection().onButtonDown(view, flags, point);
        }
    }
    Tools().Selection().onButtonUp(view, flags, point);
    currentObject = nullptr;
    RestoreSnap();
}

void CSymbolTool::onDoubleClick(CArdoView& view, unsigned, CPoint) { view.Host().ReleaseCapture(); }

void CSymbolTool::onCancel() {
    CInputTool::onCancel();
    currentObject = nullptr;
    State().selectMode = sizeNew;
    RestoreSnap();
}

void CSymbolTool::onViewDestroyed(CArdoView& view) {
    if (m_view != &view) return;
    RestoreSnap();
    currentObject = nullptr;
    m_view = nullptr;
}

void CSymbolTool::RestoreSnap() {
    if (!snapSaved) return;
    if (m_view) m_view->GetDocument().SetSnap(savedSnap);
    snapSaved = false;
}
