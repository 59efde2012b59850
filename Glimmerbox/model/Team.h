#pragma once

#include "League.h"

#include <QJsonObject>
#include <QSet>
#include <QString>
#include <QUrl>

#include <optional>

// A team's standing.
struct TeamRecord {
    qint64 wins = 0;
    qint64 losses = 0;
    std::optional<qint64> ties;
    std::optional<qint64> overtimeLosses;
    std::optional<double> winPercentage;
    std::optional<QString> streak;
    std::optional<qint64> standingsPosition;
    std::optional<qint64> divisionRank;
    std::optional<qint64> conferenceRank;
    std::optional<double> gamesBack;
    std::optional<QString> clinched;

    bool operator==(const TeamRecord&) const = default;

    // "12-4", "12-4-1" (ties) or "30-20-5" (overtime losses); ties win over overtime losses.
    QString formattedRecord() const;

    QJsonObject toJson() const;
    static std::optional<TeamRecord> fromJson(const QJsonObject& object);
};

// One side of a game.
struct Team {
    QString id;
    QString name;
    QString abbreviation;
    QString shortName;
    QString location;
    League league;
    std::optional<QUrl> logoURL;
    QString primaryColor;   // hexadecimal RGB, no leading '#'
    QString secondaryColor; // same form
    std::optional<TeamRecord> record;

    bool operator==(const Team&) const = default;

    // The team among the teams of every league: "<league id>:<team id>". The service's team ids are unique
    // only within a league (2 is Boston's basketball team and Buffalo's football team).
    QString leagueTeamId() const;

    QJsonObject toJson() const;
    static std::optional<Team> fromJson(const QJsonObject& object);
};

// Whether `teamIds` names the team: by its league team id, or by a plain team id as stored before teams
// were told apart by league, which names the team of that id in every league.
bool namesTeam(const QSet<QString>& teamIds, const Team& team);

size_t qHash(const TeamRecord& record, size_t seed = 0);
size_t qHash(const Team& team, size_t seed = 0);
template <>
struct std::hash<TeamRecord> {
    size_t operator()(const TeamRecord& record) const { return qHash(record); }
};
template <>
struct std::hash<Team> {
    size_t operator()(const Team& team) const { return qHash(team); }
};
