#include "app/RecentFileList.h"

#include "platform/Services.h"

#include <algorithm>

namespace {
constexpr const char* kSection = "Recent File List";
constexpr size_t kMaxMenuPath = 60;

std::string Key(size_t index) { return "File" + std::to_string(index + 1); }
}  // namespace

void RecentFileList::Add(const std::string& path) {
    if (path.empty()) return;
    m_files.erase(std::remove(m_files.begin(), m_files.end(), path), m_files.end());
    m_files.insert(m_files.begin(), path);
    if (m_files.size() > size_t(kSize)) m_files.resize(kSize);
}

void RecentFileList::Remove(size_t index) {
    if (index < m_files.size()) m_files.erase(m_files.begin() + std::ptrdiff_t(index));
}

void RecentFileList::Load(ISettingsStore& store) {
    m_files.clear();
    for (size_t i = 0; i < size_t(kSize); ++i) {
        const std::string path = store.GetProfileString(kSection, Key(i), "");
        if (!path.empty() && std::find(m_files.begin(), m_files.end(), path) == m_files.end()) m_files.push_back(path);
    }
}

void RecentFileList::Save(ISettingsStore& store) const {
    for (size_t i = 0; i < size_t(kSize); ++i)
        store.WriteProfileString(kSection, Key(i), i < m_files.size() ? m_files[i] : std::string());
}

std::string RecentFileList::MenuText(size_t index) const {
    if (index >= m_files.size()) return {};
    std::string path = m_files[index];
    // Long paths keep their start and their file name: "/home/…/Pläne/plan.cpr".
    if (path.size() > kMaxMenuPath) {
        const size_t slash = path.find_last_of('/');
        const std::string name = slash == std::string::npos ? path : path.substr(slash);
        const size_t headLen = name.size() < kMaxMenuPath - 10 ? kMaxMenuPath - 4 - name.size() : 6;
        size_t cut = std::min(headLen, path.size());
        while (cut > 0 && (static_cast<unsigned char>(path[cut]) & 0xC0) == 0x80) --cut;  // whole UTF-8 characters
        path = path.substr(0, cut) + "…" + name;
    }
    // '&' in a name would become a mnemonic.
    std::string escaped;
    for (char c : path) {
        if (c == '&') escaped += '&';
        escaped += c;
    }
    std::string text = "&";
    text += std::to_string(index + 1);
    text += ' ';
    text += escaped;
    return text;
}
