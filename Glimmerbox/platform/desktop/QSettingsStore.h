#pragma once

#include "platform/desktop/SettingsStore.h"

#include <QSettings>

// SettingsStore over QSettings; the default constructor uses the user's "Glimmerbox" settings.
class QSettingsStore final : public SettingsStore {
public:
    QSettingsStore();
    explicit QSettingsStore(const QString& fileName);

    QVariant value(const QString& key) const override { return m_settings.value(key); }
    bool contains(const QString& key) const override { return m_settings.contains(key); }
    void setValue(const QString& key, const QVariant& value) override;
    void remove(const QString& key) override { m_settings.remove(key); }
    void sync() override { m_settings.sync(); }

private:
    QSettings m_settings;
};
