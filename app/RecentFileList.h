// The list of the last four opened documents, newest first, kept in the settings store
// (section "Recent File List", keys "File1" ... "File4").
#pragma once

#include <string>
#include <vector>

class ISettingsStore;

class RecentFileList {
public:
    static constexpr int kSize = 4;

    // Puts path first; an entry of the same path moves up instead of doubling.
    void Add(const std::string& path);
    void Remove(size_t index);
    const std::vector<std::string>& Files() const { return m_files; }

    void Load(ISettingsStore& store);
    void Save(ISettingsStore& store) const;

    // The menu text of entry index: "&1 name", the path shortened to fit a menu.
    std::string MenuText(size_t index) const;

private:
    std::vector<std::string> m_files;
};
