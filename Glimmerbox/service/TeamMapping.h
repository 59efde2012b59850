#pragma once

#include "model/League.h"
#include "model/Team.h"

#include <QJsonArray>
#include <QJsonObject>
#include <QLatin1StringView>

#include <optional>

// The colour a team object without one gets: callers that know the team better may replace it.
inline constexpr QLatin1StringView fallbackTeamColor{"808080"};

// A team object of a scoreboard, summary or team list; every key has a default, `record` stays absent.
Team parseTeam(const QJsonObject& team, const League& league);

// A competitor that is a person (tennis player, fighter, golfer) rather than a team.
Team parseAthleteTeam(const QJsonObject& competitor, const League& league);

// A competitor whose athlete is not known yet: no name, "TBD" in any case, or "Unknown".
bool isPlaceholderAthlete(const QJsonObject& competitor);

// The overall record ("total" or "overall") of a competitor, from its "W-L[-T]" summary: among its
// "records", as a scoreboard lists them, else among its "record", as a summary does.
std::optional<TeamRecord> competitorRecord(const QJsonObject& competitor);
