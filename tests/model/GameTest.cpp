#include "ModelSamples.h"

#include <QJsonDocument>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

std::optional<GameBreak> breakOf(Sport sport, GameStatus status, std::optional<QString> period,
                                 std::optional<GameSituation> situation = std::nullopt) {
    Game game = samples::game(sport, status, std::move(period));
    game.situations = std::move(situation);
    return game.breakKind();
}

} // namespace

TEST(GameTest, BreakKindTrustsTheStatusBeforeThePeriodText) {
    EXPECT_EQ(breakOf(Sport::basketball, GameStatus::halftime, u"Timeout"_s), GameBreak::halftime);
    EXPECT_EQ(breakOf(Sport::hockey, GameStatus::endOfPeriod, u"Delayed"_s), GameBreak::endOfPeriod);
    EXPECT_EQ(breakOf(Sport::basketball, GameStatus::inProgress, u"Halftime"_s), GameBreak::halftime);
    EXPECT_EQ(breakOf(Sport::soccer, GameStatus::inProgress, u"HALF TIME"_s), GameBreak::halftime);
}

TEST(GameTest, BreakKindTestsThePeriodWordsInOrder) {
    EXPECT_EQ(breakOf(Sport::baseball, GameStatus::inProgress, u"End of 3rd"_s), GameBreak::endOfPeriod);
    EXPECT_EQ(breakOf(Sport::hockey, GameStatus::inProgress, u"End of Intermission"_s),
              GameBreak::intermission);
    EXPECT_EQ(breakOf(Sport::football, GameStatus::inProgress, u"Timeout - end of drive"_s),
              GameBreak::timeout);
    // The words count whatever the status: a scheduled game can be delayed.
    EXPECT_EQ(breakOf(Sport::baseball, GameStatus::scheduled, u"Rain Delay"_s), GameBreak::delay);
    EXPECT_EQ(breakOf(Sport::baseball, GameStatus::delayed, u"Delayed"_s), GameBreak::delay);
    EXPECT_EQ(breakOf(Sport::basketball, GameStatus::final_, u"Final"_s), std::nullopt);
}

TEST(GameTest, BreakKindOfPlayWithoutAnAdvantageDependsOnTheSport) {
    GameSituation withoutAdvantage;
    withoutAdvantage.lastPlayText = u"Jump shot"_s;
    GameSituation withAdvantage = withoutAdvantage;
    withAdvantage.advantageTeamId = u"13"_s;

    EXPECT_EQ(breakOf(Sport::basketball, GameStatus::inProgress, std::nullopt), GameBreak::timeout);
    EXPECT_EQ(breakOf(Sport::football, GameStatus::inProgress, u"2nd"_s, withoutAdvantage),
              GameBreak::timeout);
    EXPECT_EQ(breakOf(Sport::basketball, GameStatus::inProgress, u"Q4"_s, withAdvantage), std::nullopt);
    EXPECT_EQ(breakOf(Sport::hockey, GameStatus::inProgress, std::nullopt), std::nullopt);
    EXPECT_EQ(breakOf(Sport::soccer, GameStatus::inProgress, u"67'"_s), std::nullopt);
    // Not in progress and no telling words: no break, even without a situation.
    EXPECT_EQ(breakOf(Sport::football, GameStatus::scheduled, std::nullopt), std::nullopt);
}

TEST(GameTest, DelayedGamesAreNotLive) {
    EXPECT_FALSE(samples::game(Sport::baseball, GameStatus::delayed).isLive());
    EXPECT_TRUE(samples::game(Sport::baseball, GameStatus::endOfPeriod).isLive());
}

TEST(GameTest, ScoreLinePutsTheAwaySideFirst) {
    Game game = samples::game(Sport::basketball, GameStatus::final_);
    EXPECT_EQ(game.scoreLine(), u"BOS 102 - 99 LAL"_s);
    game.awayTeam.abbreviation = u"A"_s;
    game.homeTeam.abbreviation = u"B"_s;
    game.awayScore = 0;
    game.homeScore = 0;
    EXPECT_EQ(game.scoreLine(), u"A 0 - 0 B"_s);
}

TEST(GameTest, StatusRawValuesMatchExactly) {
    EXPECT_EQ(fromRawValue<GameStatus>(u"in_progress"), GameStatus::inProgress);
    EXPECT_EQ(fromRawValue<GameStatus>(u"final"), GameStatus::final_);
    EXPECT_EQ(fromRawValue<GameStatus>(u"In_Progress"), std::nullopt);
    EXPECT_EQ(fromRawValue<GameStatus>(u"live"), std::nullopt);
    EXPECT_EQ(fromRawValue<GameStatus>(u"final "), std::nullopt);
}

TEST(GameTest, EveryFieldCountsForEqualityAndHashing) {
    const Game game = samples::game(Sport::basketball, GameStatus::inProgress, u"Q3"_s);
    Game copy = game;
    EXPECT_EQ(copy, game);
    EXPECT_EQ(qHash(copy), qHash(game));
    EXPECT_EQ(std::hash<Game>{}(copy), std::hash<Game>{}(game));

    copy.lastUpdate = copy.lastUpdate.addSecs(3);
    EXPECT_NE(copy, game);
    EXPECT_EQ(copy.id, game.id);
    EXPECT_NE(qHash(copy), qHash(game));

    // A present but empty value differs from an absent one.
    Game withEmptyStandings = game;
    withEmptyStandings.raceStandings = QList<RaceDriver>{};
    EXPECT_NE(withEmptyStandings, game);
    EXPECT_NE(qHash(withEmptyStandings), qHash(game));
}

TEST(GameTest, NegativeZeroHashesLikeZero) {
    GameOdds zero;
    zero.spread = 0.0;
    GameOdds negativeZero;
    negativeZero.spread = -0.0;
    EXPECT_EQ(zero, negativeZero);
    EXPECT_EQ(qHash(zero), qHash(negativeZero));
}

TEST(GameTest, JsonRoundTripKeepsEveryField) {
    Game game = samples::game(Sport::racing, GameStatus::inProgress, u"Lap 12"_s);
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
    const Game game = samples::game(Sport::hockey, GameStatus::scheduled);
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
}
