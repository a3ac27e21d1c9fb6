// Services the core asks of its platform: settings, message boxes, status bar text, cursors
// and text measurement. The shell installs Qt implementations; tests and the command-line
// tool install the in-memory ones of MemoryServices.h.
#pragma once

#include "platform/GdiTypes.h"

#include <string>

class ISettingsStore {
public:
    virtual ~ISettingsStore() = default;
    virtual int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) = 0;
    virtual void WriteProfileInt(const std::string& section, const std::string& key, int value) = 0;
    virtual std::string GetProfileString(const std::string& section, const std::string& key,
                                         const std::string& defaultValue) = 0;
    virtual void WriteProfileString(const std::string& section, const std::string& key,
                                    const std::string& value) = 0;
};

class IMessageBoxes {
public:
    virtual ~IMessageBoxes() = default;
    // type: MB_OK, MB_OKCANCEL, ... with an MB_ICON... flag; returns IDOK, IDCANCEL, ...
    virtual int MessageBox(const std::string& text, const std::string& caption, unsigned type) = 0;
};

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

// The process-wide set of services. Every pointer is always valid: in-memory defaults are
// installed until a shell or test replaces them.
struct Services {
    ISettingsStore* settings;
    IMessageBoxes* messages;
    IStatusBar* status;
    ICursors* cursors;
    ITextMeasure* text;
};

Services& AppServices();
// Puts the in-memory defaults back (tests call this between cases).
void ResetAppServices();
