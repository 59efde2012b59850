#pragma once

#include "model/Game.h"
#include "model/League.h"
#include "platform/time/Clock.h"
#include "service/Scoreboard.h"

#include <QCoroTask>
#include <QList>
#include <QString>

#include <optional>

class ScoresService;

// Games gathered from one or more answers, each beside the moment its request was sent on the monotonic
// clock (index for index): which of two copies of a game is the more recent.
struct StampedGames {
    QList<Game> games;
    QList<MonotonicTime> sentAt;
};

// A scoreboard's games, each stamped with its request.
StampedGames stamped(Scoreboard scoreboard);

// One league's answer to a refresh: its games, or nothing when its current scoreboard failed.
struct LeagueGames {
    QString leagueId;
    std::optional<StampedGames> games;
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
