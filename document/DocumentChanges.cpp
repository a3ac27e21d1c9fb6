// The change path: opening and closing named changes, recording them as steps of the
// history, and taking steps back and forward.
#include "document/ArdoDoc.h"
#include "document/ObjectRecords.h"
#include "document/OpenChange.h"
#include "platform/Archive.h"

#include <algorithm>
#include <cstring>
#include <span>

DocumentSettings CArdoDoc::CurrentSettings() const {
    DocumentSettings s;
    ForEachSetting(*this, s, [](const auto& field, auto& copy) { copy = field; });
    return s;
}

void CArdoDoc::RestoreSettings(const DocumentSettings& settings) {
    const CSize oldExtent = m_sizeExtent;
    ForEachSetting(*this, settings, [](auto& field, const auto& copy) { field = copy; });
    if (m_sizeExtent != oldExtent)
        for (DocumentView* view : std::vector<DocumentView*>(m_views)) view->OnExtentChanged(m_sizeExtent);
    UpdateScaleText();
}

void CArdoDoc::SetModifiedFlag(bool modified) {
    m_bModified = modified;
    if (!modified) m_history.MarkSaved();
}

void CArdoDoc::MarkModified(const CArdoObj& obj) {
    // Inside a change the closing comparison finds what the object changed; a lists-only
    // change notes the object to see whether it was there before.
    if (!IsChanging())
        NoteUnrecordedChange();
    else if (m_change->kind == ChangeKind::listsOnly)
        m_change->modified.insert(&obj);
}

void CArdoDoc::NoteUnrecordedChange() {
    ++m_changeCount;
    m_history.Clear();
    m_bModified = true;
}

// --- opening and closing --------------------------------------------------------------------

void CArdoDoc::BeginChange(const std::string& name, ChangeKind kind) {
    if (m_change) {
        ++m_change->depth;
        // A nested change that edits objects needs the records a lists-only one skipped.
        if (kind == ChangeKind::editsObjects && m_change->kind == ChangeKind::listsOnly) m_change->editedInPlace = true;
        return;
    }
    auto change = std::make_unique<OpenChange>();
    change->name = name;
    change->kind = kind;
    change->settingsBefore = CurrentSettings();
    change->objectsBefore.reserve(m_objects.size());
    for (const auto& obj : m_objects) change->objectsBefore.push_back(obj.get());
    if (kind == ChangeKind::editsObjects) {
        change->objectRecordEnds.reserve(m_objects.size());
        change->objectIndex.reserve(m_objects.size());
        for (const auto& obj : m_objects) {
            change->objectIndex.emplace(obj.get(), uint32_t(change->objectIndex.size()));
            AppendObjectRecord(change->objectRecords, *obj, *this);
            change->objectRecordEnds.push_back(change->objectRecords.size());
        }
    }
    m_change = std::move(change);
}

void CArdoDoc::RenameChange(const std::string& name) {
    if (m_change) m_change->name = name;
}

void CArdoDoc::NoteBackgroundChanging() {
    std::optional<std::vector<CArdoObj*>>& before = m_change->backgroundBefore;
    if (before) return;
    before.emplace();
    before->reserve(m_background.size());
    for (const auto& obj : m_background) before->push_back(obj.get());
}

void CArdoDoc::NoteRemoval(const CArdoObj* obj, bool background) {
    OpenChange& change = *m_change;
    if (background) NoteBackgroundChanging();
    const bool recordedUpFront = !background && change.kind == ChangeKind::editsObjects;
    if (!recordedUpFront && !change.removedRecords.contains(obj) && !change.removed.contains(obj))
        change.removedRecords.emplace(obj, ObjectRecord(*obj, *this));
    change.removed.insert(obj);
}

