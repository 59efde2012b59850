#include "MappingTestSupport.h"

using namespace Qt::Literals::StringLiterals;

namespace {

QByteArray raceWeekend(const QByteArray& competitions,
                       const QByteArray& eventKeys = R"("shortName": "Monza")") {
    return oneEvent(eventKeys + R"(, "competitions": )" + competitions, "2026-09-06T13:00Z");
}

} // namespace

TEST(RacingMappingTest, RaceSessionMakesTheGameAndFewerThanTwoDriversGivePlaceholderSides) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/f1.json"), "f1");
    ASSERT_EQ(games.size(), 2);
    const Game& monza = games.at(0);
    EXPECT_EQ(monza.id, u"600041170");
    EXPECT_EQ(monza.startTime, utc(2026, 9, 6, 13, 0));
    EXPECT_EQ(stateOf(monza), u"final|1:2|Final|none");
    EXPECT_EQ(monza.venue, u"Autodromo Nazionale Monza");

    // Drivers come sorted by position; the driver without a name is left out.
    ASSERT_TRUE(monza.raceStandings);
    EXPECT_EQ(textsOf(*monza.raceStandings,
                      [](const RaceDriver& driver) { return QString::number(driver.position); }),
              QStringList({"1", "2", "3", "4", "5"}));
    EXPECT_TRUE(monza.raceStandings->first().isWinner);
    // The first two drivers are the sides.
    EXPECT_EQ(sideIds(monza), u"5498|5579");
    EXPECT_EQ(describe(monza.homeTeam),
              u"Max Verstappen|M. Verstappen|M. Verstappen|Max Verstappen|FF1801/FFFFFF|"
              u"https://a.espncdn.com/i/teamlogos/countries/500/ned.png|none");
    EXPECT_EQ(monza.scoreLine(), u"L. Norris 2 - 1 M. Verstappen");

    const Game& singapore = games.at(1);
    // The circuit has no name: the race's venue is used.
    EXPECT_EQ(singapore.venue, u"Marina Bay Street Circuit");
    const auto side = [](const Team& team) { return team.id + u'|' + team.name + u'|' + team.abbreviation; };
    EXPECT_EQ(side(singapore.homeTeam), u"600041180_h|Singapore GP|SIN");
    EXPECT_EQ(side(singapore.awayTeam), u"600041180_a|Formula 1|F1");
    EXPECT_EQ(stateOf(singapore), u"scheduled|0:0|Sun, September 20th at 8:00 AM EDT|none");
    ASSERT_TRUE(singapore.raceStandings);
    EXPECT_EQ(singapore.raceStandings->size(), 1);
}

TEST(RacingMappingTest, NamelessDriversLeaveNoStandings) {
    const Game game = onlyGame(
        raceWeekend(R"([{"type": {"abbreviation": "Race"}, "competitors": [{"order": 1}, {"athlete": {}}]}])",
                    R"("shortName": "GP")"),
        "f1");
    EXPECT_FALSE(game.raceStandings);
    EXPECT_EQ(game.homeTeam.abbreviation, u"GP");
    // With no start on the race, the event's date counts.
    EXPECT_EQ(game.startTime, utc(2026, 9, 6, 13, 0));
}

TEST(RacingMappingTest, WeekendWithoutARaceSessionIsSkipped) {
    for (const char* competitions :
         {R"([{"type": {"abbreviation": "race"}}])", R"([{"type": {"abbreviation": "Qual"}}])",
          R"([{"type": {"abbreviation": "Race"}, "date": "soon"}])", R"({"type": {"abbreviation": "Race"}})"})
        EXPECT_TRUE(scoreboardGames(raceWeekend(competitions), "f1").isEmpty()) << competitions;
}

TEST(RacingMappingTest, EqualPositionsKeepTheServiceOrder) {
    const Game game = onlyGame(raceWeekend(R"([{"type": {"abbreviation": "Race"}, "competitors": [
        {"id": "c", "order": 2, "athlete": {"displayName": "C"}},
        {"id": "a", "athlete": {"displayName": "A"}},
        {"id": "b", "order": 0, "athlete": {"displayName": "B", "flag": {"href": ""}}}]}])"),
                               "f1");
    ASSERT_TRUE(game.raceStandings);
    EXPECT_EQ(idsOf(*game.raceStandings), QStringList({"a", "b", "c"}));
    EXPECT_FALSE(game.raceStandings->at(1).flagURL);
}
