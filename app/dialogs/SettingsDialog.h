// Base of the document settings dialogs: a modal dialog with "OK" and "Abbruch" whose OK
// runs the dialog's check first and stays open when the check refuses.
#pragma once

#include <QDialog>

class QBoxLayout;

class SettingsDialog : public QDialog {
    Q_OBJECT
public:
    SettingsDialog(const QString& caption, QWidget* parent);

    // OK: closes only when Validate() accepts.
    void accept() override;

protected:
    // Checks the fields; on refusal it has shown what the user must see and returns false.
    virtual bool Validate() = 0;
    // The layout that takes the dialog's own controls, above the buttons.
    QBoxLayout* Body() const { return m_body; }

private:
    QBoxLayout* m_body = nullptr;
};
