// "Symbol hinzufügen": the room group and name under which the selection is stored as a new
// library symbol. The class list is shown but not offered.
#pragma once

#include "app/objectdialogs/ObjectDialog.h"

class QComboBox;

class AddSymbolDialog : public ObjectDialog {
public:
    explicit AddSymbolDialog(const AddSymbolValues& preset, QWidget* parent = nullptr);

    const AddSymbolValues& Values() const { return m_values; }

protected:
    bool Validate() override;

private:
    AddSymbolValues m_values;
    QComboBox* m_group = nullptr;
    QComboBox* m_class = nullptr;
    QLineEdit* m_name = nullptr;
};
