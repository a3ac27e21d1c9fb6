#include "app/objectdialogs/SymbolAttributesDialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

SymbolAttributesDialog::SymbolAttributesDialog(const SymbolAttributeValues& preset, QWidget* parent)
    : ObjectDialog(QStringLiteral("Symbol - Attribute ändern"), parent), m_values(preset) {
    auto* nameRow = new QGridLayout;
    nameRow->addWidget(new QLabel(QStringLiteral("Beschreibungs-Kurztext:"), this), 0, 0);
    m_name = dialogs::Named(new QLineEdit(QString::fromStdString(preset.strDescription), this), ctl::kAttrName);
    nameRow->addWidget(m_name, 0, 1);
    Body()->addLayout(nameRow);

    const SymbolAttributeBoxes boxes = BoxesFromFlags(preset.nFlags);
    auto* flags = new QGroupBox(QStringLiteral("Property Flags"), this);
    auto* flagList = new QVBoxLayout(flags);
    auto box = [&](const char* text, int id, bool checked, bool enabled) {
        auto* check = dialogs::Named(new QCheckBox(QString::fromUtf8(text), flags), id);
        check->setChecked(checked);
        check->setEnabled(enabled);
        flagList->addWidget(check);
        return check;
    };
    m_width = box("Breite darf geändert werden", ctl::kAttrWidth, boxes.width, false);
    m_length = box("Länge darf geändert werden", ctl::kAttrLength, boxes.length, false);
    m_corner = box("Breite und Höhe darf gleichzeitig geändert werden (Eck-Handle)", ctl::kAttrCorner, boxes.corner, true);
    m_rotate = box("Drehen erlaubt", ctl::kAttrRotate, boxes.rotate, false);
    Body()->addWidget(flags);

    auto* size = new QGroupBox(QStringLiteral("Breite und Höhe"), this);
    auto* sizeGrid = new QGridLayout(size);
    m_default = dialogs::Named(new QCheckBox(QStringLiteral("Voreinstellung  verwenden :"), size), ctl::kAttrDefault);
    m_default->setChecked(boxes.defaultSize);
    sizeGrid->addWidget(m_default, 0, 0, 1, 3);
    sizeGrid->addWidget(new QLabel(QStringLiteral("Länge"), size), 1, 0);
    m_lengthMm = dialogs::Named(new QLineEdit(QString::number(preset.nLength), size), ctl::kAttrLengthMm);
    sizeGrid->addWidget(m_lengthMm, 1, 1);
    sizeGrid->addWidget(new QLabel(QStringLiteral("mm"), size), 1, 2);
    sizeGrid->addWidget(new QLabel(QStringLiteral("Breite"), size), 2, 0);
    m_widthMm = dialogs::Named(new QLineEdit(QString::number(preset.nWidth), size), ctl::kAttrWidthMm);
    sizeGrid->addWidget(m_widthMm, 2, 1);
    sizeGrid->addWidget(new QLabel(QStringLiteral("mm"), size), 2, 2);
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
