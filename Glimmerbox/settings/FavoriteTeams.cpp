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
    QHash<QString, Team> byLeagueTeamId;
    for (const Team& team : std::as_const(source))
        byLeagueTeamId.insert(team.leagueTeamId(), team);

    QList<Team> teams = byLeagueTeamId.values();
    std::ranges::sort(teams, [&favorites](const Team& left, const Team& right) {
        const bool leftFavorite = namesTeam(favorites, left);
        if (leftFavorite != namesTeam(favorites, right))
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

void toggleFavorite(UserPreferences& prefs, const Team& team, const QList<Team>& listed) {
    QSet<QString> ids = prefs.favoriteTeamIds();
    if (!namesTeam(ids, team)) {
        ids.insert(team.leagueTeamId());
    } else {
        ids.remove(team.leagueTeamId());
        if (ids.remove(team.id)) {
            for (const Team& other : listed) {
                if (other.id == team.id && other.leagueTeamId() != team.leagueTeamId())
                    ids.insert(other.leagueTeamId());
            }
        }
    }
    prefs.setFavoriteTeamIds(ids);
    prefs.save();
}

} // namespace favoriteteams
