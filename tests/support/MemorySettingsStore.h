#pragma once

#include "platform/desktop/SettingsStore.h"

#include <QMap>

// A defaults store that lives in memory only; `writeCount` tells how often a value was written, `syncCount`
// how often a writer flushed it.
class MemorySettingsStore : public SettingsStore {
public:
    QVariant value(const QString& key) const override { return m_values.value(key); }
    bool contains(const QString& key) const override { return m_values.contains(key); }
    void setValue(const QString& key, const QVariant& value) override {
        ++writeCount;
        m_values.insert(key, value);
    }
    void remove(const QString& key) override { m_values.remove(key); }
    void sync() override { ++syncCount; }

    int writeCount = 0;
    int syncCount = 0;

private:
    QMap<QString, QVariant> m_values;
};
