#include "app/dialogs/ModalDialog.h"

#include "app/ShellTexts.h"
#include "app/dialogs/DialogSupport.h"

#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace {
constexpr int kOkId = 1;
constexpr int kCancelId = 2;
}  // namespace

ModalDialog::ModalDialog(const QString& caption, QWidget* parent, const QString& okText) : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    m_body = new QVBoxLayout;
    outer->addLayout(m_body);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok =
        buttons->addButton(okText.isEmpty() ? ShellText(IDS_OK_BUTTON) : okText, QDialogButtonBox::AcceptRole);
    ok->setObjectName(dialogs::ControlName(kOkId));
    ok->setDefault(true);
    buttons->addButton(ShellText(IDS_CANCEL_BUTTON), QDialogButtonBox::RejectRole)
        ->setObjectName(dialogs::ControlName(kCancelId));
    connect(buttons, &QDialogButtonBox::accepted, this, &ModalDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ModalDialog::reject);
    outer->addWidget(buttons);
    m_buttons = buttons;
}

void ModalDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    // The buttons were made first, so they lead the focus chain: skip them.
    for (QWidget* w = nextInFocusChain(); w && w != this; w = w->nextInFocusChain()) {
        if (m_buttons->isAncestorOf(w) || !(w->focusPolicy() & Qt::TabFocus) || !w->isEnabled() ||
            !w->isVisibleTo(this))
            continue;
        w->setFocus(Qt::TabFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(w)) edit->selectAll();
        return;
    }
}

void ModalDialog::accept() {
    if (Validate()) QDialog::accept();
}
