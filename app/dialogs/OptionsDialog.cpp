#include "app/dialogs/OptionsDialog.h"

#include "app/ShellTexts.h"
#include "app/dialogs/DialogSupport.h"
#include "platform/GdiTypes.h"
#include "platform/StringTable.h"
#include "view/SettingsDialogs.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>

#include <charconv>

namespace {
constexpr int IDS_OPTIONS_CAPTION = 40901;
constexpr int IDS_OPTIONS_AUTOSAVE = 40902;
constexpr int IDS_OPTIONS_SECONDS = 40903;
constexpr int IDS_BAD_AUTOSAVE_INTERVAL = 41300;
constexpr int kMinInterval = 5;
constexpr int kMaxInterval = 86400;
}  // namespace

std::optional<int> ParseAutosaveInterval(const std::string& text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos) return std::nullopt;
    const auto last = text.find_last_not_of(" \t");
    const char* begin = text.data() + first;
    const char* end = text.data() + last + 1;
    int value = 0;
    const auto [ptr, error] = std::from_chars(begin, end, value);
    if (error != std::errc() || ptr != end) return std::nullopt;
    if (value != 0 && (value < kMinInterval || value > kMaxInterval)) return std::nullopt;
    return value;
}

OptionsDialog::OptionsDialog(int intervalSeconds, QWidget* parent)
    : ModalDialog(ShellText(IDS_OPTIONS_CAPTION), parent), m_interval(intervalSeconds) {
    m_edit = dialogs::Named(new QLineEdit(QString::number(intervalSeconds), this), kIntervalEdit);
    m_edit->setMaxLength(12);
    auto* row = new QHBoxLayout;
    auto* label = new QLabel(ShellText(IDS_OPTIONS_AUTOSAVE), this);
    label->setBuddy(m_edit);
    row->addWidget(label);
    row->addWidget(m_edit);
    row->addWidget(new QLabel(ShellText(IDS_OPTIONS_SECONDS), this));
    Body()->addLayout(row);
}

bool OptionsDialog::Validate() {
    if (const auto value = ParseAutosaveInterval(dialogs::FieldText(m_edit))) {
        m_interval = *value;
        return true;
    }
    DialogVerdict verdict;
    verdict.beep = true;
    verdict.focusControl = kIntervalEdit;
    verdict.selectAll = true;
    verdict.message = LoadString(IDS_BAD_AUTOSAVE_INTERVAL);
    verdict.icon = MB_ICONEXCLAMATION;
    dialogs::ActOnRefusal(verdict, *this);
    return false;
}
