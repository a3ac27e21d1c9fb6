// The dialog "Optionen": how often modified documents are saved automatically, in seconds
// (0 turns it off).
#pragma once

#include "app/dialogs/ModalDialog.h"

#include <optional>
#include <string>

class QLineEdit;

// The interval typed: 0 or 5 to 86400 seconds; nothing for any other text.
std::optional<int> ParseAutosaveInterval(const std::string& text);

class OptionsDialog : public ModalDialog {
    Q_OBJECT
public:
    static constexpr int kIntervalEdit = 1000;  // control id of the interval field

    OptionsDialog(int intervalSeconds, QWidget* parent = nullptr);
    // The interval accepted with OK.
    int IntervalSeconds() const { return m_interval; }

protected:
    bool Validate() override;

private:
    QLineEdit* m_edit = nullptr;
    int m_interval = 0;
};
