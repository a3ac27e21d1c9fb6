// Text measurement with QFontMetrics and the same LOGFONT conversion the painter uses.
#pragma once

#include "platform/Services.h"

class QtTextMeasure : public ITextMeasure {
public:
    // Width is the advance of the text, height the cell height (ascent + descent), both
    // in pixels of the font's own height.
    CSize GetTextExtent(const LOGFONT& font, const std::string& utf8) override;
};
