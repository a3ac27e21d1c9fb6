// The grid dialog "Rasterlinien einrichten": the grid line spacings in the display unit and the
// grid colour.
#pragma once

// Control ids of the dialog's own controls (the edits are in view/SettingsDialogs.h).
constexpr int kGridUnitLabelX = 142;
constexpr int kGridUnitLabelY = 143;
constexpr int kGridColorButton = 144;

#include "app/dialogs/ModalDialog.h"
#include "platform/GdiTypes.h"

class CArdoDoc;
class QLineEdit;

class GridDialog : public ModalDialog {
    Q_OBJECT
public:
    GridDialog(const CArdoDoc& doc, QWidget* parent = nullptr);

    // The accepted values (valid after OK).
    float SpacingX() const { return m_x; }
    float SpacingY() const { return m_y; }
    COLORREF Color() const { return m_color; }
    void SetColor(COLORREF color) { m_color = color; }

protected:
    bool Validate() override;

private:
    void ChooseColor();

    QLineEdit* m_editX = nullptr;
    QLineEdit* m_editY = nullptr;
    float m_x = 0.0f;
    float m_y = 0.0f;
    COLORREF m_color = 0;
};

// Runs the dialog for the document and applies it on OK; true when applied.
bool RunGridDialog(CArdoDoc& doc, QWidget* parent);
