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

void CArdoDoc::MarkModified() {
    // Inside a change the closing comparison finds what the object changed.
    if (!IsChanging()) NoteUnrecordedChange();
}

void CArdoDoc::NoteUnrecordedChange() {
    m_history.Clear();
    m_bModified = true;
}

// --- opening and closing --------------------------------------------------------------------

void CArdoDoc::BeginChange(const std::string& name) {
    if (m_change) {
        ++m_change->depth;
        return;
    }
    auto change = std::make_unique<OpenChange>();
    change->name = name;
    change->settingsBefore = CurrentSettings();
    change->objectsBefore.reserve(m_objects.size());
    change->objectRecordEnds.reserve(m_objects.size());
    change->objectIndex.reserve(m_objects.size());
    for (const auto& obj : m_objects) {
        change->objectIndex.emplace(obj.get(), uint32_t(change->objectsBefore.size()));
        change->objectsBefore.push_back(obj.get());
        AppendObjectRecord(change->objectRecords, *obj, *this);
        change->objectRecordEnds.push_back(change->objectRecords.size());
    }
    change->backgroundBefore.reserve(m_background.size());
    for (const auto& obj : m_background) change->backgroundBefore.push_back(obj.get());
    m_change = std::move(change);
}

void CArdoDoc::RenameChange(const std::string& name) {
    if (m_change) m_change->name = name;
}

void CArdoDoc::NoteRemoval(const CArdoObj* obj, bool background) {
    OpenChange& change = *m_change;
    if (background && !change.backgroundRecords.contains(obj) && !change.removed.contains(obj))
        change.backgroundRecords.emplace(obj, ObjectRecord(*obj, *this));
    change.removed.insert(obj);
}

RecordedChange CArdoDoc::RecordOpenChange() {
    OpenChange& change = *m_change;
    const auto recordAt = [&](uint32_t i) {
        const size_t begin = i == 0 ? 0 : change.objectRecordEnds[i - 1];
        return std::span<const uint8_t>(change.objectRecords).subspan(begin, change.objectRecordEnds[i] - begin);
    };
    std::vector<uint8_t> scratch;
    const auto objectUnchanged = [&](const CArdoObj* obj) {
        if (change.removed.contains(obj)) return false;
        const auto found = change.objectIndex.find(obj);
        if (found == change.objectIndex.end()) return false;
        scratch.clear();
        AppendObjectRecord(scratch, *obj, *this);
        const auto before = recordAt(found->second);
        return scratch.size() == before.size() && std::equal(scratch.begin(), scratch.end(), before.begin());
    };
    const auto objectBefore = [&](const CArdoObj* obj) {
        const auto before = recordAt(change.objectIndex.at(obj));
        return std::vector<uint8_t>(before.begin(), before.end());
    };
    const auto backgroundUnchanged = [&](const CArdoObj* obj) { return !change.removed.contains(obj); };
    const auto backgroundBefore = [&](const CArdoObj* obj) {
        const auto found = change.backgroundRecords.find(obj);
        return found != change.backgroundRecords.end() ? found->second : ObjectRecord(*obj, *this);
    };

    RecordedChange recorded;
    recorded.name = change.name;
    recorded.objects = DiffLists(change.objectsBefore, m_objects, objectUnchanged, objectBefore, *this);
    const bool sameBackground = change.removed.empty() && change.backgroundBefore.size() == m_background.size() &&
                                std::equal(m_background.begin(), m_background.end(), change.backgroundBefore.begin(),
                                           [](const auto& a, const CArdoObj* b) { return a.get() == b; });
    if (!sameBackground)
        recorded.background =
            DiffLists(change.backgroundBefore, m_background, backgroundUnchanged, backgroundBefore, *this);
    recorded.settingsBefore = change.settingsBefore;
    recorded.settingsAfter = CurrentSettings();
    return recorded;
}

void CArdoDoc::EndChange() {
    if (!m_change) return;
    if (--m_change->depth > 0) return;
    RecordedChange recorded = RecordOpenChange();
    m_change.reset();
    if (recorded.objects.Empty() && recorded.background.Empty() &&
        SameSettings(recorded.settingsBefore, recorded.settingsAfter))
        return;
    m_history.Push(std::move(recorded));
}

void CArdoDoc::CancelChange() {
    if (!m_change) return;
    RecordedChange recorded = RecordOpenChange();
    m_change.reset();
    ApplyStep(recorded, true);
}

// --- undo and redo ------------------------------------------------------------------------------

std::string CArdoDoc::UndoName() const { return CanUndo() ? m_history.NextUndo().name : std::string(); }

std::string CArdoDoc::RedoName() const { return CanRedo() ? m_history.NextRedo().name : std::string(); }

bool CArdoDoc::ApplyStep(const RecordedChange& change, bool backwards) {
    const auto from = [&](const ListEdit& e) -> const auto& { return backwards ? e.after : e.before; };
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
    const std::vector<CArdoObj*> placed = ApplyListEdit(m_objects, std::move(objects), removing);
    ApplyListEdit(m_background, std::move(background), removing);
    RestoreSettings(backwards ? change.settingsBefore : change.settingsAfter);

    UpdateHint what{nullptr, &placed};
    what.background = !change.background.Empty() || !SameSettings(change.settingsBefore, change.settingsAfter);
    UpdateAllViews(nullptr, HINT_RESTORED, what);
    return true;
}

bool CArdoDoc::Undo() {
    if (!CanUndo()) return false;
    if (!ApplyStep(m_history.NextUndo(), true)) return false;
    m_history.StepBack();
    return true;
}

bool CArdoDoc::Redo() {
    if (!CanRedo()) return false;
    if (!ApplyStep(m_history.NextRedo(), false)) return false;
    m_history.StepForward();
    return true;
}
