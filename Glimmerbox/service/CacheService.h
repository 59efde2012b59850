#pragma once

#include "platform/time/Clock.h"

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
        QDateTime requestedAt; // the time of day, for what the reply is stamped with
        MonotonicTime sentAt;  // the same moment on the monotonic clock, for which reply is the more recent

        // `data`, stamped as requested at `clock`'s now.
        static Reply sentNow(const Clock& clock, QByteArray data = {});
    };

    explicit CacheService(const Clock& clock = Clock::system());

    static CacheService& shared();

    // The entry's data while it is younger than its lifetime; an expired entry is removed.
    std::optional<QByteArray> get(const QString& key);
    std::optional<Reply> lookup(const QString& key);
    // Stores `data` as requested now, with a lifetime counted from now.
    void set(const QByteArray& data, const QString& key, double expiration);
    // Stores `reply` with a lifetime counted from now. A reply sent before the one already held for the key
    // does not replace it, so that a slow answer never undoes a quicker, more recent one.
    void set(Reply reply, const QString& key, double expiration);
    // The held reply of `key`, whatever its age, when its request was sent after `sentAt`.
    std::optional<Reply> newerThan(const QString& key, MonotonicTime sentAt) const;
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
