// LOGFONT to QFont and the small value conversions.
#include "platform/qt/QtConvert.h"

#include "platform/Win1252.h"

#include <QFontMetricsF>

#include <algorithm>
#include <cmath>
#include <cstdlib>

QColor ToQColor(COLORREF c) { return QColor(GetRValue(c), GetGValue(c), GetBValue(c)); }

namespace {

constexpr int kReferencePixels = 1000;

QFont BaseFont(const LOGFONT& lf) {
    std::string face = Win1252ToUtf8(lf.FaceName());
    if (face.empty()) face = "Arial";
    QFont font(QString::fromStdString(face));
    const int weight = lf.lfWeight <= 0 ? FW_NORMAL : std::min(lf.lfWeight, 1000);
    font.setWeight(QFont::Weight(weight));
    font.setItalic(lf.lfItalic != 0);
    font.setUnderline(lf.lfUnderline != 0);
    font.setStrikeOut(lf.lfStrikeOut != 0);
    font.setKerning(false);  // advances add up as they do in the measured extents
    return font;
}

// Cell height per em of the face, measured once at a large size for precision.
double CellPerEm(QFont font) {
    font.setPixelSize(kReferencePixels);
    const QFontMetricsF m(font);
    const double cell = m.ascent() + m.descent();
    return cell > 0 ? cell / kReferencePixels : 1.0;
}

// Average character width per em of the face.
double AverageWidthPerEm(QFont font) {
    font.setPixelSize(kReferencePixels);
    const QFontMetricsF m(font);
    const double avg = m.averageCharWidth();
    return avg > 0 ? avg / kReferencePixels : 0.5;
}

}  // namespace

QFont ToQFont(const LOGFONT& lf) {
    QFont font = BaseFont(lf);
    int em = kDefaultFontPixels;
    if (lf.lfHeight < 0) {
        em = lf.lfHeight == INT32_MIN ? INT32_MAX : -lf.lfHeight;
    } else if (lf.lfHeight > 0) {
        em = int(std::lround(lf.lfHeight / CellPerEm(font)));
    }
    // Qt refuses pixel sizes below 1 and glyph caches explode far above the screen size.
    em = std::clamp(em, 1, 32767);
    font.setPixelSize(em);
    if (lf.lfWidth != 0) {
        const double natural = AverageWidthPerEm(font) * em;
        const double stretch = std::abs(double(lf.lfWidth)) / natural * 100.0;
        font.setStretch(std::clamp(int(std::lround(stretch)), 1, 4000));
    }
    return font;
}
