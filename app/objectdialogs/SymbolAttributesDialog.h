// "Symbol - Attribute ändern": name, property flags and default size of a library symbol.
#pragma once

#include "app/objectdialogs/ObjectDialog.h"

class QCheckBox;

class SymbolAttributesDialog : public ObjectDialog {
public:
    explicit SymbolAttributesDialog(const SymbolAttributeValues& preset, QWidget* parent = nullptr);

    const SymbolAttributeValues& Values() const { return m_values; }

protected:
    bool Validate() override;

private:
    // While the default size is used, the corner handle cannot scale the symbol.
    void UpdateCornerBox();

    SymbolAttributeValues m_values;
    QLineEdit* m_name = nullptr;
    QCheckBox* m_width = nullptr;
    QCheckBox* m_length = nullptr;
    QCheckBox* m_corner = nullptr;
    QCheckBox* m_rotate = nullptr;
    QCheckBox* m_default = nullptr;
    QLineEdit* m_lengthMm = nullptr;
    QLineEdit* m_widthMm = nullptr;
};
