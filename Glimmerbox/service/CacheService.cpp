#include "CacheService.h"

CacheService::CacheService(const Clock& clock) : m_clock(clock) {}

CacheService& CacheService::shared() {
    static CacheService instance;
    return instance;
}

std::optional<QByteArray> CacheService::get(const QString& key) {
    std::optional<Reply> reply = lookup(key);
    if (!reply)
        return std::nullopt;
    return std::move(reply->data);
}

std::optional<CacheService::Reply> CacheService::lookup(const QString& key) {
    const auto entry = m_cache.find(key);
    if (entry == m_cache.end())
        return std::nullopt;
    // Aged on the monotonic clock: a wall clock set back would keep an entry fresh for hours, one set
    // forward would expire it at once.
    const std::chrono::duration<double> age = m_clock.monotonicNow() - entry->timestamp;
    if (age.count() < entry->expiration)
        return entry->reply;
    m_cache.erase(entry);
    return std::nullopt;
}

CacheService::Reply CacheService::Reply::sentNow(const Clock& clock, QByteArray data) {
    return Reply{std::move(data), clock.now(), clock.monotonicNow()};
}

void CacheService::set(const QByteArray& data, const QString& key, double expiration) {
    set(Reply::sentNow(m_clock, data), key, expiration);
}

void CacheService::set(Reply reply, const QString& key, double expiration) {
    if (newerThan(key, reply.sentAt))
        return;
    m_cache.insert(key, CacheEntry{std::move(reply), m_clock.monotonicNow(), expiration});
}

std::optional<CacheService::Reply> CacheService::newerThan(const QString& key, MonotonicTime sentAt) const {
    const auto entry = m_cache.constFind(key);
    if (entry == m_cache.cend() || entry->reply.sentAt <= sentAt)
        return std::nullopt;
    return entry->reply;
}

void CacheService::clearAll() {
    m_cache = {};
}
