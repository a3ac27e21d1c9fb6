#include "app/dialogs/ScaleDialog.h"

#include "app/ShellTexts.h"
#include "app/dialogs/DialogSupport.h"
#include "view/SettingsDialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

using dialogs::Named;

namespace {
constexpr int kUnitRadioIds[3] = {kUnitMetresRadio, kUnitCentimetresRadio, kUnitMillimetresRadio};
}  // namespace

ScaleDialog::ScaleDialog(const ScaleDialogResult& preset, QWidget* parent)
    : ModalDialog(ShellText(IDS_SCALE_CAPTION), parent) {
    auto* intro = Named(new QLabel(ShellText(IDS_SCALE_INTRO), this), kScaleIntroLabel);
    intro->setWordWrap(true);
    Body()->addWidget(intro);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(ShellText(IDS_SCALE_LABEL), this);
    label->setTextFormat(Qt::PlainText);
    row->addWidget(label);
    m_combo = Named(new QComboBox(this), kScaleCombo);
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    const ScaleDialogList list = ScaleDialogListFor(preset.scale);
    for (const std::string& item : list.items) m_combo->addItem(QString::fromStdString(item));
    m_combo->setCurrentIndex(list.selected);
    row->addWidget(m_combo);
    Body()->addLayout(row);

    auto* group = new QGroupBox(ShellText(IDS_SCALE_UNIT_GROUP), this);
    auto* units = new QVBoxLayout(group);
    const int unitTexts[3] = {IDS_SCALE_UNIT_METRES, IDS_SCALE_UNIT_CENTIMETRES, IDS_SCALE_UNIT_MILLIMETRES};
    for (int i = 0; i < 3; ++i) {
        m_units[i] = Named(new QRadioButton(ShellText(unitTexts[i]), group), kUnitRadioIds[i]);
        units->addWidget(m_units[i]);
    }
    m_units[preset.unitChoice >= 0 && preset.unitChoice < 3 ? preset.unitChoice : 2]->setChecked(true);
    Body()->addWidget(group);

    m_adjust = Named(new QCheckBox(ShellText(IDS_SCALE_GRID_ADJUST), this), kGridAdjustCheck);
    m_adjust->setChecked(preset.bGridAutoAdjust != 0);
    Body()->addWidget(m_adjust);
}

bool ScaleDialog::Validate() {
    const DialogVerdict verdict = CheckScaleDialog(m_combo->currentText().toStdString(), m_scale);
    if (!verdict.accept) dialogs::ActOnRefusal(verdict, *this);
    return verdict.accept;
}

ScaleDialogResult ScaleDialog::Result() const {
    ScaleDialogResult result;
    result.scale = m_scale;
    result.scaleText = m_combo->currentText().toStdString();
    result.bGridAutoAdjust = m_adjust->isChecked() ? 1 : 0;
    result.unitChoice = m_units[0]->isChecked() ? 0 : m_units[1]->isChecked() ? 1 : 2;
    return result;
}

bool RunScaleDialog(CArdoDoc& doc, QWidget* parent) {
    ScaleDialog dialog(doc.ScaleDialogPreset(), parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    doc.ApplyScaleDialog(dialog.Result());
    return true;
}
