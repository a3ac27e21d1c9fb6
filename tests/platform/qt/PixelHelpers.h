// Pixel inspection for the painter tests.
#pragma once

#include "platform/GdiTypes.h"

#include <QImage>
#include <QRect>

inline bool IsColor(const QImage& img, int x, int y, COLORREF c) {
    const QRgb p = img.pixel(x, y);
    return qRed(p) == GetRValue(c) && qGreen(p) == GetGValue(c) && qBlue(p) == GetBValue(c);
}

inline bool IsWhite(const QImage& img, int x, int y) { return IsColor(img, x, y, RGB(255, 255, 255)); }

// The bounding box of all pixels that are not white; a null rectangle when there are none.
inline QRect InkBounds(const QImage& img) {
    QRect box;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x)
            if (!IsWhite(img, x, y)) box |= QRect(x, y, 1, 1);
    return box;
}

inline int CountColor(const QImage& img, const QRect& area, COLORREF c) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (IsColor(img, x, y, c)) ++n;
    return n;
}
