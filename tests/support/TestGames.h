#pragma once

#include "model/Game.h"
#include "model/League.h"
#include "model/UserPreferences.h"

#include <QDateTime>
#include <QString>

#include <ostream>

// Games for the application-state tests: plain values that a test adjusts field by field.

inline League testLeague(const QString& id) {
    return League::withId(id).value_or(League{id, id, id.toUpper(), Sport::football, {}, {}, true, 0});
}

inline Team testTeam(const QString& id, const QString& leagueId) {
    Team team;
    team.id = id;
    team.name = "Team " + id;
    team.abbreviation = id.left(3).toUpper();
    team.league = testLeague(leagueId);
    return team;
}

// A scheduled game two hours after `now`, between the teams "home-<id>" and "away-<id>".
inline Game testGame(const QString& id, const QString& leagueId, const QDateTime& now) {
    Game game;
    game.id = id;
    game.league = testLeague(leagueId);
    game.homeTeam = testTeam("home-" + id, leagueId);
    game.awayTeam = testTeam("away-" + id, leagueId);
    game.startTime = now.toUTC().addSecs(7200);
    game.lastUpdate = now.toUTC();
    return game;
}

inline Game withStatus(Game game, GameStatus status, qint64 homeScore = 0, qint64 awayScore = 0,
                       std::optional<QString> period = std::nullopt) {
    game.status = status;
    game.homeScore = homeScore;
    game.awayScore = awayScore;
    game.period = std::move(period);
    return game;
}

inline QStringList idsOf(const QList<Game>& games) {
    QStringList ids;
    for (const Game& game : games)
        ids.append(game.id);
    return ids;
}

// Notifications on for every game and every kind, no quiet hours, no league followed yet.
inline void useTestNotificationSettings(UserPreferences& preferences) {
    preferences.setEnabledLeagues({});
    preferences.setNotifyFavoritesOnly(false);
    preferences.setNotificationsEnabled(true);
    preferences.setQuietHoursEnabled(false);
    for (auto setter : {&UserPreferences::setNotifyGameStart, &UserPreferences::setNotifyGameEnd,
                        &UserPreferences::setNotifyScoreChange, &UserPreferences::setNotifyCloseGame,
                        &UserPreferences::setNotifyOvertime})
        (preferences.*setter)(true);
}

// Readable QStrings (and QStringLists) in failure messages.
inline void PrintTo(const QString& text, std::ostream* os) {
    *os << '"' << text.toStdString() << '"';
}
