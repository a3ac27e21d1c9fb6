#include "app/objectdialogs/LineFillDialog.h"

#include "app/ShellTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

LineFillDialog::LineFillDialog(const LineFillValues& preset, QWidget* parent)
    : ObjectDialog(ShellText(IDS_LINE_FILL_CAPTION), parent),
      m_values(preset),
      m_lineColor(preset.lineColor),
      m_fillColor(preset.fillColor) {
    auto* border = new QGroupBox(ShellText(IDS_LINE_FILL_BORDER), this);
    auto* borderGrid = new QGridLayout(border);
    borderGrid->addWidget(new QLabel(ShellText(IDS_LINE_FILL_THICKNESS), border), 0, 0);
    m_width = dialogs::Named(new QLineEdit(QString::number(preset.lineWidth), border), ctl::kLineWidth);
    borderGrid->addWidget(m_width, 0, 1);
    borderGrid->addWidget(new QLabel(ShellText(IDS_LINE_FILL_HUNDREDTHS), border), 0, 2);
    m_lineColorButton = dialogs::Named(new QPushButton(ShellText(IDS_COLOR_BUTTON), border), ctl::kLineColor);
    borderGrid->addWidget(m_lineColorButton, 1, 0, 1, 3);
    Body()->addWidget(border);

    auto* area = new QGroupBox(ShellText(IDS_LINE_FILL_AREA), this);
    auto* areaGrid = new QGridLayout(area);
    m_useFill = dialogs::Named(new QCheckBox(ShellText(IDS_LINE_FILL_USE_FILL), area), ctl::kUseFill);
    m_useFill->setChecked(preset.bFill != 0);
    areaGrid->addWidget(m_useFill, 0, 0);
    m_fillColorButton = dialogs::Named(new QPushButton(ShellText(IDS_COLOR_BUTTON), area), ctl::kFillColor);
    areaGrid->addWidget(m_fillColorButton, 1, 0);
    Body()->addWidget(area);

    ShowColorOnButton(m_lineColorButton, m_lineColor);
    ShowColorOnButton(m_fillColorButton, m_fillColor);
    connect(m_lineColorButton, &QPushButton::clicked, this, [this] { PickColor(m_lineColor, m_lineColorButton); });
    connect(m_fillColorButton, &QPushButton::clicked, this, [this] { PickColor(m_fillColor, m_fillColorButton); });
    connect(m_useFill, &QCheckBox::toggled, this, [this] { UpdateFillButton(); });
    UpdateFillButton();
}

void LineFillDialog::PickColor(COLORREF& color, QPushButton* button) {
    COLORREF chosen = color;
    if (!m_chooseColor(this, chosen)) return;
    color = chosen;
    ShowColorOnButton(button, color);
}

void LineFillDialog::UpdateFillButton() { m_fillColorButton->setEnabled(m_useFill->isChecked()); }

bool LineFillDialog::Validate() {
    int width = 0;
    if (auto refusal = CheckLineWidth(dialogs::FieldText(m_width), width)) {
        ShowRefusal(*refusal);
        return false;
    }
    m_values.lineWidth = width;
    m_values.lineColor = m_lineColor;
    m_values.fillColor = m_fillColor;
    m_values.bFill = m_useFill->isChecked() ? 1 : 0;
    return true;
}
