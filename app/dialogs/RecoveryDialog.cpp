#include "app/dialogs/RecoveryDialog.h"

#include "app/ShellTexts.h"

#include <QDateTime>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

#include <filesystem>

namespace {
constexpr int IDS_RECOVERY_CAPTION = 40910;
constexpr int IDS_RECOVERY_INTRO = 40911;
constexpr int IDS_RECOVERY_RESTORE = 40912;
constexpr int IDS_RECOVERY_DISCARD = 40913;
constexpr int IDS_RECOVERY_CLOSE = 40914;
constexpr int IDS_RECOVERY_SAVED_AT = 40915;
constexpr int IDS_RECOVERY_NEVER_SAVED = 40916;
constexpr int IDS_RECOVERY_DAMAGED = 40917;
constexpr int IDS_RECOVERY_RESTORED = 40918;
constexpr int IDS_RECOVERY_DISCARDED = 40919;
constexpr int IDS_RECOVERY_LATER = 40920;

// File names are bytes; shown as text the way the platform decodes them.
QString FromPath(const std::string& path) { return QString::fromLocal8Bit(path.data(), qsizetype(path.size())); }

QString DocumentName(const AutosaveEntry& entry) {
    if (!entry.info.title.empty()) return FromPath(entry.info.title);
    if (!entry.info.path.empty()) return FromPath(std::filesystem::path(entry.info.path).filename().string());
    return FromPath(std::filesystem::path(entry.file).filename().string());
}
}  // namespace

RecoveryDialog::RecoveryDialog(const std::vector<AutosaveEntry>& entries, Restore restore, Discard discard,
                               QWidget* parent)
    : QDialog(parent), m_restore(std::move(restore)), m_discard(std::move(discard)) {
    setObjectName(QStringLiteral("RecoveryDialog"));
    setWindowTitle(ShellText(IDS_RECOVERY_CAPTION));
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    auto* intro = new QLabel(ShellText(IDS_RECOVERY_INTRO), this);
    intro->setWordWrap(true);
    outer->addWidget(intro);

    auto* list = new QWidget;
    auto* grid = new QGridLayout(list);
    for (size_t i = 0; i < entries.size(); ++i) {
        const AutosaveEntry& entry = entries[i];
        const int line = int(i) * 3;
        auto* name = new QLabel(QStringLiteral("<b>%1</b>").arg(DocumentName(entry).toHtmlEscaped()), list);
        QString details;
        if (entry.recoverable) {
            details = entry.info.path.empty() ? ShellText(IDS_RECOVERY_NEVER_SAVED) : FromPath(entry.info.path);
            const QDateTime when = QDateTime::fromSecsSinceEpoch(entry.info.savedAt);
            details += QStringLiteral("\n") +
                       ShellText(IDS_RECOVERY_SAVED_AT).arg(when.toString(QStringLiteral("dd.MM.yyyy HH:mm:ss")));
        } else {
            details = ShellText(IDS_RECOVERY_DAMAGED);
        }
        auto* detailLabel = new QLabel(details, list);
        detailLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
        detailLabel->setWordWrap(true);
        Row row;
        row.restore = new QPushButton(ShellText(IDS_RECOVERY_RESTORE), list);
        row.restore->setObjectName(QStringLiteral("restore%1").arg(i));
        row.restore->setEnabled(entry.recoverable);
        row.discard = new QPushButton(ShellText(IDS_RECOVERY_DISCARD), list);
        row.discard->setObjectName(QStringLiteral("discard%1").arg(i));
        row.state = new QLabel(list);
        row.state->setObjectName(QStringLiteral("state%1").arg(i));
        grid->addWidget(name, line, 0);
        grid->addWidget(detailLabel, line + 1, 0);
        grid->addWidget(row.restore, line, 1);
        grid->addWidget(row.discard, line, 2);
        grid->addWidget(row.state, line + 1, 1, 1, 2);
        if (i + 1 < entries.size()) {
            auto* rule = new QFrame(list);
            rule->setFrameShape(QFrame::HLine);
            grid->addWidget(rule, line + 2, 0, 1, 3);
        }
        connect(row.restore, &QPushButton::clicked, this, [this, i] {
            if (m_restore(i))
                Decided(i, IDS_RECOVERY_RESTORED);
            else {
                m_rows[i].restore->setEnabled(false);
                m_rows[i].state->setText(ShellText(IDS_RECOVERY_DAMAGED));
            }
        });
        connect(row.discard, &QPushButton::clicked, this, [this, i] {
            m_discard(i);
            Decided(i, IDS_RECOVERY_DISCARDED);
        });
        m_rows.push_back(row);
    }
    grid->setColumnStretch(0, 1);
    grid->setRowStretch(int(entries.size()) * 3, 1);  // the rows packed at the top
    auto* scroll = new QScrollArea(this);
    scroll->setWidget(list);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    outer->addWidget(scroll, 1);

    auto* later = new QLabel(ShellText(IDS_RECOVERY_LATER), this);
    later->setWordWrap(true);
    outer->addWidget(later);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* close = buttons->addButton(ShellText(IDS_RECOVERY_CLOSE), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    resize(620, std::min(160 + 90 * int(entries.size()), 600));
}

void RecoveryDialog::Decided(size_t i, int stateText) {
    m_rows[i].restore->setEnabled(false);
    m_rows[i].discard->setEnabled(false);
    m_rows[i].state->setText(ShellText(stateText));
    // Everything decided: nothing left to show.
    for (const Row& row : m_rows)
        if (row.discard->isEnabled()) return;
    accept();
}
