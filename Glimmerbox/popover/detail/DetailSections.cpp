#include "popover/detail/DetailSections.h"

#include "popover/common/GameText.h"

namespace detailsections {

QList<LeaderCategory> leaderRows(const GameLeaders& leaders) {
    return (leaders.homeLeaders + leaders.awayLeaders).mid(0, 4);
}

QList<PlayByPlayEvent> recentPlays(const QList<PlayByPlayEvent>& plays) {
    return plays.mid(0, 5);
}

QList<Stat> leadingStats(const QMap<QString, QString>& stats) {
    QList<Stat> leading;
    // QMap iterates in ascending key order.
    for (auto it = stats.cbegin(); it != stats.cend() && leading.size() < 3; ++it)
        leading.append({it.key(), it.value()});
    return leading;
}

std::optional<Stat> firstStat(const QMap<QString, QString>& stats) {
    if (stats.isEmpty())
        return std::nullopt;
    return Stat{stats.firstKey(), stats.first()};
}

QList<InfoRow> gameInfoRows(const Game& game) {
    const QString tbd = QStringLiteral("TBD");
    QList<InfoRow> rows{
        {QStringLiteral("Venue"), game.venue.value_or(tbd)},
        {QStringLiteral("Broadcast"), game.broadcast.value_or(tbd)},
        {QStringLiteral("Date"), gametext::dateTimeText(game.startTime)},
    };
    if (game.odds) {
        if (game.odds->spread)
            rows.append({QStringLiteral("Spread"),
                         gametext::spreadText(*game.odds->spread, game.odds->spreadFavorite)});
        if (game.odds->overUnder)
            rows.append({QStringLiteral("O/U"), gametext::plainDecimal(*game.odds->overUnder)});
    }
    return rows;
}

} // namespace detailsections
