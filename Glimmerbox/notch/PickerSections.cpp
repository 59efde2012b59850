#include "PickerSections.h"

#include <algorithm>

namespace PickerSections {

QList<League> enabledLeagues(const QSet<QString>& enabledIds) {
    QList<League> leagues;
    for (const League& league : League::allLeagues()) {
        if (enabledIds.contains(league.id))
            leagues.append(league);
    }
    return leagues;
}

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

QList<Game> gamesOrderedByStatus(const QList<Game>& games) {
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

QList<PickerSection> build(const QList<Game>& pinnedGames, const GamesByLeague& games,
                           const QSet<QString>& enabledIds, const QDateTime& now) {
    QList<PickerSection> sections;
    if (!pinnedGames.isEmpty())
        sections.append(
            {PickerSection::Kind::pinned, std::nullopt, int(pinnedGames.size()), false, pinnedGames});

    const QList<League> leagues = enabledLeagues(enabledIds);
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
                         gamesOrderedByStatus(leagueGames)});
    }
    return sections;
}

} // namespace PickerSections
