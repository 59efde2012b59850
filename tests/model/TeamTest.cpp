#include "ModelSamples.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TeamRecord record(qint64 wins, qint64 losses, std::optional<qint64> ties,
                  std::optional<qint64> overtimeLosses) {
    TeamRecord record;
    record.wins = wins;
    record.losses = losses;
    record.ties = ties;
    record.overtimeLosses = overtimeLosses;
    return record;
}

} // namespace

TEST(TeamTest, FormattedRecordShowsAThirdFigureOnlyWhenItCounts) {
    EXPECT_EQ(record(0, 0, std::nullopt, std::nullopt).formattedRecord(), u"0-0"_s);
    EXPECT_EQ(record(12, 4, 1, std::nullopt).formattedRecord(), u"12-4-1"_s);
    EXPECT_EQ(record(30, 20, 0, 3).formattedRecord(), u"30-20-3"_s);
    EXPECT_EQ(record(30, 20, 2, 3).formattedRecord(), u"30-20-2"_s);
    EXPECT_EQ(record(30, 20, 0, 0).formattedRecord(), u"30-20"_s);
    EXPECT_EQ(record(5, -1, -2, std::nullopt).formattedRecord(), u"5--1"_s);
}

TEST(TeamTest, EqualityCoversRecordAndLeague) {
    const League nba = *League::withId(u"nba"_s);
    const Team team = samples::team(u"13"_s, u"LAL"_s, nba);
    Team withRecord = team;
    withRecord.record = record(1, 0, std::nullopt, std::nullopt);
    EXPECT_NE(withRecord, team);
    EXPECT_NE(qHash(withRecord), qHash(team));

    Team otherLeague = team;
    otherLeague.league = *League::withId(u"wnba"_s);
    EXPECT_NE(otherLeague, team);
    EXPECT_EQ(std::hash<Team>{}(samples::team(u"13"_s, u"LAL"_s, nba)), std::hash<Team>{}(team));
}

TEST(TeamTest, DecodingNeedsTheRequiredFieldsOnly) {
    const Team team = samples::team(u"13"_s, u"LAL"_s, *League::withId(u"nba"_s));
    QJsonObject json = team.toJson();
    EXPECT_FALSE(json.contains("logoURL"_L1));
    EXPECT_FALSE(json.contains("record"_L1));
    EXPECT_EQ(Team::fromJson(json), team);

    json.remove("primaryColor"_L1);
    EXPECT_EQ(Team::fromJson(json), std::nullopt);

    QJsonObject badRecord = team.toJson();
    badRecord.insert("record"_L1, QJsonObject{{"wins"_L1, 3}});
    EXPECT_EQ(Team::fromJson(badRecord), std::nullopt) << "a record without losses is no record";
}
