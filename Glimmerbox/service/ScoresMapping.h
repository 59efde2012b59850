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

// Pure mappings from the scores service's reply bodies to model values. Only a reply without its top-level
// structure fails (APIError::parsingError); a malformed single event is dropped, a value of the wrong kind
// takes its default. `now` is the moment of mapping (Game::lastUpdate, play timestamps).

// A league's scoreboard; racing and tennis leagues have their own event shapes.
ServiceResult<QList<Game>> parseScoreboard(const QByteArray& body, const League& league,
                                           const QDateTime& now);

// A game's summary: the game, its leaders and its plays (newest first).
ServiceResult<GameDetail> parseSummary(const QByteArray& body, const League& league, const QString& gameId,
                                       const QDateTime& now);

// The first leader of each team in a game's summary (or its box score), for the overlay's leaders panel.
ServiceResult<QList<TopScorer>> parseTopScorers(const QByteArray& body);

// A league's team list.
ServiceResult<QList<Team>> parseTeams(const QByteArray& body, const League& league);
