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

ObjectDialog::ObjectDialog(const QString& caption, QWidget* parent, const QString& okText) : QDialog(parent) {
    setWindowTitle(caption);
    setModal(true);
    auto* outer = new QVBoxLayout(this);
    m_body = new QVBoxLayout;
    outer->addLayout(m_body);
    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(okText, QDialogButtonBox::AcceptRole);
    ok->setObjectName(ControlName(IDOK));
    ok->setDefault(true);
    buttons->addButton(QStringLiteral("Abbruch"), QDialogButtonBox::RejectRole)->setObjectName(ControlName(IDCANCEL));
    connect(buttons, &QDialogButtonBox::accepted, this, &ObjectDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &ObjectDialog::reject);
    outer->addWidget(buttons);
}

QString ObjectDialog::ControlName(int id) { return QStringLiteral("ctl%1").arg(id); }

void ObjectDialog::accept() {
    if (Validate()) QDialog::accept();
}

void ObjectDialog::ShowRefusal(const FieldRefusal& refusal) {
    AppServices().messages->MessageBox(refusal.message, refusal.caption, MB_OK | refusal.icon);
    QWidget* control = findChild<QWidget*>(ControlName(refusal.control));
    if (!control) return;
    control->setFocus(Qt::OtherFocusReason);
    if (auto* edit = qobject_cast<QLineEdit*>(control)) edit->selectAll();
}

std::string LineEditText(const QLineEdit* edit) { return edit->text().toStdString(); }

void ShowColorOnButton(QPushButton* button, COLORREF color) {
    QPixmap swatch(12, 12);
    swatch.fill(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
    button->setIcon(QIcon(swatch));
}
