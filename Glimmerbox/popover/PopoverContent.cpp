#include "PopoverContent.h"

#include "GameText.h"

#include <algorithm>

namespace popovercontent {

QList<League> visibleLeagues(const QSet<QString>& enabledLeagues) {
    QList<League> visible;
    for (const League& league : League::allLeagues()) {
        if (enabledLeagues.contains(league.id))
            visible.append(league);
    }
    return visible;
}

QList<Game> orderedGames(const QList<Game>& games) {
    QList<Game> live;
    QList<Game> scheduled;
    QList<Game> finals;
    for (const Game& game : games) {
        if (game.isLive())
            live.append(game);
        else if (game.status == GameStatus::scheduled)
            scheduled.append(game);
        else if (game.status == GameStatus::final_)
            finals.append(game);
    }
    std::stable_sort(scheduled.begin(), scheduled.end(),
                     [](const Game& a, const Game& b) { return a.startTime < b.startTime; });
    return live + scheduled + finals;
}

QList<Game> liveNowGames(const QList<Game>& liveGames, const QList<Game>& pinnedGames) {
    if (!pinnedGames.isEmpty())
        return {};
    return liveGames.mid(0, 3);
}

bool isPinned(const Game& game, const QList<Game>& pinnedGames) {
    return std::any_of(pinnedGames.cbegin(), pinnedGames.cend(),
                       [&game](const Game& pinned) { return pinned.id == game.id; });
}

SectionHeader sectionHeader(const QList<Game>& games) {
    return {games.size(),
            std::any_of(games.cbegin(), games.cend(), [](const Game& game) { return game.isLive(); })};
}

std::optional<QString> updatedText(const std::optional<QDateTime>& lastRefresh, const QDateTime& now) {
    if (!lastRefresh)
        return std::nullopt;
    return QStringLiteral("Updated ") + gametext::relativeText(*lastRefresh, now);
}

} // namespace popovercontent
