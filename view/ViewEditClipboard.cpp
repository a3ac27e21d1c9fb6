// Copy, cut, paste and delete of the selection. Copies travel as "Kovel Format": an object
// list in the archive encoding of the document file.
#include "view/ArdoView.h"

#include "document/ArdoDoc.h"
#include "document/ChangeNames.h"
#include "document/DocumentChange.h"
#include "platform/Archive.h"
#include "platform/Services.h"
#include "platform/StringTable.h"
#include "view/ClipboardObjects.h"
#include "view/ViewSelectionGeometry.h"

#include <span>

namespace {
constexpr int IDS_KOVEL_CAPTION = 41020;  // "Kovel"
constexpr int IDS_PASTE_PROMPT = 41021;

// Clipboard copies carry no document: records are always written and read in the current
// form, so a copy from a document read from an old file pastes into any other document.
std::vector<uint8_t> StoreObjects(const std::vector<CArdoObj*>& objects) {
    std::vector<uint8_t> bytes;
    CArchive ar(bytes);
    ar.WriteCount(uint32_t(objects.size()));
    for (const CArdoObj* obj : objects) ar.WriteObject(obj);
    return bytes;
}
}  // namespace

ObjectList ReadClipboardObjects(Services& services) {
    ObjectList objects;
    const std::optional<std::vector<uint8_t>> bytes = services.clipboard->GetData(kKovelClipboardFormat);
    if (!bytes) return objects;
    try {
        CArchive ar{std::span<const uint8_t>(*bytes)};
        ar.ReadObList(objects);
    } catch (const std::exception&) {
        objects.clear();
        services.messages->MessageBox(LoadString(IDS_INVALID_FORMAT), LoadString(IDS_KOVEL_CAPTION),
                                      MB_OK | MB_ICONEXCLAMATION);
    }
    return objects;
}

bool CArdoView::OnEditCopy() {
    if (m_selection.empty()) return false;
    return m_services.clipboard->SetData(kKovelClipboardFormat, StoreObjects(m_selection));
}

void CArdoView::OnEditCut() {
    // Nothing is deleted unless its copy reached the clipboard.
    if (!OnEditCopy()) return;
    EndGestureInProgress();
    DocumentChange change(m_doc, change::Cut, DocumentChange::Kind::listsOnly);
    OnEditDelete();
}

void CArdoView::OnEditDelete() {
    if (m_selection.empty()) return;
    EndGestureInProgress();
    DocumentChange change(m_doc, change::Delete, DocumentChange::Kind::listsOnly);
    // Other views forget these objects; this view skips its own list.
    m_doc.UpdateAllViews(nullptr, HINT_REMOVING, UpdateHint{nullptr, &m_selection});
    OnUpdate(nullptr, HINT_OBJECTS, {});
    // RemoveObject also drops each object from m_selection, so walk a copy.
    const std::vector<CArdoObj*> doomed = m_selection;
    for (CArdoObj* obj : doomed) m_doc.RemoveObject(obj);
    m_selection.clear();
    RecalcSelectionBounds();
}

void CArdoView::OnEditPaste() {
    // Read everything first: a damaged copy must leave the document and the selection as
    // they were.
    ObjectList pasted = ReadClipboardObjects(m_services);
    if (pasted.empty()) return;

    EndGestureInProgress();
    DocumentChange change(m_doc, change::Paste, DocumentChange::Kind::listsOnly);
    OnUpdate(nullptr, HINT_OBJECTS, {});

    // The copies land centred in the visible part of the sheet; they move before they join
    // the document, so that nothing is redrawn twice.
    const CRect bounds = BoundsOf(pasted, [](const auto& obj) { return obj->m_position; });
    const CPoint target = m_clientLogical.CenterPoint();
    const CPoint centre = bounds.CenterPoint();
    const CSize d(ClampToInt32(int64_t(target.x) - centre.x), ClampToInt32(int64_t(target.y) - centre.y));
    m_selection.clear();
    for (auto& obj : pasted) {
        obj->MoveTo(OffsetClamped(obj->m_position, d), nullptr);
        m_selection.push_back(m_doc.AddObject(std::move(obj)));
    }
    RecalcSelectionBounds();
    m_services.status->SetPaneText(kPanePrompt, LoadString(IDS_PASTE_PROMPT));
    m_doc.UpdateAllViews(nullptr, HINT_OBJECTS, UpdateHint{nullptr, &m_selection});
}
