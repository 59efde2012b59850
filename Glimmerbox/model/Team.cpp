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

QJsonObject TeamRecord::toJson() const {
    return coding::Writer()
        .field("wins"_L1, wins)
        .field("losses"_L1, losses)
        .field("ties"_L1, ties)
        .field("overtimeLosses"_L1, overtimeLosses)
        .field("winPercentage"_L1, winPercentage)
        .field("streak"_L1, streak)
        .field("standingsPosition"_L1, standingsPosition)
        .field("divisionRank"_L1, divisionRank)
        .field("conferenceRank"_L1, conferenceRank)
        .field("gamesBack"_L1, gamesBack)
        .field("clinched"_L1, clinched)
        .object();
}

std::optional<TeamRecord> TeamRecord::fromJson(const QJsonObject& object) {
    TeamRecord record;
    return coding::Reader(object)
        .field("wins"_L1, record.wins)
        .field("losses"_L1, record.losses)
        .field("ties"_L1, record.ties)
        .field("overtimeLosses"_L1, record.overtimeLosses)
        .field("winPercentage"_L1, record.winPercentage)
        .field("streak"_L1, record.streak)
        .field("standingsPosition"_L1, record.standingsPosition)
        .field("divisionRank"_L1, record.divisionRank)
        .field("conferenceRank"_L1, record.conferenceRank)
        .field("gamesBack"_L1, record.gamesBack)
        .field("clinched"_L1, record.clinched)
        .result(record);
}

QJsonObject Team::toJson() const {
    return coding::Writer()
        .field("id"_L1, id)
        .field("name"_L1, name)
        .field("abbreviation"_L1, abbreviation)
        .field("shortName"_L1, shortName)
        .field("location"_L1, location)
        .field("league"_L1, league)
        .field("logoURL"_L1, logoURL)
        .field("primaryColor"_L1, primaryColor)
        .field("secondaryColor"_L1, secondaryColor)
        .field("record"_L1, record)
        .object();
}

std::optional<Team> Team::fromJson(const QJsonObject& object) {
    Team team;
    return coding::Reader(object)
        .field("id"_L1, team.id)
        .field("name"_L1, team.name)
        .field("abbreviation"_L1, team.abbreviation)
        .field("shortName"_L1, team.shortName)
        .field("location"_L1, team.location)
        .field("league"_L1, team.league)
        .field("logoURL"_L1, team.logoURL)
        .field("primaryColor"_L1, team.primaryColor)
        .field("secondaryColor"_L1, team.secondaryColor)
        .field("record"_L1, team.record)
        .result(team);
}

size_t qHash(const TeamRecord& record, size_t seed) {
    return ValueHasher(seed)
        .add(record.wins)
        .add(record.losses)
        .add(record.ties)
        .add(record.overtimeLosses)
        .add(record.winPercentage)
        .add(record.streak)
        .add(record.standingsPosition)
        .add(record.divisionRank)
        .add(record.conferenceRank)
        .add(record.gamesBack)
        .add(record.clinched)
        .result();
}

size_t qHash(const Team& team, size_t seed) {
    return ValueHasher(seed)
        .add(team.id)
        .add(team.name)
        .add(team.abbreviation)
        .add(team.shortName)
        .add(team.location)
        .add(team.league)
        .add(team.logoURL)
        .add(team.primaryColor)
        .add(team.secondaryColor)
        .add(team.record)
        .result();
}
