#include "platform/qt/QtColorDialog.h"

#include "platform/StringTable.h"
#include "platform/qt/QtConvert.h"

namespace {
constexpr int IDS_COLOR_CAPTION = 41006;  // "Farbe"
}

#include <QApplication>
#include <QColorDialog>

bool QtColorDialog::ChooseColor(COLORREF& inOut) {
    const QColor chosen = QColorDialog::getColor(ToQColor(inOut), QApplication::activeWindow(),
                                                 QString::fromStdString(LoadString(IDS_COLOR_CAPTION)));
    if (!chosen.isValid()) return false;  // cancelled
    inOut = RGB(chosen.red(), chosen.green(), chosen.blue());
    return true;
}
