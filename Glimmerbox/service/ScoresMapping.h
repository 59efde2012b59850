#pragma once

#include "GameDetail.h"
#include "ServiceResult.h"
#include "TopScorer.h"
#include "model/Game.h"
#include "model/League.h"
#include "model/Team.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

class ScoreboardBoundLog;

// Pure mappings from the scores service's reply bodies to model values. Only a reply without its top-level
// structure fails (APIError::parsingError); a malformed single event is dropped, a value of the wrong kind
// takes its default. `now` is the moment of mapping (Game::lastUpdate, play timestamps).

// The most games one scoreboard reply brings. The largest real ones (a college football Saturday, a Grand
// Slam's draw) stay far below; a reply of tens of thousands would otherwise be held, compared, listed and
// notified game by game. The first ones in reply order are kept.
inline constexpr qsizetype maximumScoreboardGames = 1000;

// A league's scoreboard, at most maximumScoreboardGames of it; racing and tennis leagues have their own event
// shapes. Of events that share an id, the first is kept (firstGameOfEachId). What the bound left out is told
// to `boundLog`; without one, every such reply is logged.
ServiceResult<QList<Game>> parseScoreboard(const QByteArray& body, const League& league, const QDateTime& now,
                                           ScoreboardBoundLog& boundLog);
ServiceResult<QList<Game>> parseScoreboard(const QByteArray& body, const League& league,
                                           const QDateTime& now);

// The first game of each id, in reply order. Within a league a game is known by its id (pins, change
// detection, detail windows): a later event under the same id would stand in for the first one refresh after
// refresh.
QList<Game> firstGameOfEachId(QList<Game> games);

// A game's summary: the game, its leaders and its plays (newest first). A summary whose header names another
// game than `gameId` fails as unreadable.
ServiceResult<GameDetail> parseSummary(const QByteArray& body, const League& league, const QString& gameId,
                                       const QDateTime& now);

// The first leader of each team in a game's summary (or its box score), for the overlay's leaders panel.
ServiceResult<QList<TopScorer>> parseTopScorers(const QByteArray& body);

// How many teams a league's team list is asked for: 400 for a college league (its divisions hold hundreds),
// 50 for the others.
int teamListLimit(const League& league);

// A league's team list, at most teamListLimit(league) of them: a reply that brings more keeps the first
// ones and logs how many it dropped.
ServiceResult<QList<Team>> parseTeams(const QByteArray& body, const League& league);
