// The alert service: the error beep and a short flash of the active document window.
#pragma once

#include "platform/Services.h"

class QWidget;

class QtAlerts : public IAlerts {
public:
    void MessageBeep(unsigned type) override;
    // Lays an inverting strip over the caption of the active document window for a moment
    // (over the whole active window when no document window is active), and asks the
    // window system for attention when the program is in the background.
    void FlashWindow() override;

    // How long the flash shows, in milliseconds.
    static constexpr int kFlashMs = 150;
    // The widget the last flash covered (for tests); null when none.
    static QWidget* LastFlashed();
};
