#pragma once

#include "model/Game.h"
#include "model/League.h"

#include <QCoroTask>
#include <QList>
#include <QString>

#include <optional>

class Clock;
class ScoresService;

// One league's answer to a refresh: its games, or nothing when its current scoreboard failed.
struct LeagueGames {
    QString leagueId;
    std::optional<QList<Game>> games;
};

// Where a refresh takes a league's current scoreboard from.
enum class CurrentScoreboard {
    uncached, // the fresh fetch: always from the network
    cached,   // the league refresh: through the 60 s reply cache
};

// The current scoreboard merged with today's, and for a racing league the finals of the most recent of the
// last seven days that has any. Only a failure of the current scoreboard is logged (and gives nothing);
// the dated and look-back requests fail silently.
QCoro::Task<LeagueGames> fetchLeagueGames(ScoresService& api, const Clock& clock, League league,
                                          CurrentScoreboard source);
