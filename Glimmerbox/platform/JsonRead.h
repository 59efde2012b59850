#pragma once

#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QString>

#include "platform/text/BoundedText.h"

#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>

// Typed reads from untyped JSON: a value of another kind counts as missing, exactly like a missing key.
// Values are read in place through the object's iterator: the mappings read tens of thousands of keys per
// reply, and a QJsonValue for each would cost more than the read.
namespace json {

// The value under `key`, or nothing; valid while `object` lives and is not changed.
inline std::optional<QJsonValueConstRef> find(const QJsonObject& object, QLatin1StringView key) {
    const QJsonObject::const_iterator found = object.constFind(key);
    if (found == object.constEnd())
        return std::nullopt;
    return *found;
}

inline std::optional<QJsonValueConstRef> find(const QJsonObject& object, QLatin1StringView key,
                                              QJsonValue::Type type) {
    std::optional<QJsonValueConstRef> value = find(object, key);
    if (!value || value->type() != type)
        return std::nullopt;
    return value;
}

// The value under `key` read by `read` when it is of `type`; nothing otherwise.
template <typename Read>
auto typed(const QJsonObject& object, QLatin1StringView key, QJsonValue::Type type, Read read)
    -> std::optional<std::invoke_result_t<Read, QJsonValueConstRef>> {
    if (const std::optional<QJsonValueConstRef> value = find(object, key, type))
        return read(*value);
    return std::nullopt;
}

// The text under `key`, held to `bound` where it is read (see boundedText): a text from outside never
// reaches the rest of the code unbounded. A text the bound refuses counts as missing.
inline std::optional<QString> text(const QJsonObject& object, QLatin1StringView key, TextBound bound) {
    const std::optional<QJsonValueConstRef> value = find(object, key, QJsonValue::String);
    return value ? boundedText(value->toString(), bound) : std::nullopt;
}

inline QString text(const QJsonObject& object, QLatin1StringView key, TextBound bound,
                    const QString& fallback) {
    std::optional<QString> value = text(object, key, bound);
    return value ? std::move(*value) : fallback;
}

inline std::optional<double> number(const QJsonObject& object, QLatin1StringView key) {
    return typed(object, key, QJsonValue::Double, [](QJsonValueConstRef value) { return value.toDouble(); });
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
    return typed(object, key, QJsonValue::Bool, [](QJsonValueConstRef value) { return value.toBool(); });
}

inline std::optional<QJsonObject> object(const QJsonObject& object, QLatin1StringView key) {
    return typed(object, key, QJsonValue::Object, [](QJsonValueConstRef value) { return value.toObject(); });
}

inline std::optional<QJsonArray> array(const QJsonObject& object, QLatin1StringView key) {
    return typed(object, key, QJsonValue::Array, [](QJsonValueConstRef value) { return value.toArray(); });
}

// The dictionary at index `index` of an array, when there is one.
inline std::optional<QJsonObject> objectAt(const QJsonArray& array, qsizetype index) {
    if (index < 0 || index >= array.size())
        return std::nullopt;
    const QJsonValueConstRef element = array.constBegin()[index];
    if (!element.isObject())
        return std::nullopt;
    return element.toObject();
}

} // namespace json
