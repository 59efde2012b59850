#pragma once

#include "platform/Clock.h"

#include <QByteArray>
#include <QDateTime>
#include <QHash>
#include <QString>

#include <optional>

// In-memory reply cache keyed by request URL; each entry carries its own lifetime. Lives on the GUI thread.
class CacheService {
public:
    // A stored body and the moment its request was sent: how recent the state it describes is.
    struct Reply {
        QByteArray data;
        QDateTime requestedAt;
    };

    explicit CacheService(const Clock& clock = Clock::system());

    static CacheService& shared();

    // The entry's data while it is younger than its lifetime; an expired entry is removed.
    std::optional<QByteArray> get(const QString& key);
    std::optional<Reply> lookup(const QString& key);
    // Stores `data` with a lifetime counted from now. A reply requested before the one already held for the
    // key does not replace it, so that a slow answer never undoes a quicker, more recent one.
    void set(const QByteArray& data, const QString& key, double expiration,
             std::optional<QDateTime> requestedAt = std::nullopt);
    // The held reply of `key`, whatever its age, when it was requested after `requestedAt`.
    std::optional<Reply> newerThan(const QString& key, const QDateTime& requestedAt) const;
    void clearAll();

private:
    struct CacheEntry {
        Reply reply;
        MonotonicTime timestamp; // when it was stored
        double expiration = 0;
    };

    const Clock& m_clock;
    QHash<QString, CacheEntry> m_cache;
};
