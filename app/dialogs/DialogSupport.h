// What the document dialogs share: acting on the verdict of a dialog check (beep, message,
// focus) and naming controls by their numeric ids so checks and tests can find them.
#pragma once

#include <QString>

#include <string>

struct DialogVerdict;
class QDialog;
class QLineEdit;
class QWidget;

namespace dialogs {

// The object name of the control with a numeric id, e.g. "ctl140".
QString ControlName(int id);
// Gives a widget the object name of its control id and returns it.
template <class W>
W* Named(W* widget, int id) {
    widget->setObjectName(ControlName(id));
    return widget;
}

// Carries out a refusal: the beep, the message box (caption as given, empty for the
// application's title), then the focus on the control named in the verdict, with its text
// selected or with the caret shown and no selection.
void ActOnRefusal(const DialogVerdict& verdict, QDialog& dialog);

// The text of an edit as the dialog reads it, UTF-8.
std::string FieldText(const QLineEdit* edit);

}  // namespace dialogs
