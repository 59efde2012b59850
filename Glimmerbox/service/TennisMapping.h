#pragma once

#include "model/Game.h"
#include "model/League.h"

#include <QDateTime>
#include <QJsonArray>

// One game per match of every draw of every tournament, with the set scores as its period text.
// `events` holds objects only.
QList<Game> parseTennisEvent(const QJsonArray& events, const League& league, const QDateTime& now);
