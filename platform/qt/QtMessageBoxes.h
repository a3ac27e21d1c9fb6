// Message boxes as QMessageBox: the style's buttons and icon, the answer as IDOK, IDCANCEL,
// IDYES or IDNO. The mapping functions are separate so they can be checked without a box.
#pragma once

#include "platform/Services.h"

#include <QMessageBox>
#include <QPointer>
#include <QString>

class QWidget;

// The buttons of MB_OK, MB_OKCANCEL, MB_YESNO and MB_YESNOCANCEL (others give OK).
QMessageBox::StandardButtons MessageBoxButtons(unsigned type);
// The first button, which is the default one.
QMessageBox::StandardButton MessageBoxDefaultButton(unsigned type);
// The icon of the MB_ICON... flag; no flag gives no icon.
QMessageBox::Icon MessageBoxIcon(unsigned type);
// The answer for the button pressed. A box closed without a button (Escape, the window's
// close button) answers as its cancelling button would: IDCANCEL where there is one,
// IDNO for a yes/no box, IDOK for a box with OK alone.
int MessageBoxAnswer(QMessageBox::StandardButton pressed, unsigned type);

class QtMessageBoxes : public IMessageBoxes {
public:
    explicit QtMessageBoxes(QWidget* parent = nullptr) : m_parent(parent) {}

    // Shows a modal box over the parent window. An empty caption takes the application's
    // display name.
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;

    void SetParent(QWidget* parent) { m_parent = parent; }

private:
    QPointer<QWidget> m_parent;
};
