#include "app/objectdialogs/ObjectDialog.h"

#include "platform/Services.h"

#include <QColorDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

bool ChooseColorFromBlack(QWidget* parent, COLORREF& inOut) {
    const QColor chosen = QColorDialog::getColor(Qt::black, parent);
    if (!chosen.isValid()) return false;
    inOut = RGB(chosen.red(), chosen.green(), chosen.blue());
    return true;
}

void ObjectDialog::ShowRefusal(const FieldRefusal& refusal) {
    AppServices().messages->MessageBox(refusal.message, refusal.caption, MB_OK | refusal.icon);
    QWidget* control = findChild<QWidget*>(dialogs::ControlName(refusal.control));
    if (!control) return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

void ShowColorOnButton(QPushButton* button, COLORREF color) {
    QPixmap swatch(12, 12);
    swatch.fill(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
    button->setIcon(QIcon(swatch));
}
