#pragma once

#include "model/Game.h"
#include "model/League.h"

#include <QDateTime>
#include <QJsonObject>

#include <optional>

// One scoreboard event of a two-sided sport; nothing when the event is malformed or not yet paired.
std::optional<Game> parseEvent(const QJsonObject& event, const League& league, const QDateTime& now);

// The live situation of a competition, read by sport; nothing for a missing or empty situation.
std::optional<GameSituation> parseSituation(const std::optional<QJsonObject>& situation, Sport sport);
