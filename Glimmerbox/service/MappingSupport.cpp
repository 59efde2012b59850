#include "MappingSupport.h"

#include "SharedParsers.h"
#include "platform/JsonRead.h"

#include <QJsonDocument>
#include <QJsonParseError>
#include <QUuid>

#include <algorithm>
#include <limits>

using namespace Qt::Literals::StringLiterals;

namespace mapping {

std::optional<QJsonObject> topLevelObject(const QByteArray& body) {
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(body, &error);
    if (error.error != QJsonParseError::NoError || !document.isObject())
        return std::nullopt;
    return document.object();
}

namespace {

// Every element of `list` is of `type`; read without building a QJsonValue for each.
bool allOfType(const QJsonArray& list, QJsonValue::Type type) {
    return std::all_of(list.constBegin(), list.constEnd(),
                       [type](QJsonValueConstRef element) { return element.type() == type; });
}

} // namespace

std::optional<QJsonArray> objectList(const QJsonObject& object, QLatin1StringView key) {
    std::optional<QJsonArray> list = json::array(object, key);
    if (!list || !allOfType(*list, QJsonValue::Object))
        return std::nullopt;
    return list;
}

std::optional<QJsonObject> firstObject(const QJsonObject& object, QLatin1StringView key) {
    const std::optional<QJsonArray> list = objectList(object, key);
    return list ? json::objectAt(*list, 0) : std::nullopt;
}

std::optional<QString> firstText(const QJsonObject& object, QLatin1StringView key, TextBound bound) {
    const std::optional<QJsonArray> list = json::array(object, key);
    if (!list || list->isEmpty() || !allOfType(*list, QJsonValue::String))
        return std::nullopt;
    return boundedText((*list->constBegin()).toString(), bound);
}

std::optional<QJsonObject> objectAtPath(const QJsonObject& object,
                                        std::initializer_list<QLatin1StringView> keys) {
    std::optional<QJsonObject> current = object;
    for (QLatin1StringView key : keys) {
        current = json::object(*current, key);
        if (!current)
            return std::nullopt;
    }
    return current;
}

std::optional<QString> textAtPath(const QJsonObject& object,
                                  std::initializer_list<QLatin1StringView> objectKeys, QLatin1StringView key,
                                  TextBound bound) {
    const std::optional<QJsonObject> holder = objectAtPath(object, objectKeys);
    return holder ? json::text(*holder, key, bound) : std::nullopt;
}

std::optional<QString> firstTextAmong(std::initializer_list<TextSource> sources, TextBound bound) {
    for (const TextSource& source : sources) {
        if (std::optional<QString> value = json::text(source.object, source.key, bound))
            return value;
    }
    return std::nullopt;
}

std::optional<QDateTime> startTimeAmong(std::initializer_list<TextSource> sources) {
    const std::optional<QString> text = firstTextAmong(sources, field::label);
    return text ? parseDate(*text) : std::nullopt;
}

StatusTexts readStatus(const QJsonObject& competition) {
    StatusTexts result;
    const std::optional<QJsonObject> status = json::object(competition, "status"_L1);
    const std::optional<QJsonObject> type = status ? json::object(*status, "type"_L1) : std::nullopt;
    if (type) {
        const std::optional<QString> name = json::text(*type, "name"_L1, field::label);
        result.status = mapGameStatus(json::text(*type, "state"_L1, field::label, u"pre"_s),
                                      name ? std::optional<QStringView>(*name) : std::nullopt);
        result.shortDetail = json::text(*type, "shortDetail"_L1, field::label);
    }
    if (status)
        result.displayClock = json::text(*status, "displayClock"_L1, field::label);
    return result;
}

std::optional<QString> firstBroadcastName(const QJsonObject& competition) {
    const std::optional<QJsonObject> broadcast = firstObject(competition, "broadcasts"_L1);
    if (!broadcast)
        return std::nullopt;
    if (std::optional<QString> name = firstText(*broadcast, "names"_L1, field::label))
        return name;
    return textAtPath(*broadcast, {"media"_L1}, "shortName"_L1, field::label);
}

std::optional<QString> venueName(const QJsonObject& holder) {
    return textAtPath(holder, {"venue"_L1}, "fullName"_L1, field::label);
}

HomeAndAway homeAndAway(const QJsonArray& competitors) {
    qsizetype home = -1;
    qsizetype away = -1;
    for (qsizetype i = 0; i < competitors.size() && (home < 0 || away < 0); ++i) {
        const QJsonValueConstRef element = competitors.constBegin()[i];
        if (!element.isObject())
            continue;
        const std::optional<QString> mark = json::text(element.toObject(), "homeAway"_L1, field::label);
        if (!mark)
            continue;
        if (home < 0 && *mark == "home"_L1)
            home = i;
        else if (away < 0 && *mark == "away"_L1)
            away = i;
    }
    return {json::objectAt(competitors, home < 0 ? 0 : home),
            json::objectAt(competitors, away < 0 ? 1 : away)};
}

std::optional<qint64> integerText(QStringView text) {
    qsizetype index = 0;
    bool negative = false;
    if (!text.isEmpty() && (text.front() == u'+' || text.front() == u'-')) {
        negative = text.front() == u'-';
        index = 1;
    }
    if (index == text.size())
        return std::nullopt;
    // Accumulate as a negative number so that the most negative value fits too.
    constexpr qint64 minimum = std::numeric_limits<qint64>::min();
    qint64 value = 0;
    for (; index < text.size(); ++index) {
        const char16_t c = text.at(index).unicode();
        if (c < u'0' || c > u'9')
            return std::nullopt;
        const int digit = c - u'0';
        if (value < (minimum + digit) / 10)
            return std::nullopt;
        value = value * 10 - digit;
    }
    if (negative)
        return value;
    if (value == minimum)
        return std::nullopt;
    return -value;
}

qint64 scoreText(const QJsonObject& competitor) {
    const std::optional<QString> score = json::text(competitor, "score"_L1, field::label);
    if (!score)
        return 0;
    return integerText(*score).value_or(0);
}

std::optional<QUrl> urlFromText(const std::optional<QString>& text) {
    if (!text || text->isEmpty())
        return std::nullopt;
    QUrl url(*text, QUrl::StrictMode);
    if (!url.isValid())
        return std::nullopt;
    return url;
}

QString randomId() {
    return QUuid::createUuid().toString(QUuid::WithoutBraces).toUpper();
}

QString textOrRandomId(const QJsonObject& object, QLatin1StringView key) {
    std::optional<QString> value = json::text(object, key, field::label);
    return value ? std::move(*value) : randomId();
}

} // namespace mapping
