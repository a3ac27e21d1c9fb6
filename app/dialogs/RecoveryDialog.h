// The dialog shown at start after the program ended without cleaning up: the documents
// saved automatically, each with its name, where it was saved and when it was last
// autosaved, and the buttons "Wiederherstellen" and "Verwerfen". Damaged snapshots can
// only be discarded. What is left undecided is offered again at the next start.
#pragma once

#include "document/AutosaveStore.h"

#include <QDialog>

#include <functional>
#include <vector>

class QLabel;
class QPushButton;

class RecoveryDialog : public QDialog {
    Q_OBJECT
public:
    // restore: opens entry i, false when it failed (it is then shown as not recoverable);
    // discard: deletes entry i.
    using Restore = std::function<bool(size_t)>;
    using Discard = std::function<void(size_t)>;
    RecoveryDialog(const std::vector<AutosaveEntry>& entries, Restore restore, Discard discard,
                   QWidget* parent = nullptr);

    // The buttons of entry i (named "restore<i>" and "discard<i>").
    QPushButton* RestoreButton(size_t i) const { return m_rows.at(i).restore; }
    QPushButton* DiscardButton(size_t i) const { return m_rows.at(i).discard; }
    // The line under entry i that says what became of it.
    QLabel* StateLabel(size_t i) const { return m_rows.at(i).state; }

private:
    struct Row {
        QPushButton* restore = nullptr;
        QPushButton* discard = nullptr;
        QLabel* state = nullptr;
    };
    void Decided(size_t i, int stateText);

    Restore m_restore;
    Discard m_discard;
    std::vector<Row> m_rows;
};
