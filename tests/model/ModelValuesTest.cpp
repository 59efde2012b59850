#include "model/Game.h"
#include "model/PlayByPlayEvent.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

// Records in tables name their leading figures only; the other fields keep their defaults on purpose.
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"

namespace {

// Small, fully filled values.
Team sampleTeam(const QString& id, const QString& abbreviation, const League& league) {
    return Team{id,           abbreviation + u" Name"_s,
                abbreviation, abbreviation + u" Short"_s,
                u"City"_s,    league,
                std::nullopt, u"112233"_s,
                u"ffffff"_s,  std::nullopt};
}

Game sampleGame(Sport sport, GameStatus status, std::optional<QString> period = std::nullopt) {
    Game game;
    game.id = u"401"_s;
    game.league = *League::withId(u"nba"_s);
    game.league.sport = sport;
    game.homeTeam = sampleTeam(u"13"_s, u"LAL"_s, game.league);
    game.awayTeam = sampleTeam(u"2"_s, u"BOS"_s, game.league);
    game.homeScore = 99;
    game.awayScore = 102;
    game.status = status;
    game.period = std::move(period);
    game.startTime = QDateTime(QDate(2026, 1, 10), QTime(0, 30), Qt::UTC);
    game.lastUpdate = QDateTime(QDate(2026, 1, 10), QTime(1, 45, 12, 345), Qt::UTC);
    return game;
}

// Every value of an enumeration up to `last` reads back from its raw text.
template <typename E>
void expectRawValuesRoundTrip(E last) {
    for (int index = 0; index <= static_cast<int>(last); ++index)
        EXPECT_EQ(fromRawValue<E>(rawValue(static_cast<E>(index))), static_cast<E>(index)) << index;
}

} // namespace

TEST(GameTest, BreakKindAppliesItsRulesInOrder) {
    GameSituation withoutAdvantage;
    withoutAdvantage.lastPlayText = u"Jump shot"_s;
    GameSituation withAdvantage = withoutAdvantage;
    withAdvantage.advantageTeamId = u"13"_s;
    struct Case {
        Sport sport;
        GameStatus status;
        std::optional<QString> period;
        std::optional<GameSituation> situation;
        std::optional<GameBreak> expected;
    };
    using enum Sport;
    using enum GameStatus;
    const Case cases[] = {
        // The status is trusted before the period text.
        {basketball, halftime, u"Timeout"_s, {}, GameBreak::halftime},
        {hockey, endOfPeriod, u"Delayed"_s, {}, GameBreak::endOfPeriod},
        {basketball, inProgress, u"Halftime"_s, {}, GameBreak::halftime},
        {soccer, inProgress, u"HALF TIME"_s, {}, GameBreak::halftime},
        // The period words, tested in order.
        {baseball, inProgress, u"End of 3rd"_s, {}, GameBreak::endOfPeriod},
        {hockey, inProgress, u"End of Intermission"_s, {}, GameBreak::intermission},
        {football, inProgress, u"Timeout - end of drive"_s, {}, GameBreak::timeout},
        // The words count whatever the status: a scheduled game can be delayed.
        {baseball, scheduled, u"Rain Delay"_s, {}, GameBreak::delay},
        {baseball, delayed, u"Delayed"_s, {}, GameBreak::delay},
        {basketball, final_, u"Final"_s, {}, std::nullopt},
        // Play without an advantage is a timeout in football and basketball only.
        {basketball, inProgress, {}, {}, GameBreak::timeout},
        {football, inProgress, u"2nd"_s, withoutAdvantage, GameBreak::timeout},
        {basketball, inProgress, u"Q4"_s, withAdvantage, std::nullopt},
        {hockey, inProgress, {}, {}, std::nullopt},
        {soccer, inProgress, u"67'"_s, {}, std::nullopt},
        // Not in progress and no telling words: no break, even without a situation.
        {football, scheduled, {}, {}, std::nullopt},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(&c - cases);
        Game game = sampleGame(c.sport, c.status, c.period);
        game.situations = c.situation;
        EXPECT_EQ(game.breakKind(), c.expected);
    }
}

TEST(GameTest, HashFollowsEveryFieldAndEqualValuesHashAlike) {
    const Game game = sampleGame(Sport::basketball, GameStatus::inProgress, u"Q3"_s);
    Game later = game;
    later.lastUpdate = later.lastUpdate.addSecs(3);
    EXPECT_NE(later, game);
    EXPECT_NE(qHash(later), qHash(game));

    GameOdds zero, negativeZero;
    zero.spread = 0.0;
    negativeZero.spread = -0.0;
    EXPECT_EQ(zero, negativeZero);
    EXPECT_EQ(qHash(zero), qHash(negativeZero));
}

TEST(GameTest, JsonRoundTripKeepsEveryField) {
    Game game = sampleGame(Sport::racing, GameStatus::inProgress, u"Lap 12"_s);
    game.venue = u"Circuit"_s;
    game.homeTeam.logoURL = QUrl(u"https://images.example/logo one.png"_s);
    game.homeTeam.record =
        TeamRecord{10, 4, std::nullopt, 2, 0.714, u"W3"_s, 1, std::nullopt, 2, 1.5, u"x"_s};
    game.odds = GameOdds{-3.5, u"BOS"_s, 210.5, -150, 130, game.startTime};
    GameSituation situation;
    situation.runnersOnBase = QList<qint64>{1, 3};
    situation.emptyNet = false;
    situation.down = 3;
    game.situations = situation;
    game.raceStandings =
        QList<RaceDriver>{{u"1"_s, 1, u"Driver One"_s, u"D. One"_s, QUrl(u"https://f.example/a.png"_s), true},
                          {u"2"_s, 2, u"Driver Two"_s, u"D. Two"_s, std::nullopt, false}};
    game.homeScore = 9'007'199'254'740'993; // beyond what a double holds exactly

    const QJsonObject json = game.toJson();
    EXPECT_EQ(json.value("startTime"_L1).toDouble(), 789'697'800.0);
    EXPECT_EQ(json.value("status"_L1).toString(), "in_progress"_L1);
    EXPECT_EQ(json.value("homeTeam"_L1).toObject().value("logoURL"_L1).toString(),
              "https://images.example/logo%20one.png"_L1);
    const QJsonObject reparsed = QJsonDocument::fromJson(QJsonDocument(json).toJson()).object();
    EXPECT_EQ(Game::fromJson(reparsed), game);
}

