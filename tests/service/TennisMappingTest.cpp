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
    EXPECT_EQ(textsOf(games, stateOf).mid(0, 2),
              QStringList({"in_progress|1:1|3-6 6-4 2-3|0:00", "final|0:2|6-3 4-6 7-6|0:00"}));

    const Game& live = games.at(0);
    EXPECT_EQ(live.homeTeam.id, u"3782");
    EXPECT_EQ(describe(live.homeTeam), u"Carlos Alcaraz|Alcaraz|C. Alcaraz|Carlos Alcaraz|1E88E5/FFFFFF|"
                                       u"https://a.espncdn.com/i/teamlogos/countries/500/esp.png|none");
    EXPECT_EQ(live.venue, u"Arthur Ashe Stadium");
    EXPECT_EQ(live.broadcast, u"US Open");
    EXPECT_EQ(live.startTime, utc(2026, 9, 6, 16, 0));
}

TEST(TennisMappingTest, PlaceholderAmongAnyCompetitorSkipsTheMatch) {
    const auto count = [](const QByteArray& third) {
        return scoreboardGames(tournament(match(player("A") + "," + player("B") + "," + third)), "atp")
            .size();
    };
    for (const QByteArray& third : {player("\\t tbd "), player("Unknown"), QByteArray(R"({"id": "x"})")})
        EXPECT_EQ(count(third), 0) << third.toStdString();
    EXPECT_EQ(count(player("unknown")), 1);
}

TEST(TennisMappingTest, WithoutSetsThePeriodIsTheStatusDetail) {
    const Game game =
        onlyGame(tournament(match(player("A") + "," + player("B"),
                                  R"(, "status": {"type": {"state": "pre", "shortDetail": "Sun 11:00 AM"}})"),
                            R"("note": "no name")"),
                 "atp");
    EXPECT_EQ(stateOf(game), u"scheduled|0:0|Sun 11:00 AM|none");
    EXPECT_EQ(game.broadcast, u"");
    // An athlete without a short name is abbreviated by the whole name.
    EXPECT_EQ(game.homeTeam.abbreviation, u"A");
    // No match date: the tournament's date.
    EXPECT_EQ(game.startTime, utc(2026, 8, 31, 4, 0));
}

TEST(TennisMappingTest, SetValuesOutsideTheIntegerRangeCountAsZero) {
    const Game game = onlyGame(tournament(R"({"id": "m", "competitors": [
            {"athlete": {"displayName": "A"}, "linescores": [{"value": 6.9}, {"value": 1e300}, {"value": -1e19},
                                                             {"value": "6"}, {"value": -2.5}]},
            {"athlete": {"displayName": "B"}, "linescores": [{"value": 9.3e18}, {"value": 4}, {"value": 3},
                                                             {}, {"value": 7}, {"value": 5}]}]})"),
                               "atp");
    EXPECT_EQ(game.period, u"0-6 4-0 3-0 0-0 7--2");
}

TEST(TennisMappingTest, MalformedMatchesAndDrawsAreSkipped) {
    const QByteArray two = player("A") + "," + player("B");
    for (const QByteArray& body :
         {tournament(R"({"competitors": [)" + two + "]}"), tournament(match(player("A"))),
          tournament(R"({"id": "m", "date": "later", "competitors": [)" + two + "]}"),
          QByteArray(R"({"events": [{"name": "x", "groupings": {}}, {}]})")})
        EXPECT_TRUE(scoreboardGames(body, "atp").isEmpty()) << body.toStdString();
}
