#pragma once

#include "model/Game.h"
#include "model/Team.h"

#include <QList>
#include <QSet>
#include <QString>

class UserPreferences;

// The Teams tab's list: every known team once, favourites first, each group by name.
namespace favoriteteams {

// The teams of `allTeams`, or while that is empty the teams of `games` (taken by start time, home then
// away, the latest copy of a team winning), each team of each league once; favourites first, then by name,
// case-sensitive.
QList<Team> sortedTeams(const QList<Team>& allTeams, QList<Game> games, const QSet<QString>& favorites);

// The teams whose name or abbreviation contains `searchText`, ignoring case; all of them for an empty text.
// The text is taken as typed: a space is a character to find.
QList<Team> filteredTeams(const QList<Team>& sorted, const QString& searchText);

// Stars or unstars the team, by its league team id, and saves at once. A team starred by a plain id (as
// stored before teams were told apart by league) loses its star alone: the other `listed` teams of that id
// keep theirs, by their league team ids.
void toggleFavorite(UserPreferences& prefs, const Team& team, const QList<Team>& listed);

} // namespace favoriteteams
