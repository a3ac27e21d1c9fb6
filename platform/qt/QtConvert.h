// Conversions from the platform layer's value types to Qt's: colours, strings and fonts.
// The font conversion is shared by the painter backend and the text measure so that what
// is measured is what is drawn.
#pragma once

#include "platform/GdiTypes.h"

#include <QColor>
#include <QFont>
#include <QRect>
#include <QString>

#include <string>

QColor ToQColor(COLORREF c);
inline QString ToQString(const std::string& utf8) { return QString::fromStdString(utf8); }
inline QRect ToQRect(const CRect& r) { return QRect(r.left, r.top, r.Width(), r.Height()); }

// The pixel size used for lfHeight 0 ("any height"), as a character height.
constexpr int kDefaultFontPixels = 12;

// LOGFONT -> QFont. The height is taken as pixels: a negative lfHeight is the character
// (em) height, a positive one the cell height (ascent + descent), converted with the
// face's own proportions. Weight, italic, underline and strike-out carry over; a non-zero
// lfWidth stretches the glyphs to that average character width. The face name is stored
// as Windows-1252 bytes; an empty name means "Arial", which fontconfig resolves to a
// metric-compatible face. Escapement is not part of the QFont: painters rotate.
QFont ToQFont(const LOGFONT& lf);
