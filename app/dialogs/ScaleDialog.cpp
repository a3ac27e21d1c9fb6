#include "app/dialogs/ScaleDialog.h"

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
    : ModalDialog(QStringLiteral("Zeichnungsmaßstab"), parent) {
    auto* intro = Named(new QLabel(QStringLiteral(
        "Für das genaue Messen ist der Abbildungsmaßstab des eingelesen Planes notwendig:"), this), kScaleIntroLabel);
    intro->setWordWrap(true);
    Body()->addWidget(intro);

    auto* row = new QHBoxLayout;
    auto* label = new QLabel(QStringLiteral("Maßstab               M 1 :"), this);
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

    auto* group = new QGroupBox(QStringLiteral("Ausgabeeinheit"), this);
    auto* units = new QVBoxLayout(group);
    const char* unitTexts[3] = {"Meter [m]", "Zentimeter [cm]", "Millimeter [mm]"};
    for (int i = 0; i < 3; ++i) {
        m_units[i] = Named(new QRadioButton(QString::fromUtf8(unitTexts[i]), group), kUnitRadioIds[i]);
        units->addWidget(m_units[i]);
    }
    m_units[preset.unitChoice >= 0 && preset.unitChoice < 3 ? preset.unitChoice : 2]->setChecked(true);
    Body()->addWidget(group);

    m_adjust = Named(new QCheckBox(QStringLiteral("Rasterlinien automatisch anpassen"), this), kGridAdjustCheck);
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
