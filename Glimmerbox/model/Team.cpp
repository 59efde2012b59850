#include "Team.h"

#include "ValueCoding.h"
#include "ValueHasher.h"

using namespace Qt::StringLiterals;

QString TeamRecord::formattedRecord() const {
    QString text = QString::number(wins) + u'-' + QString::number(losses);
    // A third figure of zero (or less) is not worth showing; ties win over overtime losses.
    if (ties && *ties >= 1)
        return text + u'-' + QString::number(*ties);
    if (overtimeLosses && *overtimeLosses >= 1)
        return text + u'-' + QString::number(*overtimeLosses);
    return text;
}

QString Team::leagueTeamId() const {
    return league.id + u':' + id;
}

bool namesTeam(const QSet<QString>& teamIds, const Team& team) {
    return teamIds.contains(team.leagueTeamId()) || teamIds.contains(team.id);
}

// Every field of TeamRecord in declaration order: its JSON keys and its hash follow this one list.
constexpr auto teamRecordFields = [](auto& record, auto&& field) {
    field("wins"_L1, record.wins);
    field("losses"_L1, record.losses);
    field("ties"_L1, record.ties);
    field("overtimeLosses"_L1, record.overtimeLosses);
    field("winPercentage"_L1, record.winPercentage);
    field("streak"_L1, record.streak);
    field("standingsPosition"_L1, record.standingsPosition);
    field("divisionRank"_L1, record.divisionRank);
    field("conferenceRank"_L1, record.conferenceRank);
    field("gamesBack"_L1, record.gamesBack);
    field("clinched"_L1, record.clinched);
};

QJsonObject TeamRecord::toJson() const {
    return coding::toObject(*this, teamRecordFields);
}

std::optional<TeamRecord> TeamRecord::fromJson(const QJsonObject& object) {
    return coding::fromObject<TeamRecord>(object, teamRecordFields);
}

// Every field of Team in declaration order: its JSON keys and its hash follow this one list.
constexpr auto teamFields = [](auto& team, auto&& field) {
    field("id"_L1, team.id);
    field("name"_L1, team.name);
    field("abbreviation"_L1, team.abbreviation);
    field("shortName"_L1, team.shortName);
    field("location"_L1, team.location);
    field("league"_L1, team.league);
    field("logoURL"_L1, team.logoURL);
    field("primaryColor"_L1, team.primaryColor);
    field("secondaryColor"_L1, team.secondaryColor);
    field("record"_L1, team.record);
};

QJsonObject Team::toJson() const {
    return coding::toObject(*this, teamFields);
}

std::optional<Team> Team::fromJson(const QJsonObject& object) {
    return coding::fromObject<Team>(object, teamFields);
}

size_t qHash(const TeamRecord& record, size_t seed) {
    return hashFields(record, seed, teamRecordFields);
}

size_t qHash(const Team& team, size_t seed) {
    return hashFields(team, seed, teamFields);
}
