#include "platform/desktop/QSettingsStore.h"

QSettingsStore::QSettingsStore() : m_settings(QStringLiteral("Glimmerbox"), QStringLiteral("Glimmerbox")) {}

QSettingsStore::QSettingsStore(const QString& fileName) : m_settings(fileName, QSettings::IniFormat) {}

void QSettingsStore::setValue(const QString& key, const QVariant& value) {
    // The file's text form spells an empty string list "@Invalid()", which reads back as no value at all. A
    // byte-array list is kept in its binary form, so an empty list stays an empty list.
    if (value.metaType() == QMetaType::fromType<QStringList>() && value.toStringList().isEmpty()) {
        m_settings.setValue(key, QVariant::fromValue(QByteArrayList{}));
        return;
    }
    m_settings.setValue(key, value);
}

SettingsStore& SettingsStore::standard() {
    static QSettingsStore store;
    return store;
}
