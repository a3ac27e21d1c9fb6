// "Einrichtungsgegenstand": description, size, position and angle of a furniture symbol, with
// the choice of the library's default size.
#pragma once

#include "app/objectdialogs/ObjectDialog.h"

class QCheckBox;
class QPlainTextEdit;

class SymbolDialog : public ObjectDialog {
public:
    explicit SymbolDialog(const SymbolDialogValues& preset, QWidget* parent = nullptr);

    const SymbolDialogValues& Values() const { return m_values; }

protected:
    bool Validate() override;

private:
    // Shows the library size in place of the typed one while "Standardwerte verwenden" is
    // ticked, and puts the typed size back when it is cleared.
    void ApplyDefaultSizeRule();

    SymbolDialogValues m_values;
    QString m_savedWidth, m_savedHeight;
    QPlainTextEdit* m_note = nullptr;
    QLineEdit* m_width = nullptr;
    QLineEdit* m_height = nullptr;
    QCheckBox* m_defaultSize = nullptr;
    QLineEdit* m_angle = nullptr;
    QLineEdit* m_x = nullptr;
    QLineEdit* m_y = nullptr;
};
