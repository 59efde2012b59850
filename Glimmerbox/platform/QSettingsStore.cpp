#include "QSettingsStore.h"

QSettingsStore::QSettingsStore() : m_settings(QStringLiteral("Glimmerbox"), QStringLiteral("Glimmerbox")) {}

QSettingsStore::QSettingsStore(const QString& fileName) : m_settings(fileName, QSettings::IniFormat) {}

SettingsStore& SettingsStore::standard() {
    static QSettingsStore store;
    return store;
}
