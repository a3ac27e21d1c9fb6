// The font dialog of the label dialog: a font and its colour chosen together, with the
// conversion between the stored font record and what the dialog shows. Heights are stored
// as the platform's screen font dialog gives them: the negative character height in pixels
// of a 96 dpi screen, so a 12 pt font is stored as -16.
#pragma once

#include "platform/GdiTypes.h"

#include <QFont>

class QWidget;

// The font the dialog starts from: the record's face, style and size (in points).
QFont FontForDialog(const LOGFONT& lf);
// The record for a font chosen in the dialog. Face, height, weight, italic, underline and
// strike-out come from the font; the fields a screen font dialog leaves alone (character
// set, precisions, quality, pitch and family) are kept from base. Width and escapement are 0.
LOGFONT LogFontFromDialog(const QFont& font, const LOGFONT& base);

// Shows the font dialog (scalable fonts, with underline, strike-out and a colour) preset
// with lf and color; on OK writes both back and returns true.
bool ChooseFontAndColor(QWidget* parent, LOGFONT& lf, COLORREF& color);
