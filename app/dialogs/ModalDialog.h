// Base of the program's modal dialogs: the caption, the dialog's own controls above an OK /
// "Abbruch" row, and an OK that runs the dialog's check first and stays open when the check
// refuses. The buttons are named after their ids 1 and 2 (dialogs::ControlName).
#pragma once

#include <QDialog>
#include <QString>

class QBoxLayout;

class ModalDialog : public QDialog {
    Q_OBJECT
public:
    // An empty okText gives the button its usual "OK".
    ModalDialog(const QString& caption, QWidget* parent, const QString& okText = QString());

    // OK: closes only when Validate() accepts.
    void accept() override;

protected:
    // Checks the fields; on refusal it has shown what the user must see and returns false.
    virtual bool Validate() = 0;
    // The layout that takes the dialog's own controls, above the buttons.
    QBoxLayout* Body() const { return m_body; }
    // On opening, the first of the dialog's own controls takes the focus (a field with its
    // text selected), so that what the user types at once lands there and not on OK.
    void showEvent(QShowEvent* event) override;

private:
    QBoxLayout* m_body = nullptr;
    QWidget* m_buttons = nullptr;
};
