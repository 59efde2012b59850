#include "FavoriteTeams.h"

#include "model/UserPreferences.h"

#include <QHash>

#include <algorithm>

namespace favoriteteams {

QList<Team> sortedTeams(const QList<Team>& allTeams, QList<Game> games, const QSet<QString>& favorites) {
    QList<Team> source = allTeams;
    if (source.isEmpty()) {
        std::ranges::stable_sort(games, {}, &Game::startTime);
        for (const Game& game : std::as_const(games))
            source << game.homeTeam << game.awayTeam;
    }
    QHash<QString, Team> byId;
    for (const Team& team : std::as_const(source))
        byId.insert(team.id, team);

    QList<Team> teams = byId.values();
    std::ranges::sort(teams, [&favorites](const Team& left, const Team& right) {
        const bool leftFavorite = favorites.contains(left.id);
        if (leftFavorite != favorites.contains(right.id))
            return leftFavorite;
        return left.name < right.name;
    });
    return teams;
}

QList<Team> filteredTeams(const QList<Team>& sorted, const QString& searchText) {
    if (searchText.isEmpty())
        return sorted;
    const QString needle = searchText.toLower();
    QList<Team> matches;
    std::ranges::copy_if(sorted, std::back_inserter(matches), [&needle](const Team& team) {
        return team.name.toLower().contains(needle) || team.abbreviation.toLower().contains(needle);
    });
    return matches;
}

void toggleFavorite(UserPreferences& prefs, const QString& teamId) {
    QSet<QString> ids = prefs.favoriteTeamIds();
    if (!ids.remove(teamId))
        ids.insert(teamId);
    prefs.setFavoriteTeamIds(ids);
    prefs.save();
}

} // namespace favoriteteams
