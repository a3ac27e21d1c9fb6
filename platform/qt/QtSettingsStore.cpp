// Settings in QSettings groups, with the registry's case-blind names.
#include "platform/qt/QtSettingsStore.h"

#include "platform/qt/QtConvert.h"

#include <QStringList>

namespace {

QString FindCaseBlind(const QStringList& names, const QString& wanted) {
    if (names.contains(wanted)) return wanted;
    for (const QString& name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
    return wanted;
}

}  // namespace

QtSettingsStore::QtSettingsStore()
    : m_settings(
          std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, kOrganization, kApplication)) {}

QtSettingsStore::QtSettingsStore(const QString& iniFile)
    : m_settings(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

QString QtSettingsStore::StoredKey(const std::string& section, const std::string& key) const {
    const QString group = FindCaseBlind(m_settings->childGroups(), ToQString(section));
    m_settings->beginGroup(group);
    const QString name = FindCaseBlind(m_settings->childKeys(), ToQString(key));
    m_settings->endGroup();
    return group + '/' + name;
}

int QtSettingsStore::GetProfileInt(const std::string& section, const std::string& key, int defaultValue) {
    const QVariant v = m_settings->value(StoredKey(section, key));
    if (!v.isValid()) return defaultValue;
    // Values come back from the file as text: only a whole decimal number counts.
    bool ok = false;
    const int value = v.toString().trimmed().toInt(&ok);
    return ok ? value : defaultValue;
}

void QtSettingsStore::WriteProfileInt(const std::string& section, const std::string& key, int value) {
    m_settings->setValue(StoredKey(section, key), value);
    m_settings->sync();
}

std::string QtSettingsStore::GetProfileString(const std::string& section, const std::string& key,
                                              const std::string& defaultValue) {
    const QVariant v = m_settings->value(StoredKey(section, key));
    if (!v.isValid()) return defaultValue;
    return v.toString().toStdString();
}

void QtSettingsStore::WriteProfileString(const std::string& section, const std::string& key, const std::string& value) {
    m_settings->setValue(StoredKey(section, key), ToQString(value));
    m_settings->sync();
}
