// "Maßlinien": what a measuring object dimensions and the text height of all dimension labels,
// stepped by a scroll bar that wraps within 1 ... 99.
#pragma once

#include "app/objectdialogs/ObjectDialog.h"

class QLabel;
class QRadioButton;
class QScrollBar;

class DimensionDialog : public ObjectDialog {
public:
    explicit DimensionDialog(const DimensionDialogValues& preset, QWidget* parent = nullptr);

    const DimensionDialogValues& Values() const { return m_values; }
    // One scroll bar step: +1 for line-up, -1 for line-down.
    void StepHeight(int delta);

protected:
    bool Validate() override;

private:
    DimensionDialogValues m_values;
    QRadioButton* m_choices[3] = {};
    QLabel* m_height = nullptr;
    QScrollBar* m_scroll = nullptr;
};
