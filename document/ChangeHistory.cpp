#include "document/ChangeHistory.h"

size_t RecordedChange::Bytes() const {
    return sizeof(RecordedChange) + name.capacity() + objects.Bytes() + background.Bytes() +
           settingsBefore.m_strScale.capacity() + settingsAfter.m_strScale.capacity();
}

void ChangeHistory::Push(RecordedChange change) {
    while (m_changes.size() > m_done) {
        m_bytes -= m_changes.back().counted;
        m_changes.pop_back();
    }
    // The saved state was undone and is now out of reach.
    if (m_saved > long(m_done)) m_saved = -1;
    change.counted = change.Bytes();
    m_bytes += change.counted;
    m_changes.push_back(std::move(change));
    ++m_done;
    DropOldestOverBudget();
}

void ChangeHistory::DropOldestOverBudget() {
    while (m_bytes > m_budget && m_changes.size() > 1) {
        m_bytes -= m_changes.front().counted;
        m_changes.pop_front();
        --m_done;
        m_saved = m_saved > 0 ? m_saved - 1 : -1;
    }
}

void ChangeHistory::Recount(RecordedChange& change) {
    const size_t now = change.Bytes();
    m_bytes = m_bytes - change.counted + now;
    change.counted = now;
}

void ChangeHistory::StepBack() {
    --m_done;
    Recount(m_changes[m_done]);
}

void ChangeHistory::StepForward() {
    Recount(m_changes[m_done]);
    ++m_done;
    DropOldestOverBudget();
}

void ChangeHistory::Clear() {
    m_changes.clear();
    m_done = 0;
    m_bytes = 0;
    m_saved = -1;
}
