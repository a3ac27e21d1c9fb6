// The settings store over QSettings. Each section is a group, each key a value in it; the
// per-user file is ~/.config/Velmarstad/Kovel.conf (under $XDG_CONFIG_HOME when set).
// Section and key names match without regard to ASCII case, as they did in the registry:
// a value is read and rewritten under the spelling already in the file.
#pragma once

#include "platform/Services.h"

#include <QSettings>
#include <QString>

#include <memory>

class QtSettingsStore : public ISettingsStore {
public:
    static constexpr const char* kOrganization = "Velmarstad";
    static constexpr const char* kApplication = "Kovel";

    // The per-user store of the organisation and application above.
    QtSettingsStore();
    // A store in the given INI file (tests, portable set-ups).
    explicit QtSettingsStore(const QString& iniFile);

    int GetProfileInt(const std::string& section, const std::string& key, int defaultValue) override;
    void WriteProfileInt(const std::string& section, const std::string& key, int value) override;
    std::string GetProfileString(const std::string& section, const std::string& key,
                                 const std::string& defaultValue) override;
    void WriteProfileString(const std::string& section, const std::string& key, const std::string& value) override;

    // The file the values live in.
    QString FileName() const { return m_settings->fileName(); }
    // Writes pending changes to the file now (writes also sync on their own).
    void Sync() { m_settings->sync(); }

private:
    // The full key "group/key" under the spelling found in the store, else as given.
    QString StoredKey(const std::string& section, const std::string& key) const;

    std::unique_ptr<QSettings> m_settings;
};
