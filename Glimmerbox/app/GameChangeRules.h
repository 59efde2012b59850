#pragma once

#include "model/Game.h"

#include <QDateTime>
#include <QSet>
#include <QString>

class UserPreferences;

// The tests that change detection applies to a game and to the time of day.

// A score is close when the two sides are at most this many points apart (the closeGameThreshold setting
// is not consulted).
inline constexpr qint64 closeGameMargin = 7;

// Whether `teamIds` names the home or the away team (namesTeam; the favourites filter of notifications
// and of automatic pinning).
bool involvesTeam(const Game& game, const QSet<QString>& teamIds);

// Live and within closeGameMargin.
bool isCloseLiveGame(const Game& game);

// Whether the period text names overtime as a word of its own: "OT", "2OT", "OT2", "Overtime", any case.
// "Bot 5th" (bottom of an inning) or "Shootout" do not.
bool periodNamesOvertime(const QString& period);

// Live and in overtime. A finished "Final/OT" game is no longer going to overtime.
bool isLiveInOvertime(const Game& game);

// Whether `now` falls within the quiet hours, compared to the minute in local time. A span whose start is
// not before its end passes midnight; start equal to end makes every minute quiet.
bool isInQuietHours(const UserPreferences& preferences, const QDateTime& now);
