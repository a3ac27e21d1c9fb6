#include "app/objectdialogs/SymbolDialog.h"

#include "app/ShellTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace {
QString Decimals(float value) { return QString::fromStdString(TwoDecimals(value)); }
}  // namespace

SymbolDialog::SymbolDialog(const SymbolDialogValues& preset, QWidget* parent)
    : ObjectDialog(ShellText(IDS_SYMBOL_CAPTION), parent), m_values(preset) {
    const QString unit = QString::fromStdString(preset.strUnit);
    auto* top = new QGridLayout;
    top->addWidget(new QLabel(ShellText(IDS_SYMBOL_TYPE), this), 0, 0);
    auto* type = dialogs::Named(new QLabel(QString::fromStdString(preset.strType), this), ctl::kSymbolType);
    type->setTextFormat(Qt::PlainText);
    top->addWidget(type, 0, 1);
    top->addWidget(new QLabel(ShellText(IDS_SYMBOL_DESCRIPTION), this), 1, 0, Qt::AlignTop);
    m_note =
        dialogs::Named(new QPlainTextEdit(QString::fromStdString(ToEditLines(preset.strNote)), this), ctl::kSymbolNote);
    m_note->setTabChangesFocus(true);
    top->addWidget(m_note, 1, 1);
    Body()->addLayout(top);

    auto* sizes = new QGroupBox(ShellText(IDS_SYMBOL_SIZES), this);
    auto* sizeGrid = new QGridLayout(sizes);
    sizeGrid->addWidget(new QLabel(ShellText(IDS_SYMBOL_WIDTH), sizes), 0, 0);
    m_width = dialogs::Named(new QLineEdit(Decimals(preset.fWidth), sizes), ctl::kSymbolWidth);
    sizeGrid->addWidget(m_width, 0, 1);
    sizeGrid->addWidget(dialogs::Named(new QLabel(unit, sizes), ctl::kUnitWidth), 0, 2);
    sizeGrid->addWidget(new QLabel(ShellText(IDS_SYMBOL_HEIGHT), sizes), 1, 0);
    m_height = dialogs::Named(new QLineEdit(Decimals(preset.fLength), sizes), ctl::kSymbolHeight);
    sizeGrid->addWidget(m_height, 1, 1);
    sizeGrid->addWidget(dialogs::Named(new QLabel(unit, sizes), ctl::kUnitHeight), 1, 2);
    m_defaultSize = dialogs::Named(new QCheckBox(ShellText(IDS_SYMBOL_DEFAULT_SIZE), sizes), ctl::kDefaultSize);
    m_defaultSize->setChecked(preset.bDefaultSize != 0);
    sizeGrid->addWidget(m_defaultSize, 2, 0, 1, 3);
    Body()->addWidget(sizes);

    auto* angleRow = new QGridLayout;
    angleRow->addWidget(new QLabel(ShellText(IDS_SYMBOL_ANGLE), this), 0, 0);
    m_angle = dialogs::Named(new QLineEdit(Decimals(preset.fAngle), this), ctl::kSymbolAngle);
    angleRow->addWidget(m_angle, 0, 1);
    angleRow->addWidget(new QLabel(ShellText(IDS_SYMBOL_DEGREES), this), 0, 2);
    Body()->addLayout(angleRow);

    auto* place = new QGroupBox(ShellText(IDS_SYMBOL_PLACE), this);
    auto* placeGrid = new QGridLayout(place);
    placeGrid->addWidget(new QLabel(ShellText(IDS_SYMBOL_X_AXIS), place), 0, 0);
    m_x = dialogs::Named(new QLineEdit(Decimals(preset.fX), place), ctl::kSymbolX);
    placeGrid->addWidget(m_x, 0, 1);
    placeGrid->addWidget(dialogs::Named(new QLabel(unit, place), ctl::kUnitX), 0, 2);
    placeGrid->addWidget(new QLabel(ShellText(IDS_SYMBOL_Y_AXIS), place), 1, 0);
    m_y = dialogs::Named(new QLineEdit(Decimals(preset.fY), place), ctl::kSymbolY);
    placeGrid->addWidget(m_y, 1, 1);
    placeGrid->addWidget(dialogs::Named(new QLabel(unit, place), ctl::kUnitY), 1, 2);
    Body()->addWidget(place);

    // Until the box is first ticked, the texts to put back are the opening ones.
    m_savedWidth = m_width->text();
    m_savedHeight = m_height->text();
    connect(m_defaultSize, &QCheckBox::clicked, this, [this] { ApplyDefaultSizeRule(); });
    ApplyDefaultSizeRule();
}

void SymbolDialog::ApplyDefaultSizeRule() {
    const DefaultSizeDisplay display = DefaultSizeFor(m_values.fDefaultLength, m_values.fDefaultWidth);
    if (!display.available) {
        m_defaultSize->setChecked(false);
        m_defaultSize->setEnabled(false);
    }
    const bool useDefault = m_defaultSize->isChecked();
    if (useDefault) {
        // Only typed texts are saved, never the library size already shown.
        if (m_width->isEnabled()) {
            m_savedWidth = m_width->text();
            m_savedHeight = m_height->text();
        }
        m_width->setText(QString::fromStdString(display.widthText));
        m_height->setText(QString::fromStdString(display.lengthText));
    } else if (!m_width->isEnabled()) {
        m_width->setText(m_savedWidth);
        m_height->setText(m_savedHeight);
    }
    m_width->setEnabled(!useDefault);
    m_height->setEnabled(!useDefault);
}

bool SymbolDialog::Validate() {
    const SymbolFieldTexts texts{dialogs::FieldText(m_width), dialogs::FieldText(m_height), dialogs::FieldText(m_angle),
                                 dialogs::FieldText(m_x), dialogs::FieldText(m_y)};
    SymbolDialogValues values = m_values;
    if (auto refusal = CheckSymbolFields(texts, values)) {
        ShowRefusal(*refusal);
        return false;
    }
    values.strNote = FromEditLines(m_note->toPlainText().toStdString(), m_values.strNote);
    values.bDefaultSize = m_defaultSize->isChecked() ? 1 : 0;
    m_values = values;
    return true;
}
