#include "app/dialogs/OriginDialog.h"

#include "app/ShellTexts.h"
#include "app/dialogs/DialogSupport.h"
#include "view/SettingsDialogs.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>

using dialogs::Named;

OriginDialog::OriginDialog(const CArdoDoc& doc, QWidget* parent) : ModalDialog(ShellText(IDS_ORIGIN_CAPTION), parent) {
    const OriginDialogPreset preset = OriginDialogPresetFor(doc);
    const QString unit = QString::fromStdString(preset.unitLabel);
    auto* group = new QGroupBox(ShellText(IDS_ORIGIN_GROUP), this);
    auto* grid = new QGridLayout(group);
    m_editX = Named(new QLineEdit(QString::fromStdString(preset.xText), group), kOriginEditX);
    m_editY = Named(new QLineEdit(QString::fromStdString(preset.yText), group), kOriginEditY);
    grid->addWidget(new QLabel(ShellText(IDS_ORIGIN_X), group), 0, 0);
    grid->addWidget(m_editX, 0, 1);
    grid->addWidget(Named(new QLabel(unit, group), kOriginUnitLabelX), 0, 2);
    grid->addWidget(new QLabel(ShellText(IDS_ORIGIN_Y), group), 1, 0);
    grid->addWidget(m_editY, 1, 1);
    grid->addWidget(Named(new QLabel(unit, group), kOriginUnitLabelY), 1, 2);
    Body()->addWidget(group);
}

bool OriginDialog::Validate() {
    const DialogVerdict verdict = CheckOriginDialog(dialogs::FieldText(m_editX), dialogs::FieldText(m_editY), m_x, m_y);
    if (!verdict.accept) dialogs::ActOnRefusal(verdict, *this);
    return verdict.accept;
}

bool RunOriginDialog(CArdoDoc& doc, QWidget* parent) {
    OriginDialog dialog(doc, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplyOriginDialog(doc, dialog.X(), dialog.Y());
    return true;
}
