#include "MappingTestSupport.h"

namespace {

QByteArray tournament(const QByteArray& match, const QByteArray& eventKeys = R"("name": "US Open")") {
    return R"({"events": [{"id": "t", "date": "2026-08-31T04:00Z", )" + eventKeys +
           R"(, "groupings": [{"competitions": [)" + match + "]}]}]}";
}

QByteArray player(const QByteArray& name, const QByteArray& extra = "") {
    return R"({"athlete": {"displayName": ")" + name + R"("})" + extra + "}";
}

} // namespace

TEST(TennisMappingTest, EveryMatchOfEveryDrawIsAGame) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/atp.json"), "atp");
    // The quarter-final waiting for a "TBD" opponent is skipped.
    ASSERT_EQ(games.size(), 3);
    EXPECT_EQ(games.at(0).id, u"160521");
    EXPECT_EQ(games.at(2).id, u"160401");

    const Game& live = games.at(0);
    EXPECT_EQ(live.homeTeam.id, u"3782");
    EXPECT_EQ(live.homeTeam.name, u"Carlos Alcaraz");
    EXPECT_EQ(live.homeTeam.shortName, u"C. Alcaraz");
    EXPECT_EQ(live.homeTeam.abbreviation, u"Alcaraz");
    EXPECT_EQ(live.homeTeam.location, u"Carlos Alcaraz");
    EXPECT_EQ(live.homeTeam.primaryColor, u"1E88E5");
    EXPECT_EQ(live.homeTeam.logoURL, QUrl("https://a.espncdn.com/i/teamlogos/countries/500/esp.png"));
    EXPECT_EQ(live.homeScore, 1);
    EXPECT_EQ(live.awayScore, 1);
    EXPECT_EQ(live.period, u"3-6 6-4 2-3");
    EXPECT_EQ(live.clock, u"0:00");
    EXPECT_EQ(live.status, GameStatus::inProgress);
    EXPECT_EQ(live.venue, u"Arthur Ashe Stadium");
    EXPECT_EQ(live.broadcast, u"US Open");
    EXPECT_EQ(live.startTime, QDateTime(QDate(2026, 9, 6), QTime(16, 0), Qt::UTC));

    const Game& final = games.at(1);
    EXPECT_EQ(final.homeScore, 0);
    EXPECT_EQ(final.awayScore, 2);
    EXPECT_EQ(final.period, u"6-3 4-6 7-6");
    EXPECT_EQ(final.status, GameStatus::final_);
}

TEST(TennisMappingTest, PlaceholderAmongAnyCompetitorSkipsTheMatch) {
    const auto count = [](const QByteArray& third) {
        return scoreboardGames(tournament(R"({"id": "m", "competitors": [)" + player("A") + "," +
                                          player("B") + "," + third + "]}"),
                               "atp")
            .size();
    };
    EXPECT_EQ(count(player("\\t tbd ")), 0);
    EXPECT_EQ(count(player("Unknown")), 0);
    EXPECT_EQ(count(R"({"id": "x"})"), 0);
    EXPECT_EQ(count(player("unknown")), 1);
    EXPECT_EQ(count(player("TBD\\n")), 1);
}

TEST(TennisMappingTest, SidesFallBackToListOrder) {
    QList<Game> games =
        scoreboardGames(tournament(R"({"id": "m", "competitors": [)" + player("A", R"(, "id": "a")") + "," +
                                   player("B", R"(, "id": "b")") + "]}"),
                        "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).homeTeam.id, u"a");
    EXPECT_EQ(games.at(0).awayTeam.id, u"b");

    games = scoreboardGames(tournament(R"({"id": "m", "competitors": [)" +
                                       player("A", R"(, "id": "a", "homeAway": "away")") + "," +
                                       player("B", R"(, "id": "b")") + "]}"),
                            "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).homeTeam.id, u"a");
    EXPECT_EQ(games.at(0).awayTeam.id, u"a");
}

TEST(TennisMappingTest, WithoutSetsThePeriodIsTheStatusDetail) {
    const QList<Game> games = scoreboardGames(
        tournament(R"({"id": "m", "competitors": [)" + player("A") + "," + player("B") +
                       R"(], "status": {"type": {"state": "pre", "shortDetail": "Sun 11:00 AM"}}})",
                   R"("note": "no name")"),
        "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).period, u"Sun 11:00 AM");
    EXPECT_EQ(games.at(0).homeScore, 0);
    EXPECT_EQ(games.at(0).broadcast, u"");
    // No match date: the tournament's date.
    EXPECT_EQ(games.at(0).startTime, QDateTime(QDate(2026, 8, 31), QTime(4, 0), Qt::UTC));
}

TEST(TennisMappingTest, SetValuesOutsideTheIntegerRangeCountAsZero) {
    const QList<Game> games = scoreboardGames(tournament(R"({"id": "m", "competitors": [
            {"athlete": {"displayName": "A"}, "linescores": [{"value": 6.9}, {"value": 1e300}, {"value": -1e19},
                                                             {"value": "6"}, {"value": -2.5}]},
            {"athlete": {"displayName": "B"}, "linescores": [{"value": 9.3e18}, {"value": 4}, {"value": 3},
                                                             {}, {"value": 7}, {"value": 5}]}]})"),
                                              "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).period, u"0-6 4-0 3-0 0-0 7--2");
}

TEST(TennisMappingTest, EmptyAwaySetsGiveAnEmptyPeriod) {
    const QList<Game> games = scoreboardGames(tournament(R"({"id": "m", "competitors": [
            {"athlete": {"displayName": "A"}, "linescores": [{"value": 6}]},
            {"athlete": {"displayName": "B"}, "linescores": []}],
            "status": {"type": {"shortDetail": "Final"}}})"),
                                              "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).period, u"");
}

TEST(TennisMappingTest, AthleteWithoutDetailsIsUnknown) {
    const QList<Game> games = scoreboardGames(
        tournament(R"({"id": "m", "competitors": [{"id": "h", "athlete": {"displayName": "A"}},
                                                   {"athlete": {"displayName": "B", "shortName": "  "}}]})"),
        "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).awayTeam.name, u"B");
    EXPECT_EQ(games.at(0).awayTeam.abbreviation, u"  ");
    EXPECT_EQ(games.at(0).awayTeam.id.size(), 36);
    EXPECT_EQ(games.at(0).homeTeam.abbreviation, u"A");
}

TEST(TennisMappingTest, MalformedMatchesAndDrawsAreSkipped) {
    EXPECT_TRUE(
        scoreboardGames(tournament(R"({"competitors": [)" + player("A") + "," + player("B") + "]}"), "atp")
            .isEmpty());
    EXPECT_TRUE(
        scoreboardGames(tournament(R"({"id": "m", "competitors": [)" + player("A") + "]}"), "atp").isEmpty());
    EXPECT_TRUE(scoreboardGames(tournament(R"({"id": "m", "date": "later", "competitors": [)" + player("A") +
                                           "," + player("B") + "]}"),
                                "atp")
                    .isEmpty());
    EXPECT_TRUE(scoreboardGames(R"({"events": [{"name": "x", "groupings": {}}, {}]})", "atp").isEmpty());
}
