// The undo history of one document: the recorded changes in the order they were made, the
// position between done and undone ones, and which position matches the file last saved or
// opened. Its size is bounded by memory, not by a count: the oldest changes are dropped
// once the records pass the budget, the newest is always kept.
#pragma once

#include "document/DocumentSettings.h"
#include "document/ListEdit.h"

#include <cstddef>
#include <deque>
#include <string>

struct RecordedChange {
    std::string name;     // "Verschieben", "Löschen", ...
    ListEdit objects;     // the foreground list
    ListEdit background;  // the background list
    DocumentSettings settingsBefore;
    DocumentSettings settingsAfter;

    size_t Bytes() const;
    size_t counted = 0;  // what the history counted for it
};

class ChangeHistory {
public:
    static constexpr size_t kDefaultBudget = size_t(64) << 20;  // 64 MiB of records per document

    explicit ChangeHistory(size_t budgetBytes = kDefaultBudget) : m_budget(budgetBytes) {}

    // Records a change after the done ones; the undone ones are dropped.
    void Push(RecordedChange change);
    // Forgets everything: the document no longer matches any recorded state.
    void Clear();

    bool CanUndo() const { return m_done > 0; }
    bool CanRedo() const { return m_done < m_changes.size(); }
    // The change Undo or Redo would apply; only when CanUndo or CanRedo.
    const RecordedChange& NextUndo() const { return m_changes[m_done - 1]; }
    const RecordedChange& NextRedo() const { return m_changes[m_done]; }
    // The same, for the document to apply: applying takes the records of the objects it
    // removes. After applying, move the position; the step's size is counted anew.
    RecordedChange& UndoStep() { return m_changes[m_done - 1]; }
    RecordedChange& RedoStep() { return m_changes[m_done]; }
    void StepBack();
    void StepForward();

    // The document now matches its file (saved or opened).
    void MarkSaved() { m_saved = long(m_done); }
    // Whether the position is the one of the file; false when that state was dropped.
    bool AtSaved() const { return m_saved == long(m_done); }

    size_t Count() const { return m_changes.size(); }
    size_t Bytes() const { return m_bytes; }

private:
    void DropOldestOverBudget();
    void Recount(RecordedChange& change);

    std::deque<RecordedChange> m_changes;
    size_t m_done = 0;   // changes [0, m_done) are done
    long m_saved = 0;    // position of the saved file; -1 when no position matches it
    size_t m_bytes = 0;  // memory of the records
    size_t m_budget;
};
