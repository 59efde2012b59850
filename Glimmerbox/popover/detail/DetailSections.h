#pragma once

#include "model/Game.h"
#include "model/PlayByPlayEvent.h"
#include "service/GameDetail.h"

#include <QList>
#include <QMap>
#include <QString>

#include <optional>
#include <utility>

// What the detail panel's tabs list, chosen from the loaded detail.
namespace detailsections {

using Stat = std::pair<QString, QString>; // name, value

// "Game Leaders": the first four of the home leaders followed by the away leaders, so four home leaders
// leave no room for any away leader.
QList<LeaderCategory> leaderRows(const GameLeaders& leaders);

// "Recent Plays": the five newest (the list holds the newest first).
QList<PlayByPlayEvent> recentPlays(const QList<PlayByPlayEvent>& plays);

// The Stats tab's column: the first three statistics by name, in ascending order.
QList<Stat> leadingStats(const QMap<QString, QString>& stats);

// The box score's one statistic per player: the first the dictionary yields.
std::optional<Stat> firstStat(const QMap<QString, QString>& stats);

// "Game Info": venue, broadcast and date, then the odds when there are any.
struct InfoRow {
    QString label;
    QString value;
};
QList<InfoRow> gameInfoRows(const Game& game);

} // namespace detailsections
