#include "MappingTestSupport.h"

namespace {

// A tournament of one draw holding `match`.
QByteArray tournament(const QByteArray& match, const QByteArray& eventKeys = R"("name": "US Open")") {
    return oneEvent(eventKeys + R"(, "groupings": [{"competitions": [)" + match + "]}]", "2026-08-31T04:00Z");
}

QByteArray player(const QByteArray& name, const QByteArray& extra = "") {
    return R"({"athlete": {"displayName": ")" + name + R"("})" + extra + "}";
}

// A match "m" between the competitors of `competitors`, a comma-separated list.
QByteArray match(const QByteArray& competitors, const QByteArray& extra = "") {
    return R"({"id": "m", "competitors": [)" + competitors + "]" + extra + "}";
}

} // namespace

TEST(TennisMappingTest, EveryMatchOfEveryDrawIsAGame) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/atp.json"), "atp");
    // The quarter-final waiting for a "TBD" opponent is skipped.
    ASSERT_EQ(idsOf(games), QStringList({"160521", "160522", "160401"}));

    const Game& live = games.at(0);
    EXPECT_EQ(live.homeTeam, (Team{.id = "3782",
                                   .name = "Carlos Alcaraz",
                                   .abbreviation = "Alcaraz",
                                   .shortName = "C. Alcaraz",
                                   .location = "Carlos Alcaraz",
                                   .league = live.league,
                                   .logoURL = QUrl("https://a.espncdn.com/i/teamlogos/countries/500/esp.png"),
                                   .primaryColor = "1E88E5",
                                   .secondaryColor = "FFFFFF"}));
    EXPECT_EQ(std::pair(live.homeScore, live.awayScore), std::pair(1LL, 1LL));
    EXPECT_EQ(live.period, u"3-6 6-4 2-3");
    EXPECT_EQ(live.clock, u"0:00");
    EXPECT_EQ(live.status, GameStatus::inProgress);
    EXPECT_EQ(live.venue, u"Arthur Ashe Stadium");
    EXPECT_EQ(live.broadcast, u"US Open");
    EXPECT_EQ(live.startTime, utc(2026, 9, 6, 16, 0));

    const Game& final = games.at(1);
    EXPECT_EQ(std::pair(final.homeScore, final.awayScore), std::pair(0LL, 2LL));
    EXPECT_EQ(final.period, u"6-3 4-6 7-6");
    EXPECT_EQ(final.status, GameStatus::final_);
}

TEST(TennisMappingTest, PlaceholderAmongAnyCompetitorSkipsTheMatch) {
    const auto count = [](const QByteArray& third) {
        return scoreboardGames(tournament(match(player("A") + "," + player("B") + "," + third)), "atp")
            .size();
    };
    EXPECT_EQ(count(player("\\t tbd ")), 0);
    EXPECT_EQ(count(player("Unknown")), 0);
    EXPECT_EQ(count(R"({"id": "x"})"), 0);
    EXPECT_EQ(count(player("unknown")), 1);
    EXPECT_EQ(count(player("TBD\\n")), 1);
}

TEST(TennisMappingTest, SidesFallBackToListOrder) {
    QList<Game> games = scoreboardGames(
        tournament(match(player("A", R"(, "id": "a")") + "," + player("B", R"(, "id": "b")"))), "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).homeTeam.id, u"a");
    EXPECT_EQ(games.at(0).awayTeam.id, u"b");

    games = scoreboardGames(tournament(match(player("A", R"(, "id": "a", "homeAway": "away")") + "," +
                                             player("B", R"(, "id": "b")"))),
                            "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).homeTeam.id, u"a");
    EXPECT_EQ(games.at(0).awayTeam.id, u"a");
}

TEST(TennisMappingTest, WithoutSetsThePeriodIsTheStatusDetail) {
    QList<Game> games = scoreboardGames(
        tournament(match(player("A") + "," + player("B"),
                         R"(, "status": {"type": {"state": "pre", "shortDetail": "Sun 11:00 AM"}})"),
                   R"("note": "no name")"),
        "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).period, u"Sun 11:00 AM");
    EXPECT_EQ(games.at(0).homeScore, 0);
    EXPECT_EQ(games.at(0).broadcast, u"");
    // No match date: the tournament's date.
    EXPECT_EQ(games.at(0).startTime, utc(2026, 8, 31, 4, 0));

    // Sets for one side only give an empty period, not the detail.
    games = scoreboardGames(tournament(match(player("A", R"(, "linescores": [{"value": 6}])") + "," +
                                                 player("B", R"(, "linescores": [])"),
                                             R"(, "status": {"type": {"shortDetail": "Final"}})")),
                            "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).period, u"");
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

TEST(TennisMappingTest, AthleteWithoutDetailsIsUnknown) {
    const QList<Game> games =
        scoreboardGames(tournament(match(R"({"id": "h", "athlete": {"displayName": "A"}},
                            {"athlete": {"displayName": "B", "shortName": "  "}})")),
                        "atp");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).awayTeam.name, u"B");
    EXPECT_EQ(games.at(0).awayTeam.abbreviation, u"  ");
    EXPECT_EQ(games.at(0).awayTeam.id.size(), 36);
    EXPECT_EQ(games.at(0).homeTeam.abbreviation, u"A");
}

TEST(TennisMappingTest, MalformedMatchesAndDrawsAreSkipped) {
    const QByteArray two = player("A") + "," + player("B");
    for (const QByteArray& body :
         {tournament(R"({"competitors": [)" + two + "]}"), tournament(match(player("A"))),
          tournament(R"({"id": "m", "date": "later", "competitors": [)" + two + "]}"),
          QByteArray(R"({"events": [{"name": "x", "groupings": {}}, {}]})")})
        EXPECT_TRUE(scoreboardGames(body, "atp").isEmpty()) << body.toStdString();
}
