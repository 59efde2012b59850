#include "PickerSections.h"

#include "app/GameListing.h"

#include <algorithm>

namespace PickerSections {

QList<Game> liveGames(const QList<League>& leagues, const GamesByLeague& games, const QDateTime& now) {
    QList<Game> live;
    for (const League& league : leagues) {
        for (const Game& game : AppState::relevantGames(games.value(league.id), now)) {
            if (game.isLive())
                live.append(game);
        }
    }
    return live;
}

QList<PickerSection> build(const QList<Game>& pinnedGames, const GamesByLeague& games,
                           const QSet<QString>& enabledIds, const QDateTime& now) {
    QList<PickerSection> sections;
    if (!pinnedGames.isEmpty())
        sections.append(
            {PickerSection::Kind::pinned, std::nullopt, int(pinnedGames.size()), false, pinnedGames});

    const QList<League> leagues = gamelisting::enabledLeaguesInCatalogueOrder(enabledIds);
    const QList<Game> live = liveGames(leagues, games, now);
    if (!live.isEmpty())
        sections.append({PickerSection::Kind::liveNow, std::nullopt, int(live.size()), false, live});

    for (const League& league : leagues) {
        const QList<Game> leagueGames = AppState::relevantGames(games.value(league.id), now);
        if (leagueGames.isEmpty())
            continue;
        const bool anyLive = std::any_of(leagueGames.cbegin(), leagueGames.cend(),
                                         [](const Game& game) { return game.isLive(); });
        sections.append({PickerSection::Kind::league, league, int(leagueGames.size()), anyLive,
                         gamelisting::liveThenScheduledThenFinal(leagueGames)});
    }
    return sections;
}

} // namespace PickerSections
