// Base of the object property dialogs: a modal dialog (ModalDialog) whose refusals show their
// message box and put the focus on the field concerned; and small helpers they share.
#pragma once

#include "app/dialogs/DialogSupport.h"
#include "app/dialogs/ModalDialog.h"
#include "app/objectdialogs/ObjectDialogChecks.h"
#include "platform/GdiTypes.h"

#include <QBoxLayout>
#include <QString>

#include <functional>

class QLineEdit;
class QPushButton;

// Picks a colour; true with the choice in inOut, false when cancelled.
using ColorChooser = std::function<bool(QWidget* parent, COLORREF& inOut)>;
// The platform colour dialog, starting from black.
bool ChooseColorFromBlack(QWidget* parent, COLORREF& inOut);

class ObjectDialog : public ModalDialog {
public:
    using ModalDialog::ModalDialog;

protected:
    // Shows the refusal's message box and focuses its control with the text selected.
    void ShowRefusal(const FieldRefusal& refusal);
};

// Shows a colour as a small square on a button beside its text.
void ShowColorOnButton(QPushButton* button, COLORREF color);
