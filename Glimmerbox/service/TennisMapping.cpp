#include "TennisMapping.h"

#include "MappingSupport.h"
#include "TeamMapping.h"
#include "platform/JsonRead.h"

#include <QStringList>

#include <cmath>

using namespace Qt::Literals::StringLiterals;

namespace {

// Games won in one set. A value that is no finite number inside the 64-bit range counts as 0.
qint64 setGames(const QJsonObject& set) {
    const double value = std::trunc(json::number(set, "value"_L1).value_or(0));
    if (!std::isfinite(value) || value < -9223372036854775808.0 || value >= 9223372036854775808.0)
        return 0;
    return static_cast<qint64>(value);
}

// "away-home" games of one set.
QString setScore(const QJsonObject& homeSet, const QJsonObject& awaySet) {
    return QString::number(setGames(awaySet)) + u'-' + QString::number(setGames(homeSet));
}

QStringList setScores(const QJsonArray& homeSets, const QJsonArray& awaySets) {
    QStringList scores;
    const qsizetype count = std::min(homeSets.size(), awaySets.size());
    for (qsizetype i = 0; i < count; ++i)
        scores.append(setScore(homeSets.at(i).toObject(), awaySets.at(i).toObject()));
    return scores;
}

// The set scores, away games first ("3-6 6-4"); nothing when the home player has no sets yet.
std::optional<QString> joinLinescores(const QJsonObject& home, const QJsonObject& away) {
    const std::optional<QJsonArray> homeSets = mapping::objectList(home, "linescores"_L1);
    const std::optional<QJsonArray> awaySets = mapping::objectList(away, "linescores"_L1);
    if (!homeSets || !awaySets || homeSets->isEmpty())
        return std::nullopt;
    return boundedText(setScores(*homeSets, *awaySets).join(u' '), field::label);
}

qint64 setsWon(const QJsonObject& competitor) {
    const std::optional<QJsonArray> sets = mapping::objectList(competitor, "linescores"_L1);
    if (!sets)
        return 0;
    return std::count_if(sets->begin(), sets->end(), [](const QJsonValue& set) {
        return json::boolean(set.toObject(), "winner"_L1) == true;
    });
}

std::optional<Game> parseMatch(const QJsonObject& match, const QJsonObject& event, const QString& eventName,
                               const League& league, const QDateTime& now) {
    std::optional<QString> id = json::text(match, "id"_L1, field::label);
    if (!id)
        return std::nullopt;
    const std::optional<QJsonArray> competitors = mapping::objectList(match, "competitors"_L1);
    if (!competitors || competitors->size() < 2)
        return std::nullopt;
    for (const QJsonValue& competitor : *competitors) {
        if (isPlaceholderAthlete(competitor.toObject()))
            return std::nullopt;
    }
    const mapping::HomeAndAway sides = mapping::homeAndAway(*competitors);
    const QJsonObject& home = *sides.home;
    const QJsonObject& away = *sides.away;

    Game game;
    game.homeTeam = parseAthleteTeam(home, league);
    game.awayTeam = parseAthleteTeam(away, league);
    game.homeScore = setsWon(home);
    game.awayScore = setsWon(away);
    mapping::StatusTexts status = mapping::readStatus(match);
    game.status = status.status;
    game.clock = std::move(status.displayClock);
    std::optional<QDateTime> startTime =
        mapping::startTimeAmong({{match, "startDate"_L1}, {match, "date"_L1}, {event, "date"_L1}});
    if (!startTime)
        return std::nullopt;
    game.startTime = std::move(*startTime);
    game.period = joinLinescores(home, away);
    if (!game.period)
        game.period = std::move(status.shortDetail);
    game.venue = mapping::venueName(match);
    // The tournament's name stands where other sports show the broadcaster.
    game.broadcast = eventName;
    game.id = std::move(*id);
    game.league = league;
    game.lastUpdate = now;
    return game;
}

} // namespace

QList<Game> parseTennisEvent(const QJsonArray& events, const League& league, const QDateTime& now) {
    QList<Game> games;
    for (const QJsonValue& eventValue : events) {
        const QJsonObject event = eventValue.toObject();
        const QString eventName = json::text(event, "name"_L1, field::label, QString());
        const std::optional<QJsonArray> groupings = mapping::objectList(event, "groupings"_L1);
        if (!groupings)
            continue;
        for (const QJsonValue& grouping : *groupings) {
            const std::optional<QJsonArray> matches =
                mapping::objectList(grouping.toObject(), "competitions"_L1);
            if (!matches)
                continue;
            for (const QJsonValue& match : *matches) {
                if (std::optional<Game> game = parseMatch(match.toObject(), event, eventName, league, now))
                    games.append(std::move(*game));
            }
        }
    }
    return games;
}
