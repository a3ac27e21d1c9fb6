#include "app/dialogs/GridDialog.h"

#include "app/ShellTexts.h"
#include "app/dialogs/DialogSupport.h"
#include "platform/Services.h"
#include "platform/qt/QtConvert.h"
#include "view/SettingsDialogs.h"

#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using dialogs::Named;

GridDialog::GridDialog(const CArdoDoc& doc, QWidget* parent) : ModalDialog(ShellText(IDS_GRID_CAPTION), parent) {
    const GridDialogPreset preset = GridDialogPresetFor(doc);
    m_color = preset.color;

    auto* grid = new QGridLayout;
    m_editX = Named(new QLineEdit(QString::fromStdString(preset.xText), this), kGridEditX);
    m_editY = Named(new QLineEdit(QString::fromStdString(preset.yText), this), kGridEditY);
    const QString unit = QString::fromStdString(preset.unitLabel);
    grid->addWidget(new QLabel(ShellText(IDS_GRID_VERTICAL), this), 0, 0);
    grid->addWidget(m_editX, 0, 1);
    grid->addWidget(Named(new QLabel(unit, this), kGridUnitLabelX), 0, 2);
    grid->addWidget(new QLabel(ShellText(IDS_GRID_HORIZONTAL), this), 1, 0);
    grid->addWidget(m_editY, 1, 1);
    grid->addWidget(Named(new QLabel(unit, this), kGridUnitLabelY), 1, 2);
    auto* color = Named(new QPushButton(ShellText(IDS_COLOR_BUTTON), this), kGridColorButton);
    color->setAutoDefault(false);
    connect(color, &QPushButton::clicked, this, &GridDialog::ChooseColor);
    grid->addWidget(color, 2, 1);
    Body()->addLayout(grid);
}

void GridDialog::ChooseColor() {
    const QColor chosen = QColorDialog::getColor(ToQColor(m_color), this);
    if (chosen.isValid()) m_color = RGB(chosen.red(), chosen.green(), chosen.blue());
}

bool GridDialog::Validate() {
    const DialogVerdict verdict = CheckGridDialog(dialogs::FieldText(m_editX), dialogs::FieldText(m_editY), m_x, m_y);
    if (!verdict.accept) dialogs::ActOnRefusal(verdict, *this);
    return verdict.accept;
}

bool RunGridDialog(CArdoDoc& doc, QWidget* parent) {
    GridDialog dialog(doc, parent);
    if (dialog.exec() != QDialog::Accepted) return false;
    ApplyGridDialog(doc, dialog.SpacingX(), dialog.SpacingY(), dialog.Color(), *AppServices().settings);
    return true;
}
