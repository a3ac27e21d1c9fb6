#include "app/dialogs/DialogSupport.h"

#include "platform/GdiTypes.h"
#include "platform/Services.h"
#include "view/SettingsDialogs.h"

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>

namespace dialogs {

QString ControlName(int id) { return QStringLiteral("ctl%1").arg(id); }

void ActOnRefusal(const DialogVerdict& verdict, QDialog& dialog) {
    if (verdict.beep) QApplication::beep();
    if (!verdict.message.empty())
        AppServices().messages->MessageBox(verdict.message, verdict.caption, MB_OK | verdict.icon);
    if (verdict.focusControl == 0) return;
    QWidget* control = dialog.findChild<QWidget*>(ControlName(verdict.focusControl));
    if (!control) return;
    control->setFocus(Qt::OtherFocusReason);
    QLineEdit* edit = qobject_cast<QLineEdit*>(control);
    if (auto* combo = qobject_cast<QComboBox*>(control)) edit = combo->lineEdit();
    if (!edit) return;
    if (verdict.selectAll) {
        edit->selectAll();
    } else {
        // No selection, the caret scrolled into view.
        edit->deselect();
        edit->setCursorPosition(edit->cursorPosition());
    }
}

std::string FieldText(const QLineEdit* edit) { return edit->text().toStdString(); }

}  // namespace dialogs
