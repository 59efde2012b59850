#include "MappingTestSupport.h"

namespace {

QList<TopScorer> scorersOf(const QByteArray& body) {
    ServiceResult<QList<TopScorer>> result = parseTopScorers(body);
    EXPECT_TRUE(result.ok());
    return result.ok() ? std::move(result).value() : QList<TopScorer>();
}

} // namespace

TEST(TopScorerMappingTest, EachTeamsFirstLeaderWithItsSide) {
    const QList<TopScorer> scorers = scorersOf(testdata::read("summary/nfl-live.json"));
    ASSERT_EQ(scorers.size(), 2);
    EXPECT_EQ(scorers.at(0).playerName, u"Josh Allen");
    EXPECT_EQ(scorers.at(0).statLine, u"18/25, 231 YDS, 2 TD");
    EXPECT_EQ(scorers.at(0).headshotURL,
              QUrl("https://a.espncdn.com/i/headshots/nfl/players/full/3918298.png"));
    EXPECT_TRUE(scorers.at(0).isHome);
    EXPECT_EQ(scorers.at(1).playerName, u"Patrick Mahomes");
    EXPECT_FALSE(scorers.at(1).isHome);
}

TEST(TopScorerMappingTest, BoxScoreStandsInForMissingLeaders) {
    const QList<TopScorer> scorers = scorersOf(testdata::read("summary/nhl-final-boxscore.json"));
    ASSERT_EQ(scorers.size(), 2);
    EXPECT_EQ(scorers.at(0).playerName, u"Nick Suzuki");
    EXPECT_EQ(scorers.at(0).statLine, u"1");
    EXPECT_FALSE(scorers.at(0).isHome);
    EXPECT_EQ(scorers.at(0).headshotURL,
              QUrl("https://a.espncdn.com/i/headshots/nhl/players/full/4233563.png"));
    EXPECT_EQ(scorers.at(1).playerName, u"Auston Matthews");
    EXPECT_TRUE(scorers.at(1).isHome);
}

TEST(TopScorerMappingTest, HeadshotMayBeTextAndAbsentIdsMatch) {
    const QList<TopScorer> scorers = scorersOf(R"({"leaders": [
        {"leaders": [{"leaders": [{"athlete": {"displayName": "A", "headshot": "https://img/a.png"}}]}]},
        {"team": {"id": "5"}, "leaders": [{"leaders": [{"displayValue": "9 PTS", "athlete": {"headshot": "not a url"}}]}]},
        {"leaders": [{"leaders": []}]}]})");
    ASSERT_EQ(scorers.size(), 2);
    EXPECT_EQ(scorers.at(0).headshotURL, QUrl("https://img/a.png"));
    // No header: no home id, so only a block without a team id is home.
    EXPECT_TRUE(scorers.at(0).isHome);
    EXPECT_EQ(scorers.at(1).playerName, u"Unknown");
    EXPECT_FALSE(scorers.at(1).headshotURL);
    EXPECT_FALSE(scorers.at(1).isHome);
}

TEST(TopScorerMappingTest, LaterHomeCompetitorAndOwnIdDecideTheHomeTeam) {
    const QList<TopScorer> scorers = scorersOf(R"({
        "header": {"competitions": [{"competitors": [
            {"homeAway": "home", "team": {"id": "1"}}, {"homeAway": "home", "id": "2"}]}]},
        "boxscore": {"players": [
            {"team": {"id": "1"}, "statistics": [{"athletes": [{"athlete": {"displayName": "One"}, "stats": [3, "x"]}]}]},
            {"team": {"id": "2"}, "statistics": [{"athletes": [{"athlete": {"displayName": "Two"}, "stats": []}]}]},
            {"team": {"id": "3"}, "statistics": []}]}})");
    ASSERT_EQ(scorers.size(), 2);
    EXPECT_FALSE(scorers.at(0).isHome);
    EXPECT_EQ(scorers.at(0).statLine, u"");
    EXPECT_TRUE(scorers.at(1).isHome);
}

TEST(TopScorerMappingTest, ReplyThatIsNoObjectFails) {
    EXPECT_EQ(parseTopScorers(testdata::read("broken/not-json.txt")).error(), APIError::parsingError());
    EXPECT_EQ(parseTopScorers("[]").error(), APIError::parsingError());
    EXPECT_TRUE(scorersOf("{}").isEmpty());
}
