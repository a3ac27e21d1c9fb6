#include "platform/qt/QtTextMeasure.h"

#include "platform/qt/QtConvert.h"

#include <QFontMetricsF>

#include <cmath>

CSize QtTextMeasure::GetTextExtent(const LOGFONT& font, const std::string& utf8) {
    const QFontMetricsF metrics(ToQFont(font));
    return {int(std::lround(metrics.horizontalAdvance(ToQString(utf8)))),
            int(std::lround(metrics.ascent() + metrics.descent()))};
}