RecordedChange CArdoDoc::RecordOpenChange() {
    OpenChange& change = *m_change;
    const auto recordAt = [&](uint32_t i) {
        const size_t begin = i == 0 ? 0 : change.objectRecordEnds[i - 1];
        return std::span<const uint8_t>(change.objectRecords).subspan(begin, change.objectRecordEnds[i] - begin);
    };
    // An object that left a list may have been replaced by a new one at the same address.
    const auto stayed = [&](const CArdoObj* obj) { return !change.removed.contains(obj); };
    // What an object was when the change began: recorded up front or when it left; else it
    // has not changed since.
    const auto recordBefore = [&](const CArdoObj* obj) {
        if (const auto found = change.objectIndex.find(obj); found != change.objectIndex.end()) {
            const auto before = recordAt(found->second);
            return std::vector<uint8_t>(before.begin(), before.end());
        }
        const auto found = change.removedRecords.find(obj);
        return found != change.removedRecords.end() ? found->second : ObjectRecord(*obj, *this);
    };
    std::vector<uint8_t> scratch;
    const auto objectUnchanged = [&](const CArdoObj* obj) {
        if (!stayed(obj)) return false;
        if (change.kind == ChangeKind::listsOnly) return true;
        const auto found = change.objectIndex.find(obj);
        if (found == change.objectIndex.end()) return false;
        scratch.clear();
        AppendObjectRecord(scratch, *obj, *this);
        const auto before = recordAt(found->second);
        return scratch.size() == before.size() && std::equal(scratch.begin(), scratch.end(), before.begin());
    };

    RecordedChange recorded;
    recorded.name = change.name;
    recorded.objects = DiffLists(change.objectsBefore, m_objects, objectUnchanged, recordBefore);
    if (change.backgroundBefore)
        recorded.background = DiffLists(*change.backgroundBefore, m_background, stayed, recordBefore);
    recorded.settingsBefore = change.settingsBefore;
    recorded.settingsAfter = CurrentSettings();
    return recorded;
}

bool CArdoDoc::OpenChangeEditedInPlace() const {
    const OpenChange& change = *m_change;
    if (change.editedInPlace) return true;
    if (change.modified.empty()) return false;
    // Objects added by the change may change freely; one that was there before may not.
    return std::any_of(change.objectsBefore.begin(), change.objectsBefore.end(), [&](const CArdoObj* obj) {
        return change.modified.contains(obj) && !change.removed.contains(obj);
    });
}

void CArdoDoc::EndChange() {
    if (!m_change) return;
    if (--m_change->depth > 0) return;
    if (OpenChangeEditedInPlace()) {
        // Its records cannot tell what the edited objects were: keep the change, lose the history.
        m_change.reset();
        NoteUnrecordedChange();
        return;
    }
    RecordedChange recorded = RecordOpenChange();
    m_change.reset();
    if (recorded.objects.Empty() && recorded.background.Empty() &&
        SameSettings(recorded.settingsBefore, recorded.settingsAfter))
        return;
    m_history.Push(std::move(recorded));
    ++m_changeCount;
}

void CArdoDoc::CancelChange() {
    if (!m_change) return;
    const bool editedInPlace = OpenChangeEditedInPlace();
    RecordedChange recorded = RecordOpenChange();
    m_change.reset();
    ++m_changeCount;  // what was seen while the change was open is gone again
    ApplyStep(recorded, true);
    if (editedInPlace) NoteUnrecordedChange();
}

// --- undo and redo ------------------------------------------------------------------------------

std::string CArdoDoc::UndoName() const { return CanUndo() ? m_history.NextUndo().name : std::string(); }

std::string CArdoDoc::RedoName() const { return CanRedo() ? m_history.NextRedo().name : std::string(); }

bool CArdoDoc::ApplyStep(RecordedChange& change, bool backwards) {
    const auto from = [&](ListEdit & e) -> auto& { return backwards ? e.after : e.before; };
    const auto to = [&](const ListEdit& e) -> const auto& { return backwards ? e.before : e.after; };
    PreparedListEdit objects, background;
    try {
        objects = PrepareListEdit(m_objects, from(change.objects), to(change.objects), *this);
        background = PrepareListEdit(m_background, from(change.background), to(change.background), *this);
    } catch (const CArchiveException&) {
        // Records that no longer fit the lists: keep the document as it is, forget the history.
        NoteUnrecordedChange();
        return false;
    }
    const auto removing = [this](CArdoObj* obj) {
        for (DocumentView* view : std::vector<DocumentView*>(m_views)) view->RemoveFromSelection(obj);
    };
    const std::vector<CArdoObj*> placed = ApplyListEdit(m_objects, std::move(objects), *this, removing);
    ApplyListEdit(m_background, std::move(background), *this, removing);
    RestoreSettings(backwards ? change.settingsBefore : change.settingsAfter);

    UpdateHint what{nullptr, &placed};
    what.background = !change.background.Empty() || !SameSettings(change.settingsBefore, change.settingsAfter);
    UpdateAllViews(nullptr, HINT_RESTORED, what);
    ++m_changeCount;
    return true;
}

bool CArdoDoc::Undo() {
    if (!CanUndo()) return false;
    if (!ApplyStep(m_history.UndoStep(), true)) return false;
    m_history.StepBack();
    return true;
}

bool CArdoDoc::Redo() {
    if (!CanRedo()) return false;
    if (!ApplyStep(m_history.RedoStep(), false)) return false;
    m_history.StepForward();
    return true;
}
