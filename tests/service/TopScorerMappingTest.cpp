#include "MappingTestSupport.h"

namespace {

// Each scorer as "name|stat line|home or away|headshot".
QStringList scorersOf(const QByteArray& body) {
    return textsOf(mapped(parseTopScorers(body)), [](const TopScorer& scorer) {
        return QStringList{scorer.playerName, scorer.statLine, scorer.isHome ? "home" : "away",
                           scorer.headshotURL.value_or(QUrl()).toString()}
            .join(u'|');
    });
}

} // namespace

TEST(TopScorerMappingTest, EachTeamsFirstLeaderWithItsSide) {
    EXPECT_EQ(scorersOf(testdata::read("summary/nfl-live.json")),
              QStringList({"Josh Allen|18/25, 231 YDS, 2 TD|home|"
                           "https://a.espncdn.com/i/headshots/nfl/players/full/3918298.png",
                           "Patrick Mahomes|15/24, 178 YDS, 2 TD|away|"
                           "https://a.espncdn.com/i/headshots/nfl/players/full/3139477.png"}));
}

TEST(TopScorerMappingTest, BoxScoreStandsInForMissingLeaders) {
    EXPECT_EQ(
        scorersOf(testdata::read("summary/nhl-final-boxscore.json")),
        QStringList({"Nick Suzuki|1|away|https://a.espncdn.com/i/headshots/nhl/players/full/4233563.png",
                     "Auston Matthews|2|home|"
                     "https://a.espncdn.com/i/headshots/nhl/players/full/3899937.png"}));
}

TEST(TopScorerMappingTest, HeadshotMayBeTextAndAbsentIdsMatch) {
    // No header: no home id, so only a block without a team id is home.
    EXPECT_EQ(scorersOf(R"({"leaders": [
        {"leaders": [{"leaders": [{"athlete": {"displayName": "A", "headshot": "https://img/a.png"}}]}]},
        {"team": {"id": "5"}, "leaders": [{"leaders": [{"displayValue": "9 PTS", "athlete": {"headshot": "not a url"}}]}]},
        {"leaders": [{"leaders": []}]}]})"),
              QStringList({"A||home|https://img/a.png", "Unknown|9 PTS|away|"}));
}
