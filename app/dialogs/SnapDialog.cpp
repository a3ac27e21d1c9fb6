#include "app/dialogs/SnapDialog.h"

#include "app/ShellTexts.h"
#include "app/dialogs/DialogSupport.h"
#include "view/SettingsDialogs.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

using dialogs::Named;

SnapDialog::SnapDialog(const CArdoDoc& doc, QWidget* parent) : ModalDialog(ShellText(IDS_SNAP_CAPTION), parent) {
    const SnapDialogPreset preset = SnapDialogPresetFor(doc);
    m_check = Named(new QCheckBox(ShellText(IDS_SNAP_ON), this), kSnapCheck);
    m_check->setChecked(preset.snap);
    m_edit = Named(new QLineEdit(QString::fromStdString(preset.spacingText), this), kSnapEdit);

    auto* grid = new QGridLayout;
    grid->addWidget(m_check, 0, 0, 1, 3);
    grid->addWidget(new QLabel(ShellText(IDS_SNAP_SPACING), this), 1, 0);
    grid->addWidget(m_edit, 1, 1);
    grid->addWidget(new QLabel(ShellText(IDS_UNIT_MM), this), 1, 2);
    Body()->addLayout(grid);
}

bool SnapDialog::Snap() const { return m_check->isChecked(); }

bool SnapDialog::Validate() {
    const DialogVerdict verdict = CheckSnapDialog(dialogs::FieldText(m_edit), m_spacing);
    if (!verdict.accept) dialogs::ActOnRefusal(verdict, *this);
    return verdict.accept;
}

bool RunSnapDialog(CArdoDoc& doc, QWidget* parent) {
    SnapDialog dialog(doc, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplySnapDialog(doc, dialog.Snap(), dialog.Spacing());
    return true;
}
