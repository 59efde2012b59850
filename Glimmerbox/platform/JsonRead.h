#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include <cmath>
#include <limits>
#include <optional>

// Typed reads from untyped JSON: a value of another kind counts as missing, exactly like a missing key.
namespace json {

inline std::optional<QString> text(const QJsonObject& object, QLatin1StringView key) {
    const QJsonValue value = object.value(key);
    if (!value.isString())
        return std::nullopt;
    return value.toString();
}

inline QString text(const QJsonObject& object, QLatin1StringView key, const QString& fallback) {
    return text(object, key).value_or(fallback);
}

inline std::optional<double> number(const QJsonObject& object, QLatin1StringView key) {
    const QJsonValue value = object.value(key);
    if (!value.isDouble())
        return std::nullopt;
    return value.toDouble();
}

// A whole JSON number inside the 64-bit range; fractions, infinities and out-of-range values count as
// missing.
inline std::optional<qint64> integer(const QJsonObject& object, QLatin1StringView key) {
    const std::optional<double> value = number(object, key);
    if (!value || !std::isfinite(*value) || std::trunc(*value) != *value)
        return std::nullopt;
    if (*value < -9223372036854775808.0 || *value >= 9223372036854775808.0)
        return std::nullopt;
    return static_cast<qint64>(*value);
}

inline std::optional<bool> boolean(const QJsonObject& object, QLatin1StringView key) {
    const QJsonValue value = object.value(key);
    if (!value.isBool())
        return std::nullopt;
    return value.toBool();
}

inline std::optional<QJsonObject> object(const QJsonObject& object, QLatin1StringView key) {
    const QJsonValue value = object.value(key);
    if (!value.isObject())
        return std::nullopt;
    return value.toObject();
}

inline std::optional<QJsonArray> array(const QJsonObject& object, QLatin1StringView key) {
    const QJsonValue value = object.value(key);
    if (!value.isArray())
        return std::nullopt;
    return value.toArray();
}

// The dictionary at index `index` of an array, when there is one.
inline std::optional<QJsonObject> objectAt(const QJsonArray& array, qsizetype index) {
    if (index < 0 || index >= array.size() || !array.at(index).isObject())
        return std::nullopt;
    return array.at(index).toObject();
}

} // namespace json
