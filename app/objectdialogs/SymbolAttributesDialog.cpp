#include "app/objectdialogs/SymbolAttributesDialog.h"

#include "app/ShellTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SymbolAttributesDialog::SymbolAttributesDialog(const SymbolAttributeValues& preset, QWidget* parent)
    : ObjectDialog(ShellText(IDS_ATTRIBUTES_CAPTION), parent), m_values(preset) {
    auto* nameRow = new QGridLayout;
    nameRow->addWidget(new QLabel(ShellText(IDS_SHORT_DESCRIPTION_LABEL), this), 0, 0);
    m_name = dialogs::Named(new QLineEdit(QString::fromStdString(preset.strDescription), this), ctl::kAttrName);
    nameRow->addWidget(m_name, 0, 1);
    Body()->addLayout(nameRow);

    const SymbolAttributeBoxes boxes = BoxesFromFlags(preset.nFlags);
    auto* flags = new QGroupBox(ShellText(IDS_ATTRIBUTES_FLAGS), this);
    auto* flagList = new QVBoxLayout(flags);
    auto box = [&](int text, int id, bool checked, bool enabled) {
        auto* check = dialogs::Named(new QCheckBox(ShellText(text), flags), id);
        check->setChecked(checked);
        check->setEnabled(enabled);
        flagList->addWidget(check);
        return check;
    };
    m_width = box(IDS_ATTRIBUTES_WIDTH_CHANGES, ctl::kAttrWidth, boxes.width, false);
    m_length = box(IDS_ATTRIBUTES_LENGTH_CHANGES, ctl::kAttrLength, boxes.length, false);
    m_corner = box(IDS_ATTRIBUTES_CORNER_CHANGES, ctl::kAttrCorner, boxes.corner, true);
    m_rotate = box(IDS_ATTRIBUTES_ROTATES, ctl::kAttrRotate, boxes.rotate, false);
    Body()->addWidget(flags);

    auto* size = new QGroupBox(ShellText(IDS_ATTRIBUTES_SIZE), this);
    auto* sizeGrid = new QGridLayout(size);
    m_default = dialogs::Named(new QCheckBox(ShellText(IDS_ATTRIBUTES_DEFAULT), size), ctl::kAttrDefault);
    m_default->setChecked(boxes.defaultSize);
    sizeGrid->addWidget(m_default, 0, 0, 1, 3);
    sizeGrid->addWidget(new QLabel(ShellText(IDS_ATTRIBUTES_LENGTH), size), 1, 0);
    m_lengthMm = dialogs::Named(new QLineEdit(QString::number(preset.nLength), size), ctl::kAttrLengthMm);
    sizeGrid->addWidget(m_lengthMm, 1, 1);
    sizeGrid->addWidget(new QLabel(ShellText(IDS_UNIT_MM), size), 1, 2);
    sizeGrid->addWidget(new QLabel(ShellText(IDS_ATTRIBUTES_WIDTH), size), 2, 0);
    m_widthMm = dialogs::Named(new QLineEdit(QString::number(preset.nWidth), size), ctl::kAttrWidthMm);
    sizeGrid->addWidget(m_widthMm, 2, 1);
    sizeGrid->addWidget(new QLabel(ShellText(IDS_UNIT_MM), size), 2, 2);
    Body()->addWidget(size);

    connect(m_default, &QCheckBox::clicked, this, [this] { UpdateCornerBox(); });
    UpdateCornerBox();
}

void SymbolAttributesDialog::UpdateCornerBox() {
    if (m_default->isChecked()) m_corner->setChecked(false);
    m_corner->setEnabled(!m_default->isChecked());
}

bool SymbolAttributesDialog::Validate() {
    SymbolAttributeBoxes boxes;
    boxes.length = m_length->isChecked();
    boxes.width = m_width->isChecked();
    boxes.corner = m_corner->isChecked();
    boxes.rotate = m_rotate->isChecked();
    boxes.defaultSize = m_default->isChecked();
    SymbolAttributeValues values = m_values;
    if (auto refusal = ApplySymbolAttributes(dialogs::FieldText(m_name), boxes, dialogs::FieldText(m_lengthMm),
                                             dialogs::FieldText(m_widthMm), values)) {
        ShowRefusal(*refusal);
        return false;
    }
    m_values = values;
    return true;
}
