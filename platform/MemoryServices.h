// In-memory services: the defaults of AppServices() for tests and the command-line tool.
// They keep what the core asked of them so tests can check it, and answer from a script.
#pragma once

#include "platform/Services.h"

#include <deque>
#include <map>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

// Approximate text metrics shared by the in-memory measure and the recording backend:
// width = round(0.6 x |height| x code points), height = |height|.
CSize ApproxTextExtent(int32_t height, const std::string& utf8);

// Section and key names compare without regard to ASCII case, as in a registry.
class MemorySettingsStore : public ISettingsStore {
public:
    // An int read of a value stored as a decimal string parses it; anything else gives
    // the default. A string read of a value stored as an int gives the default.
    int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) override;
    void WriteProfileInt(const std::string& section, const std::string& key, int value) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) override;
    void WriteProfileString(const std::string& section, const std::string& key, const std::string& value) override;

    bool Contains(const std::string& section, const std::string& key) const;
    size_t Size() const { return m_values.size(); }
    void Clear() { m_values.clear(); }

private:
    using Key = std::pair<std::string, std::string>;
    static Key MakeKey(const std::string& section, const std::string& key);
    std::map<Key, std::variant<int, std::string>> m_values;
};

class RecordingMessageBoxes : public IMessageBoxes {
public:
    struct Call {
        std::string text;
        std::string caption;
        unsigned type = 0;
    };

    // Answers queued answers first, then the standing answer (IDOK unless set).
    int MessageBox(const std::string& text, const std::string& caption, unsigned type) override;

    void SetAnswer(int answer) { m_answer = answer; }
    void QueueAnswer(int answer) { m_queue.push_back(answer); }
    const std::vector<Call>& Calls() const { return m_calls; }
    const Call* LastCall() const { return m_calls.empty() ? nullptr : &m_calls.back(); }
    void Clear();

private:
    std::vector<Call> m_calls;
    std::deque<int> m_queue;
    int m_answer = IDOK;
};

class MemoryStatusBar : public IStatusBar {
public:
    void SetPaneText(int pane, const std::string& text) override { m_panes[pane] = text; }
    // The text of a pane, empty when never set.
    std::string PaneText(int pane) const;
    void Clear() { m_panes.clear(); }

private:
    std::map<int, std::string> m_panes;
};

class RecordingCursors : public ICursors {
public:
    void SetCursor(int cursorId) override {
        m_last = cursorId;
        ++m_count;
    }
    int LastCursor() const { return m_last; }  // 0 before any call
    int CallCount() const { return m_count; }
    void Clear() {
        m_last = 0;
        m_count = 0;
    }

private:
    int m_last = 0;
    int m_count = 0;
};

class ApproxTextMeasure : public ITextMeasure {
public:
    CSize GetTextExtent(const LOGFONT& font, const std::string& utf8) override {
        return ApproxTextExtent(font.lfHeight, utf8);
    }
};

// Holds one block per format; SetData replaces everything, as a real clipboard does.
class MemoryClipboard : public IClipboard {
public:
    bool SetData(const std::string& format, const std::vector<uint8_t>& bytes) override;
    bool HasFormat(const std::string& format) const override { return m_blocks.count(format) != 0; }
    std::optional<std::vector<uint8_t>> GetData(const std::string& format) const override;

    // Adds a block beside the present ones (another program offering several formats).
    void AddData(const std::string& format, const std::vector<uint8_t>& bytes) { m_blocks[format] = bytes; }
    void SetFailing(bool failing) { m_failing = failing; }
    void Clear() {
        m_blocks.clear();
        m_failing = false;
    }

private:
    std::map<std::string, std::vector<uint8_t>> m_blocks;
    bool m_failing = false;
};

// Cancels unless an answer is set; records the colours it was preset with.
class ScriptedColorDialog : public IColorDialog {
public:
    bool ChooseColor(COLORREF& inOut) override;
    void SetAnswer(std::optional<COLORREF> answer) { m_answer = answer; }
    const std::vector<COLORREF>& Presets() const { return m_presets; }
    void Clear() {
        m_answer.reset();
        m_presets.clear();
    }

private:
    std::optional<COLORREF> m_answer;
    std::vector<COLORREF> m_presets;
};

class RecordingAlerts : public IAlerts {
public:
    void MessageBeep(unsigned type) override { m_beeps.push_back(type); }
    void FlashWindow() override { ++m_flashes; }
    const std::vector<unsigned>& Beeps() const { return m_beeps; }
    int Flashes() const { return m_flashes; }
    void Clear() {
        m_beeps.clear();
        m_flashes = 0;
    }

private:
    std::vector<unsigned> m_beeps;
    int m_flashes = 0;
};

struct MemoryServices {
    MemorySettingsStore settings;
    RecordingMessageBoxes messages;
    MemoryStatusBar status;
    RecordingCursors cursors;
    ApproxTextMeasure text;
    MemoryClipboard clipboard;
    ScriptedColorDialog colorDialog;
    RecordingAlerts alerts;
    void Clear();
};

// The process-wide instances AppServices() points at by default.
MemoryServices& DefaultMemoryServices();
