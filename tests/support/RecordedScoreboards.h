#pragma once

#include "TestData.h"

#include "model/League.h"
#include "service/ScoresMapping.h"

#include <QStringList>

// The recorded scoreboards of tests/data, mapped as the scores service maps them.
namespace recorded {

inline QList<Game> scoreboard(const QString& leagueId, const QDateTime& now) {
    const std::optional<League> league = League::withId(leagueId);
    EXPECT_TRUE(league) << qPrintable(leagueId);
    ServiceResult<QList<Game>> games =
        parseScoreboard(testdata::read("scoreboard/" + leagueId + ".json"), league.value_or(League{}), now);
    EXPECT_TRUE(games.ok()) << "the recorded " << qPrintable(leagueId) << " scoreboard did not map";
    return games.ok() ? std::move(games).value() : QList<Game>{};
}

// Both sides of every game, home first, in the scoreboard's order.
inline QList<Team> teamsOf(const QList<Game>& games) {
    QList<Team> teams;
    for (const Game& game : games)
        teams << game.homeTeam << game.awayTeam;
    return teams;
}

// The first game in `games` that `teamName` plays in.
inline Game gameOf(const QList<Game>& games, const QString& teamName) {
    for (const Game& game : games) {
        if (game.homeTeam.name == teamName || game.awayTeam.name == teamName)
            return game;
    }
    ADD_FAILURE() << "no game of " << qPrintable(teamName);
    return {};
}

// The four leagues whose recorded scoreboards share team ids: 2 is the Celtics, the Bills and the Red Sox.
inline const QStringList sharedIdLeagues{"nfl", "nba", "mlb", "nhl"};

} // namespace recorded
