#include "app/objectdialogs/AddSymbolDialog.h"

#include "app/ShellTexts.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

namespace {
// A drop-down list with nothing chosen (-1) unless the index is one of its entries.
// The entries are the count strings from firstString on.
QComboBox* DropDown(QWidget* parent, int firstString, int count, int selected) {
    auto* combo = new QComboBox(parent);
    for (int i = 0; i < count; ++i) combo->addItem(ShellText(firstString + i));
    combo->setCurrentIndex(selected >= 0 && selected < count ? selected : -1);
    return combo;
}
}  // namespace

AddSymbolDialog::AddSymbolDialog(const AddSymbolValues& preset, QWidget* parent)
    : ObjectDialog(ShellText(IDS_ADD_SYMBOL_CAPTION), parent, ShellText(IDS_ADD_SYMBOL_OK)), m_values(preset) {
    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(ShellText(IDS_ADD_SYMBOL_CLASS), this), 0, 0);
    m_group = dialogs::Named(DropDown(this, IDS_FIRST_ROOM_GROUP, kRoomGroupCount, preset.nGroup), ctl::kAddGroup);
    grid->addWidget(m_group, 0, 1);
    m_class = dialogs::Named(DropDown(this, IDS_FIRST_SYMBOL_CLASS, kSymbolClassCount, preset.nClass), ctl::kAddClass);
    m_class->setEnabled(false);
    grid->addWidget(m_class, 1, 1);
    grid->addWidget(new QLabel(ShellText(IDS_SHORT_DESCRIPTION_LABEL), this), 2, 0);
    m_name = dialogs::Named(new QLineEdit(QString::fromStdString(preset.strName), this), ctl::kAddName);
    grid->addWidget(m_name, 2, 1);
    Body()->addLayout(grid);
}

bool AddSymbolDialog::Validate() {
    m_values.nGroup = m_group->currentIndex();
    m_values.nClass = m_class->currentIndex();
    m_values.strName = dialogs::FieldText(m_name);
    return true;
}
