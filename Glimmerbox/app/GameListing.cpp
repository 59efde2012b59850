#include "GameListing.h"

#include <algorithm>

namespace gamelisting {

QList<League> enabledLeaguesInCatalogueOrder(const QSet<QString>& enabledIds) {
    QList<League> leagues;
    for (const League& league : League::allLeagues()) {
        if (enabledIds.contains(league.id))
            leagues.append(league);
    }
    return leagues;
}

QList<Game> liveThenScheduledThenFinal(const QList<Game>& games) {
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

} // namespace gamelisting
