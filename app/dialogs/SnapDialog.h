// The snap dialog "Fangraster": snap on or off and the distance of the snap points in mm.
#pragma once

#include "app/dialogs/ModalDialog.h"

class CArdoDoc;
class QCheckBox;
class QLineEdit;

class SnapDialog : public ModalDialog {
    Q_OBJECT
public:
    SnapDialog(const CArdoDoc& doc, QWidget* parent = nullptr);

    bool Snap() const;
    unsigned Spacing() const { return m_spacing; }

protected:
    bool Validate() override;

private:
    QCheckBox* m_check = nullptr;
    QLineEdit* m_edit = nullptr;
    unsigned m_spacing = 0;
};

// Runs the dialog and stores both values on OK (no redraw, not marked modified).
bool RunSnapDialog(CArdoDoc& doc, QWidget* parent);
