#pragma once

#include "TestData.h"
#include "model/League.h"
#include "service/ScoresMapping.h"

#include <QDateTime>

#include <gtest/gtest.h>

#include <ostream>

// Readable failure messages for texts and URLs.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
inline void PrintTo(const QUrl& url, std::ostream* os) {
    *os << url.toString().toStdString();
}

// The moment of mapping every mapping test passes.
inline QDateTime mappingNow() {
    return QDateTime(QDate(2026, 9, 13), QTime(18, 0), Qt::UTC);
}

inline League leagueWithId(const QString& id) {
    const std::optional<League> league = League::withId(id);
    EXPECT_TRUE(league) << qPrintable(id);
    return league.value_or(League{});
}

// The games of a scoreboard reply that is expected to map.
inline QList<Game> scoreboardGames(const QByteArray& body, const QString& leagueId) {
    ServiceResult<QList<Game>> result = parseScoreboard(body, leagueWithId(leagueId), mappingNow());
    EXPECT_TRUE(result.ok()) << "the reply did not map";
    return result.ok() ? std::move(result).value() : QList<Game>();
}

inline TeamRecord record(qint64 wins, qint64 losses, std::optional<qint64> ties = std::nullopt) {
    TeamRecord result;
    result.wins = wins;
    result.losses = losses;
    result.ties = ties;
    return result;
}

// One scoreboard event built around a competition object, for cases the recorded replies do not cover.
inline QByteArray scoreboardWith(const QByteArray& competition, const QByteArray& event = R"("id": "1")") {
    return R"({"events": [{)" + event + R"(, "date": "2026-09-13T17:00Z", "competitions": [)" + competition +
           "]}]}";
}

inline QByteArray twoTeams(const QByteArray& extra = "") {
    return R"("competitors": [
        {"homeAway": "home", "team": {"id": "2", "displayName": "Buffalo Bills", "abbreviation": "BUF"}},
        {"homeAway": "away", "team": {"id": "12", "displayName": "Kansas City Chiefs", "abbreviation": "KC"}}])" +
           extra;
}
