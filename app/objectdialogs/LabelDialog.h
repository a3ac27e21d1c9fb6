// "Beschriftung": the text of a label, its fixed angle, and the font and colour for labels.
#pragma once

#include "app/objectdialogs/ObjectDialog.h"

class QCheckBox;

// Picks a font and its colour; true with the choice in lf and color, false when cancelled.
using FontChooser = std::function<bool(QWidget* parent, LOGFONT& lf, COLORREF& color)>;

class LabelDialog : public ObjectDialog {
public:
    explicit LabelDialog(const TextDialogValues& preset, QWidget* parent = nullptr);

    const TextDialogValues& Values() const { return m_values; }
    // Replaces the font dialog (tests).
    void SetFontChooser(FontChooser chooser) { m_chooseFont = std::move(chooser); }

protected:
    bool Validate() override;

private:
    void PickFont();
    void UpdateAngleEdit();

    TextDialogValues m_values;
    LOGFONT m_font{};
    COLORREF m_color = 0;
    bool m_fontChosen = false;
    FontChooser m_chooseFont;
    QLineEdit* m_text = nullptr;
    QCheckBox* m_fixAngle = nullptr;
    QLineEdit* m_angle = nullptr;
};
