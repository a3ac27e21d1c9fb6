// "Hilfslinien": line width and colour, fill flag and fill colour of a drawing object.
#pragma once

#include "app/objectdialogs/ObjectDialog.h"

class QCheckBox;

class LineFillDialog : public ObjectDialog {
public:
    explicit LineFillDialog(const LineFillValues& preset, QWidget* parent = nullptr);

    // The values as accepted (the preset until OK succeeds).
    const LineFillValues& Values() const { return m_values; }
    // Replaces the platform colour dialog (tests).
    void SetColorChooser(ColorChooser chooser) { m_chooseColor = std::move(chooser); }

protected:
    bool Validate() override;

private:
    void PickColor(COLORREF& color, QPushButton* button);
    void UpdateFillButton();

    LineFillValues m_values;
    COLORREF m_lineColor = 0;
    COLORREF m_fillColor = 0;
    ColorChooser m_chooseColor = ChooseColorFromBlack;
    QLineEdit* m_width = nullptr;
    QPushButton* m_lineColorButton = nullptr;
    QCheckBox* m_useFill = nullptr;
    QPushButton* m_fillColorButton = nullptr;
};
