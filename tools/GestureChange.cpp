#include "tools/GestureChange.h"

#include "document/ArdoDoc.h"
#include "document/ChangeNames.h"
#include "platform/StringTable.h"
#include "tools/InputTool.h"
#include "view/ArdoView.h"

namespace {
int ChangeNameOf(int toolId) {
    // The selection tool moves, unless it says otherwise while the change is open.
    if (toolId <= TOOL_SELECT || toolId > TOOL_SYMBOL) return change::Move;
    return change::FirstToolShape + toolId - 1;
}
}  // namespace

void GestureChange::Open(CArdoView& view, int toolId) {
    CArdoDoc& doc = view.GetDocument();
    if (m_doc == &doc) return;
    if (m_doc) Close(false);
    m_doc = &doc;
    m_view = &view;
    doc.BeginChange(LoadString(ChangeNameOf(toolId)));
}

void GestureChange::Close(bool takeBack) {
    CArdoDoc* doc = m_doc;
    m_doc = nullptr;
    m_view = nullptr;
    if (!doc) return;
    if (takeBack)
        doc->CancelChange();
    else
        doc->EndChange();
}

void GestureChange::ViewDestroyed(const CArdoView& view, bool takeBack) {
    if (m_view == &view) Close(takeBack);
}
