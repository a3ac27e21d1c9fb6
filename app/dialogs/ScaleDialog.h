// The scale dialog "Zeichnungsmaßstab": the drawing scale 1 : n, the output unit and whether the
// grid lines follow a change of scale.
#pragma once

// Control ids of the dialog's own controls (the shared ones are in view/SettingsDialogs.h).
constexpr int kScaleIntroLabel = 162;
constexpr int kUnitMetresRadio = 133;
constexpr int kUnitMillimetresRadio = 134;
constexpr int kUnitCentimetresRadio = 135;
constexpr int kGridAdjustCheck = 177;

#include "app/dialogs/ModalDialog.h"
#include "document/ArdoDoc.h"

class QCheckBox;
class QComboBox;
class QRadioButton;

class ScaleDialog : public ModalDialog {
    Q_OBJECT
public:
    ScaleDialog(const ScaleDialogResult& preset, QWidget* parent = nullptr);

    // The values to hand to the document (valid after OK).
    ScaleDialogResult Result() const;

protected:
    bool Validate() override;

private:
    QComboBox* m_combo = nullptr;
    QRadioButton* m_units[3] = {};
    QCheckBox* m_adjust = nullptr;
    float m_scale = 1.0f;
};

// Runs the dialog for the document and applies it on OK; true when applied. Also the step
// after a plan import.
bool RunScaleDialog(CArdoDoc& doc, QWidget* parent);