TEST(GameTest, JsonLeavesAbsentOptionalsOutAndRequiresTheRest) {
    const Game game = sampleGame(Sport::hockey, GameStatus::scheduled);
    const QJsonObject json = game.toJson();
    for (const char* key : {"period", "clock", "venue", "broadcast", "odds", "situations", "raceStandings"})
        EXPECT_FALSE(json.contains(QLatin1StringView(key))) << key;
    EXPECT_EQ(Game::fromJson(json), game);

    for (const char* key : {"id", "league", "homeScore", "status", "startTime", "lastUpdate"}) {
        QJsonObject missing = json;
        missing.remove(QLatin1StringView(key));
        EXPECT_EQ(Game::fromJson(missing), std::nullopt) << key;
    }
    QJsonObject badStatus = json;
    badStatus.insert("status"_L1, u"live"_s);
    EXPECT_EQ(Game::fromJson(badStatus), std::nullopt);
    QJsonObject fractionalScore = json;
    fractionalScore.insert("homeScore"_L1, 1.5);
    EXPECT_EQ(Game::fromJson(fractionalScore), std::nullopt);
    // An optional that is present must decode: a record without losses is no record.
    QJsonObject badRecord = json;
    QJsonObject home = json.value("homeTeam"_L1).toObject();
    home.insert("record"_L1, QJsonObject{{"wins"_L1, 3}});
    badRecord.insert("homeTeam"_L1, home);
    EXPECT_EQ(Game::fromJson(badRecord), std::nullopt);
}

TEST(RawValueTest, EveryValueRoundTripsAndOnlyTheExactTextMatches) {
    expectRawValuesRoundTrip(GameStatus::delayed);
    expectRawValuesRoundTrip(Sport::cricket);
    expectRawValuesRoundTrip(PlayEventType::other);
    EXPECT_EQ(rawValue(PlayEventType::twoPointConversion), u"two_point"_s);
    for (const char16_t* text : {u"In_Progress", u"live", u"final ", u""})
        EXPECT_EQ(fromRawValue<GameStatus>(text), std::nullopt);
    EXPECT_EQ(fromRawValue<Sport>(u"Racing"), std::nullopt);
    EXPECT_EQ(fromRawValue<PlayEventType>(u"two_point_conversion"), std::nullopt);
}

TEST(LeagueTest, LogosExistOnlyForCatalogueIds) {
    const std::optional<QUrl> mls = League::withId(u"mls"_s)->leagueLogoURL();
    ASSERT_TRUE(mls);
    EXPECT_EQ(mls->path(), u"/i/teamlogos/leagues/500-dark/usa.1.png"_s);
    EXPECT_TRUE(mls->toString().startsWith(u"http"_s));

    League stranger = *League::withId(u"f1"_s);
    stranger.id = u"F1"_s;
    EXPECT_EQ(stranger.leagueLogoURL(), std::nullopt);
    EXPECT_EQ(stranger.localLogoAssetName(), std::nullopt);
    EXPECT_EQ(League::withId(u"F1"_s), std::nullopt);
    EXPECT_EQ(League::withId(u"f1"_s)->localLogoAssetName(), u"F1Logo"_s);
}

TEST(TeamTest, FormattedRecordShowsAThirdFigureOnlyWhenItCounts) {
    for (const auto& [record, expected] :
         QList<std::pair<TeamRecord, const char16_t*>>{{{0, 0}, u"0-0"},
                                                       {{12, 4, 1}, u"12-4-1"},
                                                       {{30, 20, 0, 3}, u"30-20-3"},
                                                       {{30, 20, 2, 3}, u"30-20-2"},
                                                       {{30, 20, 0, 0}, u"30-20"},
                                                       {{5, -1, -2}, u"5--1"}})
        EXPECT_EQ(record.formattedRecord(), QString::fromUtf16(expected));
}

TEST(PlayByPlayEventTest, OptionalFieldsMayBeMissingButPeriodMayNot) {
    PlayByPlayEvent event{u"p1"_s,        u"g1"_s,      QDateTime(QDate(2026, 2, 1), QTime(20, 0), Qt::UTC),
                          u"2nd"_s,       std::nullopt, PlayEventType::fieldGoal,
                          u"Kick good"_s, std::nullopt, std::nullopt,
                          std::nullopt,   std::nullopt, true,
                          false};
    const QJsonObject json = event.toJson();
    EXPECT_EQ(json.keys(), QStringList({"description", "eventType", "gameId", "id", "isKeyPlay", "isScoring",
                                        "period", "timestamp"}));
    EXPECT_EQ(json.value("eventType"_L1).toString(), u"field_goal"_s);
    EXPECT_EQ(PlayByPlayEvent::fromJson(json).value_or(PlayByPlayEvent{}).toJson(), json);

    QJsonObject withoutPeriod = json;
    withoutPeriod.remove("period"_L1);
    EXPECT_FALSE(PlayByPlayEvent::fromJson(withoutPeriod).has_value());
}
