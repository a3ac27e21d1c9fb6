#include "app/objectdialogs/DimensionDialog.h"

#include "app/ShellTexts.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QVBoxLayout>

DimensionDialog::DimensionDialog(const DimensionDialogValues& preset, QWidget* parent)
    : ObjectDialog(ShellText(IDS_DIMENSION_CAPTION), parent), m_values(preset) {
    auto* group = new QGroupBox(ShellText(IDS_DIMENSION_GROUP), this);
    auto* choices = new QVBoxLayout(group);
    const int ids[3] = {ctl::kEdges, ctl::kArea, ctl::kEdgesAndArea};
    const int texts[3] = {IDS_DIMENSION_EDGES, IDS_DIMENSION_AREA, IDS_DIMENSION_EDGES_AND_AREA};
    for (int i = 0; i < 3; ++i) {
        m_choices[i] = dialogs::Named(new QRadioButton(ShellText(texts[i]), group), ids[i]);
        choices->addWidget(m_choices[i]);
    }
    // Only a polygon offers the choice; the rectangle kinds always dimension their area.
    int choice = preset.nChoice >= 0 && preset.nChoice <= 2 ? preset.nChoice : DimensionDialogValues::kArea;
    if (!preset.bForPolygon) {
        choice = DimensionDialogValues::kArea;
        group->setEnabled(false);
    }
    m_choices[choice]->setChecked(true);
    Body()->addWidget(group);

    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(ShellText(IDS_DIMENSION_TEXT_HEIGHT), this));
    m_height = dialogs::Named(new QLabel(QString::fromStdString(preset.strTextHeight), this), ctl::kTextHeight);
    m_height->setTextFormat(Qt::PlainText);
    m_height->setMinimumWidth(m_height->fontMetrics().horizontalAdvance(QStringLiteral("000")));
    row->addWidget(m_height);
    // The bar has no position of its own: it only reports its arrow steps.
    m_scroll = dialogs::Named(new QScrollBar(Qt::Vertical, this), ctl::kHeightScroll);
    m_scroll->setRange(-1, 1);
    m_scroll->setValue(0);
    m_scroll->setFixedHeight(m_height->sizeHint().height() * 2);
    connect(m_scroll, &QScrollBar::actionTriggered, this, [this](int action) {
        if (action == QAbstractSlider::SliderSingleStepSub) StepHeight(+1);  // the up arrow
        if (action == QAbstractSlider::SliderSingleStepAdd) StepHeight(-1);  // the down arrow
        m_scroll->setSliderPosition(0);
    });
    row->addWidget(m_scroll);
    row->addStretch();
    Body()->addLayout(row);
}

void DimensionDialog::StepHeight(int delta) {
    m_height->setText(QString::number(StepTextHeight(m_height->text().toStdString(), delta)));
}

bool DimensionDialog::Validate() {
    const std::string text = m_height->text().toStdString();
    if (auto refusal = CheckTextHeight(text)) {
        ShowRefusal(*refusal);
        return false;
    }
    m_values.strTextHeight = text;
    for (int i = 0; i < 3; ++i)
        if (m_choices[i]->isChecked()) m_values.nChoice = i;
    return true;
}
