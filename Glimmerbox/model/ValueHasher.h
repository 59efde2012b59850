#pragma once

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <QUrl>

#include <bit>
#include <optional>
#include <type_traits>

// Feeds the fields of a value, in declaration order, into one hash. An optional adds a marker 0 when absent
// or 1 and its value when present; a double adds its bit pattern, with -0 counted as 0 so that equal
// numbers hash equal.
class ValueHasher {
public:
    explicit ValueHasher(size_t seed) : m_hash(seed) {}

    ValueHasher& add(const QString& value) { return combine(qHash(value)); }
    ValueHasher& add(qint64 value) { return combine(qHash(value)); }
    ValueHasher& add(bool value) { return combine(qHash(value)); }
    ValueHasher& add(double value) {
        const double normalised = value == 0.0 ? 0.0 : value;
        return combine(qHash(std::bit_cast<quint64>(normalised)));
    }
    ValueHasher& add(const QDateTime& value) { return combine(qHash(value)); }
    ValueHasher& add(const QUrl& value) { return combine(qHash(value)); }

    template <typename E>
    requires std::is_enum_v<E> ValueHasher& add(E value) {
        return add(rawValue(value)); // enums hash as their raw value text, as they compare
    }
    template <typename T>
    ValueHasher& add(const std::optional<T>& value) {
        if (!value)
            return add(qint64{0});
        add(qint64{1});
        return add(*value);
    }
    template <typename T>
    ValueHasher& add(const QList<T>& values) {
        add(static_cast<qint64>(values.size()));
        for (const T& value : values)
            add(value);
        return *this;
    }
    // A nested value, through its own qHash.
    template <typename T>
    requires std::is_class_v<T> ValueHasher& add(const T& value) { return combine(qHash(value, size_t{0})); }

    size_t result() const { return m_hash; }

private:
    ValueHasher& combine(size_t hash) {
        m_hash ^= hash + size_t{0x9e3779b97f4a7c15} + (m_hash << 6) + (m_hash >> 2);
        return *this;
    }

    size_t m_hash;
};

// Hashes every field of a field list (see coding::toObject) in its order.
template <typename T, typename Fields>
size_t hashFields(const T& value, size_t seed, Fields fields) {
    ValueHasher hasher(seed);
    fields(value, [&hasher](QLatin1StringView, const auto& field) { hasher.add(field); });
    return hasher.result();
}
