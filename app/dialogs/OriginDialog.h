// The origin dialog "Koordinatenursprung festlegen": the point, in the coordinates the readout
// shows now, that becomes the new origin of the readout.
#pragma once

// Control ids of the unit labels beside the edits (the edits are in view/SettingsDialogs.h).
constexpr int kOriginUnitLabelX = 138;
constexpr int kOriginUnitLabelY = 139;

#include "app/dialogs/ModalDialog.h"

class CArdoDoc;
class QLineEdit;

class OriginDialog : public ModalDialog {
    Q_OBJECT
public:
    OriginDialog(const CArdoDoc& doc, QWidget* parent = nullptr);

    float X() const { return m_x; }
    float Y() const { return m_y; }

protected:
    bool Validate() override;

private:
    QLineEdit* m_editX = nullptr;
    QLineEdit* m_editY = nullptr;
    float m_x = 0.0f;
    float m_y = 0.0f;
};

// Runs the dialog and moves the readout's origin on OK (nothing is redrawn).
bool RunOriginDialog(CArdoDoc& doc, QWidget* parent);
