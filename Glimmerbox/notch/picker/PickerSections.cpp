#include "notch/picker/PickerSections.h"

#include "app/GameListing.h"

namespace PickerSections {

QList<PickerSection> build(const QList<Game>& pinnedGames, const GamesByLeague& games,
                           const QSet<QString>& enabledIds, const QDateTime& now) {
    QList<PickerSection> sections;
    if (!pinnedGames.isEmpty())
        sections.append(
            {PickerSection::Kind::pinned, std::nullopt, int(pinnedGames.size()), false, pinnedGames});

    // Each league's relevant games, worked out once: Live Now takes the live ones league by league in
    // catalogue order, and each league with any gets its own section after it.
    QList<Game> live;
    QList<PickerSection> leagueSections;
    for (const League& league : gamelisting::enabledLeaguesInCatalogueOrder(enabledIds)) {
        const QList<Game> leagueGames = AppState::relevantGames(games.value(league.id), now);
        if (leagueGames.isEmpty())
            continue;
        bool anyLive = false;
        for (const Game& game : leagueGames) {
            if (game.isLive()) {
                live.append(game);
                anyLive = true;
            }
        }
        leagueSections.append({PickerSection::Kind::league, league, int(leagueGames.size()), anyLive,
                               gamelisting::liveThenScheduledThenFinal(leagueGames)});
    }
    if (!live.isEmpty())
        sections.append({PickerSection::Kind::liveNow, std::nullopt, int(live.size()), false, live});
    sections.append(leagueSections);
    return sections;
}

} // namespace PickerSections
