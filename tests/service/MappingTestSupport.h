#pragma once

#include "TestData.h"
#include "model/League.h"
#include "service/ScoresMapping.h"

#include <QDateTime>
#include <QJsonDocument>

#include <gtest/gtest.h>

#include <ostream>

// Expected values are written with designated initializers naming only the fields a case sets; the others
// keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

// Readable failure messages for texts, URLs, errors and mapped values.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QStringList& texts, std::ostream* os) {
    *os << "{\"" << texts.join("\", \"").toStdString() << "\"}";
}
inline void PrintTo(const QUrl& url, std::ostream* os) {
    *os << url.toString().toStdString();
}
inline void PrintTo(const APIError& error, std::ostream* os) {
    *os << error.errorDescription().toStdString();
}
template <typename T>
requires requires(const T& value) {
    value.toJson();
}
void PrintTo(const T& value, std::ostream* os) {
    *os << QJsonDocument(value.toJson()).toJson(QJsonDocument::Compact).toStdString();
}

inline QDateTime utc(int year, int month, int day, int hour, int minute, int second = 0, int ms = 0) {
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), Qt::UTC);
}

// The moment of mapping every mapping test passes.
inline QDateTime mappingNow() {
    return utc(2026, 9, 13, 18, 0);
}

inline League leagueWithId(const QString& id) {
    const std::optional<League> league = League::withId(id);
    EXPECT_TRUE(league) << qPrintable(id);
    return league.value_or(League{});
}

// The value of a reply that is expected to map.
template <typename T>
T mapped(ServiceResult<T> result) {
    EXPECT_TRUE(result.ok()) << "the reply did not map";
    return result.ok() ? std::move(result).value() : T{};
}

// The error of a reply expected to fail; nothing when it mapped.
template <typename T>
std::optional<APIError> errorOf(const ServiceResult<T>& result) {
    return result.ok() ? std::nullopt : std::optional(result.error());
}

inline QList<Game> scoreboardGames(const QByteArray& body, const QString& leagueId) {
    return mapped(parseScoreboard(body, leagueWithId(leagueId), mappingNow()));
}

// The one game of a reply expected to hold exactly one.
inline Game onlyGame(const QByteArray& body, const QString& leagueId) {
    const QList<Game> games = scoreboardGames(body, leagueId);
    EXPECT_EQ(games.size(), 1) << "games in the reply";
    return games.size() == 1 ? games.first() : Game{};
}

// A game's state in one line: "status|home score:away score|period|clock", "none" for an absent text.
inline QString stateOf(const Game& game) {
    return QStringList{rawValue(game.status),
                       QString::number(game.homeScore) + u':' + QString::number(game.awayScore),
                       game.period.value_or("none"), game.clock.value_or("none")}
        .join(u'|');
}

// A team in one line: "name|abbreviation|short name|location|colours|logo|record", "none" when absent.
inline QString describe(const Team& team) {
    const std::optional<TeamRecord>& record = team.record;
    return QStringList{team.name,
                       team.abbreviation,
                       team.shortName,
                       team.location,
                       team.primaryColor + u'/' + team.secondaryColor,
                       team.logoURL ? team.logoURL->toString() : "none",
                       record ? QString::number(record->wins) + u'-' + QString::number(record->losses) +
                                    (record->ties ? u'-' + QString::number(*record->ties) : QString())
                              : "none"}
        .join(u'|');
}

// "home id|away id" and "home name|away name".
inline QString sideIds(const Game& game) {
    return game.homeTeam.id + u'|' + game.awayTeam.id;
}
inline QString sideNames(const Game& game) {
    return game.homeTeam.name + u'|' + game.awayTeam.name;
}

// A scoreboard reply of one event made of `keys`, for cases the recorded replies do not cover.
inline QByteArray oneEvent(const QByteArray& keys, const QByteArray& date = "2026-09-13T17:00Z") {
    return R"({"events": [{"id": "1", "date": ")" + date + R"(", )" + keys + "}]}";
}

// One text per item, in order.
template <typename T, typename Text>
QStringList textsOf(const QList<T>& items, Text text) {
    QStringList texts;
    for (const T& item : items)
        texts.append(text(item));
    return texts;
}

// The ids of games, plays or drivers.
template <typename T>
QStringList idsOf(const QList<T>& items) {
    return textsOf(items, [](const T& item) { return item.id; });
}
