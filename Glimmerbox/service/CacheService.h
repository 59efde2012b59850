#pragma once

#include "platform/Clock.h"

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// In-memory reply cache keyed by request URL; each entry carries its own lifetime. Lives on the GUI thread.
class CacheService {
public:
    explicit CacheService(const Clock& clock = Clock::system());

    static CacheService& shared();

    // The entry's data while it is younger than its lifetime; an expired entry is removed.
    std::optional<QByteArray> get(const QString& key);
    void set(const QByteArray& data, const QString& key, double expiration);
    void clearAll();

private:
    struct CacheEntry {
        QByteArray data;
        QDateTime timestamp;
        double expiration = 0;
    };

    const Clock& m_clock;
    QHash<QString, CacheEntry> m_cache;
};
