// The About box: the program icon, "Kovel      Version 2.31" and OK.
#pragma once

class QDialog;
class QWidget;

// The dialog, not yet shown (tests look at it; the command runs it modally).
QDialog* CreateAboutBox(QWidget* parent);
void ShowAboutBox(QWidget* parent);
