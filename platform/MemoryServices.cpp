// In-memory service implementations.
#include "platform/MemoryServices.h"

#include <cctype>
#include <charconv>
#include <cstdlib>

CSize ApproxTextExtent(int32_t height, const std::string& utf8) {
    int64_t codePoints = 0;
    for (unsigned char c : utf8) codePoints += (c & 0xC0) != 0x80;  // skip continuation bytes
    const int64_t h = height < 0 ? -int64_t(height) : int64_t(height);
    // 0.6 x h x n, rounded; 6hn is even, so no half ever occurs.
    const int64_t width = (6 * h * codePoints + 5) / 10;
    const auto clamp = [](int64_t v) { return int32_t(std::min<int64_t>(v, INT32_MAX)); };
    return {clamp(width), clamp(h)};
}

// --- settings -------------------------------------------------------------------------

MemorySettingsStore::Key MemorySettingsStore::MakeKey(const std::string& section, const std::string& key) {
    auto lower = [](std::string s) {
        for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
        return s;
    };
    return {lower(section), lower(key)};
}

int MemorySettingsStore::GetProfileInt(const std::string& section, const std::string& key, int defaultValue) {
    const auto it = m_values.find(MakeKey(section, key));
    if (it == m_values.end()) return defaultValue;
    if (const int* v = std::get_if<int>(&it->second)) return *v;
    const std::string& s = std::get<std::string>(it->second);
    int value = 0;
    const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), value);
    return ec == std::errc() && end == s.data() + s.size() ? value : defaultValue;
}

void MemorySettingsStore::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    m_values[MakeKey(section, key)] = value;
}

std::string MemorySettingsStore::GetProfileString(const std::string& section, const std::string& key,
                                                  const std::string& defaultValue) {
    const auto it = m_values.find(MakeKey(section, key));
    if (it == m_values.end()) return defaultValue;
    if (const std::string* v = std::get_if<std::string>(&it->second)) return *v;
    return defaultValue;
}

void MemorySettingsStore::WriteProfileString(const std::string& section, const std::string& key,
                                             const std::string& value) {
    m_values[MakeKey(section, key)] = value;
}

bool MemorySettingsStore::Contains(const std::string& section, const std::string& key) const {
    return m_values.count(MakeKey(section, key)) != 0;
}

// --- message boxes, status bar ----------------------------------------------------------

int RecordingMessageBoxes::MessageBox(const std::string& text, const std::string& caption, unsigned type) {
    m_calls.push_back({text, caption, type});
    if (m_queue.empty()) return m_answer;
    const int answer = m_queue.front();
    m_queue.pop_front();
    return answer;
}

void RecordingMessageBoxes::Clear() {
    m_calls.clear();
    m_queue.clear();
    m_answer = IDOK;
}

std::string MemoryStatusBar::PaneText(int pane) const {
    const auto it = m_panes.find(pane);
    return it == m_panes.end() ? std::string() : it->second;
}

// --- clipboard, colour dialog ---------------------------------------------------------------

bool MemoryClipboard::SetData(const std::string& format, const std::vector<uint8_t>& bytes) {
    if (m_failing) return false;
    m_blocks.clear();
    m_blocks[format] = bytes;
    return true;
}

std::optional<std::vector<uint8_t>> MemoryClipboard::GetData(const std::string& format) const {
    const auto it = m_blocks.find(format);
    if (it == m_blocks.end()) return std::nullopt;
    return it->second;
}

bool ScriptedColorDialog::ChooseColor(COLORREF& inOut) {
    m_presets.push_back(inOut);
    if (!m_answer) return false;
    inOut = *m_answer;
    return true;
}

void MemoryServices::Clear() {
    clipboard.Clear();
    colorDialog.Clear();
    alerts.Clear();
    settings.Clear();
    messages.Clear();
    status.Clear();
    cursors.Clear();
}

MemoryServices& DefaultMemoryServices() {
    static MemoryServices instance;
    return instance;
}
