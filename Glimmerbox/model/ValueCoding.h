#pragma once

#include "RawValue.h"
#include "ReferenceDate.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>
#include <QJsonValue>
#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>
#include <QVariant>

#include <algorithm>
#include <cmath>
#include <optional>
#include <type_traits>

// The JSON form of the model's values: keys equal to the field names, optionals omitted when absent, enums as
// their raw values, instants as seconds since the reference date, URLs as their absolute text.
namespace coding {

template <typename T>
inline constexpr bool isList = false;
template <typename T>
inline constexpr bool isList<QList<T>> = true;
template <typename T>
inline constexpr bool isSet = false;
template <typename T>
inline constexpr bool isSet<QSet<T>> = true;
template <typename T>
inline constexpr bool isOptional = false;
template <typename T>
inline constexpr bool isOptional<std::optional<T>> = true;

template <typename T>
QJsonValue encode(const T& value) {
    if constexpr (std::is_same_v<T, QString> || std::is_same_v<T, bool> || std::is_same_v<T, double> ||
                  std::is_same_v<T, qint64>) {
        return QJsonValue(value);
    } else if constexpr (std::is_same_v<T, QDateTime>) {
        return referenceDate::secondsSinceReferenceDate(value);
    } else if constexpr (std::is_same_v<T, QUrl>) {
        return value.toString(QUrl::FullyEncoded);
    } else if constexpr (std::is_enum_v<T>) {
        return rawValue(value);
    } else if constexpr (isList<T>) {
        QJsonArray array;
        for (const auto& element : value)
            array.append(encode(element));
        return array;
    } else if constexpr (isSet<T>) {
        // Sorted, so that an unchanged set always writes the same text.
        QList elements(value.begin(), value.end());
        std::sort(elements.begin(), elements.end());
        return encode(elements);
    } else {
        return value.toJson();
    }
}

// A whole JSON number inside the 64-bit range; integers beyond 2^53 keep every digit.
inline std::optional<qint64> wholeNumber(const QJsonValue& value) {
    const QVariant variant = value.toVariant();
    if (variant.typeId() == QMetaType::LongLong)
        return variant.toLongLong();
    if (!value.isDouble())
        return std::nullopt;
    const double number = value.toDouble();
    if (!std::isfinite(number) || std::trunc(number) != number || number < -9223372036854775808.0 ||
        number >= 9223372036854775808.0)
        return std::nullopt;
    return static_cast<qint64>(number);
}

// The value as a T, or nothing when it is of another kind (null included).
template <typename T>
std::optional<T> decode(const QJsonValue& value) {
    if constexpr (std::is_same_v<T, QString>) {
        return value.isString() ? std::optional(value.toString()) : std::nullopt;
    } else if constexpr (std::is_same_v<T, bool>) {
        return value.isBool() ? std::optional(value.toBool()) : std::nullopt;
    } else if constexpr (std::is_same_v<T, double>) {
        return value.isDouble() ? std::optional(value.toDouble()) : std::nullopt;
    } else if constexpr (std::is_same_v<T, qint64>) {
        return wholeNumber(value);
    } else if constexpr (std::is_same_v<T, QDateTime>) {
        if (!value.isDouble())
            return std::nullopt;
        return referenceDate::fromSecondsSinceReferenceDate(value.toDouble());
    } else if constexpr (std::is_same_v<T, QUrl>) {
        if (!value.isString())
            return std::nullopt;
        QUrl url(value.toString(), QUrl::StrictMode);
        return url.isValid() ? std::optional(url) : std::nullopt;
    } else if constexpr (std::is_enum_v<T>) {
        return value.isString() ? fromRawValue<T>(value.toString()) : std::nullopt;
    } else if constexpr (isOptional<T>) {
        const auto inner = decode<typename T::value_type>(value);
        return inner ? std::optional<T>(T(*inner)) : std::optional<T>();
    } else if constexpr (isList<T> || isSet<T>) {
        if (!value.isArray())
            return std::nullopt;
        T elements;
        for (const QJsonValue& element : value.toArray()) {
            auto decoded = decode<typename T::value_type>(element);
            if (!decoded)
                return std::nullopt;
            elements.insert(elements.end(), *decoded);
        }
        return elements;
    } else {
        return value.isObject() ? T::fromJson(value.toObject()) : std::nullopt;
    }
}

// Builds an object field by field; absent optionals leave their key out.
class Writer {
public:
    template <typename T>
    Writer& field(QLatin1StringView key, const T& value) {
        m_object.insert(key, encode(value));
        return *this;
    }
    template <typename T>
    Writer& field(QLatin1StringView key, const std::optional<T>& value) {
        if (value)
            m_object.insert(key, encode(*value));
        return *this;
    }
    QJsonObject object() const { return m_object; }

private:
    QJsonObject m_object;
};

// Reads an object field by field. A required field must be present and of its kind; an optional one may be
// missing or null, but when given it must be of its kind too. Any failure fails the whole value.
class Reader {
public:
    explicit Reader(const QJsonObject& object) : m_object(object) {}

    template <typename T>
    Reader& field(QLatin1StringView key, T& out) {
        if (auto decoded = decode<T>(m_object.value(key)))
            out = std::move(*decoded);
        else
            m_ok = false;
        return *this;
    }
    template <typename T>
    Reader& field(QLatin1StringView key, std::optional<T>& out) {
        const QJsonValue value = m_object.value(key);
        if (value.isUndefined() || value.isNull()) {
            out.reset();
        } else if (auto decoded = decode<T>(value)) {
            out = std::move(*decoded);
        } else {
            m_ok = false;
        }
        return *this;
    }

    template <typename T>
    std::optional<T> result(T value) const {
        return m_ok ? std::optional<T>(std::move(value)) : std::nullopt;
    }

private:
    const QJsonObject& m_object;
    bool m_ok = true;
};

// The JSON form of a value described by one field list,
//   constexpr auto teamFields = [](auto& team, auto&& field) { field("id"_L1, team.id); ... };
// so that writing, reading and hashing (hashFields) never disagree on the fields.
template <typename T, typename Fields>
QJsonObject toObject(const T& value, Fields fields) {
    Writer writer;
    fields(value, [&writer](QLatin1StringView key, const auto& field) { writer.field(key, field); });
    return writer.object();
}

template <typename T, typename Fields>
std::optional<T> fromObject(const QJsonObject& object, Fields fields) {
    T value;
    Reader reader(object);
    fields(value, [&reader](QLatin1StringView key, auto& field) { reader.field(key, field); });
    return reader.result(std::move(value));
}

} // namespace coding
