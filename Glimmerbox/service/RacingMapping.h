#pragma once

#include "model/Game.h"
#include "model/League.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonObject>

#include <optional>

// One game per race weekend, from its "Race" session: the leading two drivers as sides, every driver in
// raceStandings. `events` holds objects only.
QList<Game> parseRacingEvent(const QJsonArray& events, const League& league, const QDateTime& now);
