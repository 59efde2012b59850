#include "ScoresMapping.h"

#include "MappingSupport.h"
#include "SummarySides.h"
#include "platform/JsonRead.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QString athleteName(const QJsonObject& entry) {
    return mapping::textAtPath(entry, {"athlete"_L1}, "displayName"_L1, field::label).value_or(u"Unknown"_s);
}

std::optional<QUrl> headshotLink(const QJsonObject& entry) {
    return mapping::urlFromText(
        mapping::textAtPath(entry, {"athlete"_L1, "headshot"_L1}, "href"_L1, field::address));
}

// Each team's first leader of its first category.
QList<TopScorer> scorersFromLeaders(const QJsonObject& summary, const SummarySides& sides) {
    QList<TopScorer> scorers;
    const std::optional<QJsonArray> blocks = mapping::objectList(summary, "leaders"_L1);
    if (!blocks)
        return scorers;
    for (const QJsonValue& value : *blocks) {
        const QJsonObject block = value.toObject();
        const std::optional<QJsonObject> category = mapping::firstObject(block, "leaders"_L1);
        const std::optional<QJsonObject> entry =
            category ? mapping::firstObject(*category, "leaders"_L1) : std::nullopt;
        if (!entry)
            continue;
        std::optional<QUrl> headshot =
            mapping::urlFromText(mapping::textAtPath(*entry, {"athlete"_L1}, "headshot"_L1, field::address));
        if (!headshot)
            headshot = headshotLink(*entry);
        scorers.append(TopScorer{athleteName(*entry),
                                 json::text(*entry, "displayValue"_L1, field::label, QString()),
                                 std::move(headshot), sides.isHome(block)});
    }
    return scorers;
}

// Each team's first listed player of its first statistics group, when the summary has no leaders.
QList<TopScorer> scorersFromBoxScore(const QJsonObject& summary, const SummarySides& sides) {
    QList<TopScorer> scorers;
    const std::optional<QJsonObject> boxscore = json::object(summary, "boxscore"_L1);
    const std::optional<QJsonArray> blocks =
        boxscore ? mapping::objectList(*boxscore, "players"_L1) : std::nullopt;
    if (!blocks)
        return scorers;
    for (const QJsonValue& value : *blocks) {
        const QJsonObject block = value.toObject();
        const std::optional<QJsonObject> statistics = mapping::firstObject(block, "statistics"_L1);
        const std::optional<QJsonObject> entry =
            statistics ? mapping::firstObject(*statistics, "athletes"_L1) : std::nullopt;
        if (!entry)
            continue;
        scorers.append(TopScorer{athleteName(*entry),
                                 mapping::firstText(*entry, "stats"_L1, field::label).value_or(QString()),
                                 headshotLink(*entry), sides.isHome(block)});
    }
    return scorers;
}

} // namespace

ServiceResult<QList<TopScorer>> parseTopScorers(const QByteArray& body) {
    const std::optional<QJsonObject> summary = mapping::topLevelObject(body);
    if (!summary)
        return APIError::parsingError();
    const SummarySides sides(*summary);
    QList<TopScorer> scorers = scorersFromLeaders(*summary, sides);
    if (scorers.isEmpty())
        scorers = scorersFromBoxScore(*summary, sides);
    return scorers;
}
