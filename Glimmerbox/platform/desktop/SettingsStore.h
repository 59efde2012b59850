#pragma once

#include <QString>
#include <QVariant>

// The user's defaults store: QSettings in the application, an in-memory map or a temporary file in tests.
class SettingsStore {
public:
    virtual ~SettingsStore() = default;
    virtual QVariant value(const QString& key) const = 0;
    virtual bool contains(const QString& key) const = 0;
    virtual void setValue(const QString& key, const QVariant& value) = 0;
    virtual void remove(const QString& key) = 0;
    virtual void sync() {}

    // QSettings with organisation and application "Glimmerbox".
    static SettingsStore& standard();
};
