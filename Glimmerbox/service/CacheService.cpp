#include "CacheService.h"

CacheService::CacheService(const Clock& clock) : m_clock(clock) {}

CacheService& CacheService::shared() {
    static CacheService instance;
    return instance;
}

std::optional<QByteArray> CacheService::get(const QString& key) {
    const auto entry = m_cache.find(key);
    if (entry == m_cache.end())
        return std::nullopt;
    // A negative age (the clock was set back) still counts as fresh.
    const double age = static_cast<double>(entry->timestamp.msecsTo(m_clock.now())) / 1000.0;
    if (age < entry->expiration)
        return entry->data;
    m_cache.erase(entry);
    return std::nullopt;
}

void CacheService::set(const QByteArray& data, const QString& key, double expiration) {
    m_cache.insert(key, CacheEntry{data, m_clock.now(), expiration});
}

void CacheService::clearAll() {
    m_cache = {};
}
