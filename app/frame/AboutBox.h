// The About box: the program icon, "Kovel      Version 2.31" and OK.
#pragma once

#include <memory>

class QDialog;
class QWidget;

// The dialog, not yet shown (tests look at it; the command runs it modally).
std::unique_ptr<QDialog> CreateAboutBox(QWidget* parent);
void ShowAboutBox(QWidget* parent);
