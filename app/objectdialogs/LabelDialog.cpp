#include "app/objectdialogs/LabelDialog.h"

#include "app/ShellTexts.h"
#include "app/objectdialogs/FontChoice.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LabelDialog::LabelDialog(const TextDialogValues& preset, QWidget* parent)
    : ObjectDialog(ShellText(IDS_LABEL_CAPTION), parent),
      m_values(preset),
      m_font(preset.lf),
      m_color(preset.crText),
      m_chooseFont(ChooseFontAndColor) {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ShellText(IDS_LABEL_TEXT), this), 0, 0);
    m_text = dialogs::Named(new QLineEdit(QString::fromStdString(preset.strText), this), ctl::kLabelText);
    grid->addWidget(m_text, 0, 1, 1, 2);
    m_fixAngle = dialogs::Named(new QCheckBox(ShellText(IDS_LABEL_FIX_ANGLE), this), ctl::kFixAngle);
    m_fixAngle->setChecked(preset.bFixedAngle != 0);
    grid->addWidget(m_fixAngle, 1, 0);
    m_angle = dialogs::Named(new QLineEdit(QString::number(preset.nAngle), this), ctl::kLabelAngle);
    grid->addWidget(m_angle, 1, 1);
    auto* fontButton = dialogs::Named(new QPushButton(ShellText(IDS_LABEL_FONT), this), ctl::kFont);
    grid->addWidget(fontButton, 2, 0);
    Body()->addLayout(grid);

    connect(fontButton, &QPushButton::clicked, this, [this] { PickFont(); });
    connect(m_fixAngle, &QCheckBox::toggled, this, [this] { UpdateAngleEdit(); });
    UpdateAngleEdit();
}

void LabelDialog::UpdateAngleEdit() { m_angle->setEnabled(m_fixAngle->isChecked()); }

void LabelDialog::PickFont() {
    LOGFONT font = m_font;
    COLORREF color = m_color;
    m_fontChosen = m_chooseFont(this, font, color);
    if (!m_fontChosen) return;
    m_font = font;
    m_color = color;
}

bool LabelDialog::Validate() {
    // The angle is transferred even while its edit is disabled.
    int angle = 0;
    if (auto refusal = CheckLabelAngle(dialogs::FieldText(m_angle), angle)) {
        ShowRefusal(*refusal);
        return false;
    }
    m_values.strText = dialogs::FieldText(m_text);
    m_values.nAngle = angle;
    m_values.bFixedAngle = m_fixAngle->isChecked() ? 1 : 0;
    m_values.bFontChosen = m_fontChosen;
    if (m_fontChosen) {
        m_values.lf = m_font;
        m_values.crText = m_color;
    }
    return true;
}
