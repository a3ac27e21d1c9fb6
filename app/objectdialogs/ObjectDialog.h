// Base of the object property dialogs: a modal dialog with its caption, the dialog's own
// controls above an "OK" / "Abbruch" row, and an OK that closes only when the dialog's check
// accepts. Refusals show their message box and put the focus on the field concerned.
#pragma once

#include "app/objectdialogs/ObjectDialogChecks.h"
#include "platform/GdiTypes.h"

#include <QBoxLayout>
#include <QDialog>
#include <QString>

#include <functional>


class QLineEdit;
class QPushButton;

// Picks a colour; true with the choice in inOut, false when cancelled.
using ColorChooser = std::function<bool(QWidget* parent, COLORREF& inOut)>;
// The platform colour dialog, starting from black.
bool ChooseColorFromBlack(QWidget* parent, COLORREF& inOut);

class ObjectDialog : public QDialog {
public:
    ObjectDialog(const QString& caption, QWidget* parent, const QString& okText = QStringLiteral("OK"));

    // OK: closes only when Validate() accepts.
    void accept() override;

    // The object name of the control with a numeric id, "ctl<id>".
    static QString ControlName(int id);

protected:
    // Checks the fields and takes their values; false when refused (after ShowRefusal).
    virtual bool Validate() = 0;
    // Shows the refusal's message box and focuses its control with the text selected.
    void ShowRefusal(const FieldRefusal& refusal);
    QBoxLayout* Body() const { return m_body; }

    template <class W>
    static W* Named(W* widget, int id) {
        widget->setObjectName(ControlName(id));
        return widget;
    }

private:
    QBoxLayout* m_body = nullptr;
};

// Text of a line edit as UTF-8.
std::string LineEditText(const QLineEdit* edit);
// Shows a colour as a small square on a button beside its text.
void ShowColorOnButton(QPushButton* button, COLORREF color);
