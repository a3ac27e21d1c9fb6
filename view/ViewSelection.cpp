// The view's selection: an ordered list of pointers to objects the document owns, and the
// bounds of the selected objects.
#include "view/ArdoView.h"

#include "document/ArdoDoc.h"
#include "view/ViewSelectionGeometry.h"

#include <algorithm>

void CArdoView::Select(CArdoObj* obj, bool add) {
    if (!add) {
        OnUpdate(nullptr, HINT_OBJECTS, {});
        m_selection.clear();
        // Bounds of a selection that is gone would mislead the next move.
        m_selectionBounds = CRect();
    }
    if (!obj || IsSelected(obj)) return;
    m_selection.push_back(obj);
    RecalcSelectionBounds();
    InvalidateObject(obj);
}

void CArdoView::SelectWithinRect(CRect client, bool add) {
    if (!add) Select(nullptr, false);
    ClientToLogical(client);
    // Select may not reorder the document's list, so walking it directly is safe.
    for (const auto& obj : m_doc.Objects())
        if (obj->Intersects(client)) Select(obj.get(), true);
    RecalcSelectionBounds();
}

void CArdoView::Deselect(CArdoObj* obj) {
    auto it = std::find(m_selection.begin(), m_selection.end(), obj);
    if (it != m_selection.end()) {
        InvalidateObject(obj);
        m_selection.erase(it);
    }
    RecalcSelectionBounds();
}

void CArdoView::RemoveFromSelection(CArdoObj* obj) { std::erase(m_selection, obj); }

bool CArdoView::IsSelected(const CArdoObj* obj) const {
    return std::find(m_selection.begin(), m_selection.end(), obj) != m_selection.end();
}

void CArdoView::RecalcSelectionBounds() {
    m_selectionBounds = BoundsOf(m_selection, [](const CArdoObj* obj) { return obj->m_position; });
}
