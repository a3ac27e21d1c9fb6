// Dialog 125 "Koordinatenursprung festlegen": the point, in the coordinates the readout
// shows now, that becomes the new origin of the readout.
#pragma once

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
