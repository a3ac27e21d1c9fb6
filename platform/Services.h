// Services the core asks of its platform: settings, message boxes, status bar text, cursors
// and text measurement. The shell installs Qt implementations; tests and the command-line
// tool install the in-memory ones of MemoryServices.h.
#pragma once

#include "platform/GdiTypes.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    virtual void WriteProfileInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) = 0;
    virtual void WriteProfileString(const std::string& section, const std::string& key, const std::string& value) = 0;
};

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // type: MB_OK, MB_OKCANCEL, ... with an MB_ICON... flag; returns IDOK, IDCANCEL, ...
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
};

// The panes of the status bar, by number.
enum StatusPane : int {
    kPanePrompt = 0,    // prompts and fly-by help; stretches
    kPanePosition = 1,  // the pointer's position on the sheet
    kPaneScale = 2,     // the drawing's scale ("M 1:50")
    kPaneZoom = 3,      // "ZOOM" or "Vollbild"
};
constexpr int kStatusPaneCount = 4;

class IStatusBar {
public:
    virtual ~IStatusBar() = default;
    virtual void SetPaneText(int pane, const std::string& text) = 0;
};

class ICursors {
public:
    virtual ~ICursors() = default;
    virtual void SetCursor(int cursorId) = 0;
};

class ITextMeasure {
public:
    virtual ~ITextMeasure() = default;
    // Extent of the text in the font's own units (lfHeight taken as pixels).
    virtual CSize GetTextExtent(const LOGFONT& font, const std::string& utf8) = 0;
};

// The system clipboard: byte blocks under format names. The core puts its object copies
// under the name "Kovel Format"; a backend maps format names to its own types
// (docs/clipboard.md). Bytes read back may come from any program: treat them as untrusted.
class IClipboard {
public:
    virtual ~IClipboard() = default;
    // Replaces the whole clipboard content with one block; false when that failed.
    virtual bool SetData(const std::string& format, const std::vector<uint8_t>& bytes) = 0;
    virtual bool HasFormat(const std::string& format) const = 0;
    // The block stored under format, or nothing when the clipboard has none.
    virtual std::optional<std::vector<uint8_t>> GetData(const std::string& format) const = 0;
};

// The system colour dialog.
class IColorDialog {
public:
    virtual ~IColorDialog() = default;
    // Shows the dialog preset with inOut; on OK writes the chosen colour back and returns true.
    virtual bool ChooseColor(COLORREF& inOut) = 0;
};

// Alerts outside message boxes: the error beep and the flash of the active window.
class IAlerts {
public:
    virtual ~IAlerts() = default;
    // type: an MB_ICON... value (MB_ICONERROR is the error beep).
    virtual void MessageBeep(unsigned type) = 0;
    // Flashes the active document window once (inverting its caption).
    virtual void FlashWindow() = 0;
};

// The in-memory defaults of the later services, so that a shell that installs only the
// first five still leaves every pointer valid.
IClipboard* DefaultClipboardService();
IColorDialog* DefaultColorDialogService();
IAlerts* DefaultAlertsService();

// The process-wide set of services. Every pointer is always valid: in-memory defaults are
// installed until a shell or test replaces them.
struct Services {
    ISettingsStore* settings;
    IMessageBoxes* messages;
    IStatusBar* status;
    ICursors* cursors;
    ITextMeasure* text;
    IClipboard* clipboard = DefaultClipboardService();
    IColorDialog* colorDialog = DefaultColorDialogService();
    IAlerts* alerts = DefaultAlertsService();
};

Services& AppServices();
// Puts the in-memory defaults back (tests call this between cases).
void ResetAppServices();
