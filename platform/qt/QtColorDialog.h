// The colour dialog service on QColorDialog, opened over the active window.
#pragma once

#include "platform/Services.h"

class QtColorDialog : public IColorDialog {
public:
    bool ChooseColor(COLORREF& inOut) override;
};
