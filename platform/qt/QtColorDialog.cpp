#include "platform/qt/QtColorDialog.h"

#include "platform/qt/QtConvert.h"

#include <QApplication>
#include <QColorDialog>

bool QtColorDialog::ChooseColor(COLORREF& inOut) {
    const QColor chosen = QColorDialog::getColor(ToQColor(inOut), QApplication::activeWindow(), QStringLiteral("Farbe"));
    if (!chosen.isValid()) return false;  // cancelled
    inOut = RGB(chosen.red(), chosen.green(), chosen.blue());
    return true;
}
