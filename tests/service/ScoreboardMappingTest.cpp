#include "MappingTestSupport.h"
#include "service/EventMapping.h"

#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

std::optional<GameSituation> situation(const QByteArray& json, Sport sport) {
    return parseSituation(QJsonDocument::fromJson(json).object(), sport);
}

QByteArray oneCompetition(const QByteArray& competition) {
    return oneEvent(R"("competitions": [)" + competition + "]");
}

} // namespace

TEST(ScoreboardMappingTest, FootballReplyMapsEveryEventInOrder) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/nfl.json"), "nfl");
    ASSERT_EQ(idsOf(games), QStringList({"401772830", "401772831", "401772832", "401772833"}));
    EXPECT_EQ(textsOf(games, stateOf),
              QStringList({"in_progress|17:14|8:32 - 3rd|8:32", "halftime|10:13|Halftime|0:00",
                           "final|24:20|Final|0:00", "scheduled|0:0|9/13 - 8:20 PM EDT|0:00"}));

    const Game& live = games.at(0);
    EXPECT_EQ(live.league.id, u"nfl");
    EXPECT_EQ(sideIds(live), u"2|12");
    EXPECT_EQ(describe(live.homeTeam), u"Buffalo Bills|BUF|Bills|Buffalo|00338d/d50a0a|"
                                       u"https://a.espncdn.com/i/teamlogos/nfl/500/scoreboard/buf.png|1-0");
    EXPECT_EQ(live.homeTeam.league, live.league);
    EXPECT_EQ(live.startTime, utc(2026, 9, 13, 17, 0));
    EXPECT_EQ(live.venue, u"Highmark Stadium");
    EXPECT_EQ(live.broadcast, u"CBS");
    EXPECT_EQ(live.lastUpdate, mappingNow());
    ASSERT_TRUE(live.situations);
    // The whole situation, its long last-play text compared apart.
    GameSituation read = *live.situations;
    EXPECT_TRUE(std::exchange(read.lastPlayText, {})->startsWith(u"J.Allen pass short right"));
    GameSituation expected{.down = 1, .distance = 10, .yardLine = u"45"_s, .advantageTeamId = u"2"_s};
    expected.lastPlayTeamId = u"2"_s;
    EXPECT_EQ(read, expected);
}

TEST(ScoreboardMappingTest, SituationReadsTheFieldsOfItsSport) {
    const QList<std::tuple<Sport, QByteArray, std::optional<GameSituation>>> cases{
        {Sport::football, "{}", std::nullopt},
        {Sport::football, R"({"possession": {"id": "12", "abbreviation": "KC"}, "yardLine": "KC 25"})",
         GameSituation{.yardLine = u"KC 25"_s, .possession = u"KC"_s, .advantageTeamId = u"12"_s}},
        // A possession reference names the team by the end of its path.
        {Sport::football, R"({"possession": {"$ref": "http://core/v2/sports/football/teams/21"}})",
         GameSituation{.advantageTeamId = u"21"_s}},
        // A possession sent as text names the team with the ball.
        {Sport::football, R"({"possession": "12"})", GameSituation{.advantageTeamId = u"12"_s}},
        // Without a power play the team id is not the advantage; the last play's team is.
        {Sport::hockey, R"({"teamId": "21", "lastPlay": {"team": {"id": "10"}}})",
         GameSituation{.advantageTeamId = u"10"_s, .lastPlayTeamId = u"10"_s}},
        // Another sport reads only the last play.
        {Sport::soccer,
         R"({"down": 3, "powerPlay": "PP", "lastPlay": {"text": "Goal", "team": {"id": "359"}}})",
         GameSituation{.advantageTeamId = u"359"_s, .lastPlayText = u"Goal"_s, .lastPlayTeamId = u"359"_s}}};
    for (const auto& [sport, json, expected] : cases)
        EXPECT_EQ(situation(json, sport), expected) << json.toStdString();
}

TEST(ScoreboardMappingTest, RecordedRepliesOfEachSportGiveStateAndSituation) {
    const QList<Game> nba = scoreboardGames(testdata::read("scoreboard/nba.json"), "nba");
    const QList<Game> mlb = scoreboardGames(testdata::read("scoreboard/mlb.json"), "mlb");
    const QList<Game> nhl = scoreboardGames(testdata::read("scoreboard/nhl.json"), "nhl");
    const QList<Game> epl = scoreboardGames(testdata::read("scoreboard/epl.json"), "epl");
    ASSERT_TRUE(nba.size() == 3 && mlb.size() == 2 && nhl.size() == 2 && epl.size() == 3);
    // A finished quarter is named STATUS_END_PERIOD: still in progress, with the period text saying so.
    EXPECT_EQ(stateOf(nba.at(1)), u"in_progress|84:80|End of 3rd|0.0");
    EXPECT_EQ(stateOf(mlb.at(1)), u"final|5:4|Final/10|0:00");
    // Soccer takes halftime from the status name.
    EXPECT_EQ(stateOf(epl.at(0)), u"in_progress|1:0|34'|34'");
    EXPECT_EQ(stateOf(epl.at(1)), u"halftime|2:2|HT|45'+2'");
    EXPECT_FALSE(epl.at(0).situations);

    const GameSituation& basketball = *nba.at(0).situations;
    EXPECT_EQ(std::tuple(basketball.advantageTeamId, basketball.lastPlayTeamId, basketball.bonus),
              std::tuple(u"13"_s, u"2"_s, true));
    // The batter's team has the advantage.
    const GameSituation& baseball = *mlb.at(0).situations;
    EXPECT_EQ(std::tuple(baseball.balls, baseball.strikes, baseball.outs), std::tuple(2, 1, 1));
    EXPECT_EQ(baseball.runnersOnBase, (QList<qint64>{1, 3}));
    EXPECT_EQ(std::tuple(baseball.inningHalf, baseball.advantageTeamId), std::tuple(u"in play"_s, u"10"_s));
    // A power play names the team with the advantage; so does an empty net's last play.
    EXPECT_EQ(std::tuple(nhl.at(0).situations->powerPlay, nhl.at(0).situations->advantageTeamId,
                         nhl.at(0).situations->emptyNet),
              std::tuple(u"PP 1:42"_s, u"21"_s, false));
    EXPECT_EQ(std::tuple(nhl.at(1).situations->advantageTeamId, nhl.at(1).situations->emptyNet),
              std::tuple(u"6"_s, true));
    EXPECT_EQ(nhl.at(0).homeTeam.record, (TeamRecord{9, 4, 2}));
}

TEST(ScoreboardMappingTest, FightersBecomeTheSidesOfABoutAndGolfersOfATournament) {
    const QList<Game> bouts = scoreboardGames(testdata::read("scoreboard/ufc.json"), "ufc");
    // The second card's main event is between two TBD fighters.
    ASSERT_EQ(idsOf(bouts), QStringList({"600051440"}));
    EXPECT_EQ(sideIds(bouts.at(0)), u"4332227|3955778");
    EXPECT_EQ(describe(bouts.at(0).homeTeam),
              u"Alexandre Pantoja|Pantoja|A. Pantoja|Alexandre Pantoja|1E88E5/FFFFFF|"
              u"https://a.espncdn.com/i/teamlogos/countries/500/bra.png|29-5-0");

    const Game tournament = onlyGame(testdata::read("scoreboard/pga.json"), "pga");
    EXPECT_EQ(sideNames(tournament), u"Scottie Scheffler|Rory McIlroy");
    EXPECT_EQ(stateOf(tournament), u"in_progress|-12:-10|Round 3 - In Progress|none");
}

TEST(ScoreboardMappingTest, PlaceholderTeamsUnreadableStartsAndCompetitorsWithoutTeamOrAthleteDropTheEvent) {
    // "TBD", "Unknown", a missing and an empty name drop; "Tbd" in mixed case passes.
    EXPECT_EQ(idsOf(scoreboardGames(testdata::read("broken/placeholder-teams.json"), "nfl")),
              QStringList({"401772904"}));
    // Text that is no date drops the event even beside a good competition date; a number is not text, so the
    // competition's date is used.
    const Game dated = onlyGame(testdata::read("broken/unparsable-dates.json"), "mlb");
    EXPECT_EQ(dated.id, u"401696304");
    EXPECT_EQ(dated.startTime, utc(2026, 8, 16, 20, 7));
    // So does a competitor with neither team nor athlete.
    EXPECT_EQ(idsOf(scoreboardGames(testdata::read("broken/event-without-competitors.json"), "nba")),
              QStringList({"401810206"}));
}

TEST(ScoreboardMappingTest, ScoresAreReadOnlyFromIntegerText) {
    const QList<Game> games = scoreboardGames(testdata::read("broken/score-kinds.json"), "nhl");
    // A number and an object, integer text, empty and fractional text, "+4" and null.
    EXPECT_EQ(textsOf(games, [](const Game& game) { return stateOf(game).section(u'|', 1, 1); }),
              QStringList({"0:0", "7:-1", "0:0", "4:0"}));
}

TEST(ScoreboardMappingTest, OverallRecordIsTheFirstMatchingOne) {
    const auto homeRecord = [](const QByteArray& records) {
        return onlyGame(oneCompetition(R"({"competitors": [{"homeAway": "home", "records": )" + records +
                                       R"(, "team": {"id": "2", "displayName": "Home"}},
                              {"homeAway": "away", "team": {"id": "12", "displayName": "Away"}}]})"),
                        "nfl")
            .homeTeam.record;
    };
    EXPECT_EQ(homeRecord(R"([{"type": "home", "summary": "3-1"}, {"name": "overall", "summary": "5-4"}])"),
              (TeamRecord{5, 4}));
    EXPECT_FALSE(homeRecord(R"([{"type": "total"}, {"name": "overall", "summary": "5-4"}])"));
    EXPECT_FALSE(homeRecord(R"([{"type": "total", "summary": "12"}])"));
    // Empty pieces between dashes don't count; a fourth piece is ignored.
    EXPECT_EQ(homeRecord(R"([{"type": "total", "summary": "-7--2-"}])"), (TeamRecord{7, 2}));
    EXPECT_EQ(homeRecord(R"([{"type": "total", "summary": "3-2-1-9"}])"), (TeamRecord{3, 2, 1}));
}

TEST(ScoreboardMappingTest, SidesAreTheFirstMarkedHomeAndAwayElseTheFirstTwo) {
    const auto sides = [](const QByteArray& marks) {
        QByteArray competitors;
        const QList<QByteArray> list = marks.split(' ');
        for (qsizetype i = 0; i < list.size(); ++i) {
            const QByteArray mark = list.at(i) == "-" ? "" : R"("homeAway": ")" + list.at(i) + R"(", )";
            competitors += (i ? ", {" : "{") + mark + R"("team": {"id": ")" + QByteArray::number(i) +
                           R"(", "displayName": "T"}})";
        }
        return sideIds(onlyGame(oneCompetition(R"({"competitors": [)" + competitors + "]}"), "nfl"));
    };
    EXPECT_EQ(sides("away home"), u"1|0");
    EXPECT_EQ(sides("- -"), u"0|1");
    EXPECT_EQ(sides("- away home"), u"2|1");
    // Two marked home: the second still stands in for the missing away side, by its place.
    EXPECT_EQ(sides("home home -"), u"0|1");
    EXPECT_EQ(sides("away away"), u"0|0");
}

TEST(ScoreboardMappingTest, TeamDefaultsAndFreshIdsForMissingKeys) {
    const QByteArray body = oneCompetition(R"({"competitors": [
        {"homeAway": "home", "team": {"displayName": "Home", "logo": "not a url with spaces"}},
        {"homeAway": "away", "team": {"displayName": "Away", "id": 12}}]})");
    const Game first = onlyGame(body, "nfl");
    const Team& home = first.homeTeam;
    static const QRegularExpression uuid("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$");
    EXPECT_TRUE(uuid.match(home.id).hasMatch()) << qPrintable(home.id);
    EXPECT_NE(home.id, onlyGame(body, "nfl").homeTeam.id);
    EXPECT_EQ(describe(home), u"Home|UNK|Home||808080/FFFFFF|none|none");
}

// A reply that repeats an id, as a hostile one might, alternating a live game, a finished one and a scheduled
// one: the first event of the id is the game, whichever way the reply is read.
TEST(ScoreboardMappingTest, OfEventsSharingAnIdTheFirstIsKept) {
    const auto event = [](const QByteArray& id, const QByteArray& state, const QByteArray& homeScore) {
        return R"({"id": ")" + id + R"(", "date": "2026-09-13T17:00Z", "competitions": [{"status": {"type":
            {"state": ")" +
               state + R"("}}, "competitors": [{"homeAway": "home", "score": ")" + homeScore +
               R"(", "team": {"id": "1", "displayName": "H"}}, {"homeAway": "away", "score": "1", "team":
               {"id": "2", "displayName": "A"}}]}]})";
    };
    const QByteArray events = event("7", "in", "2") + ", " + event("7", "post", "30") + ", " +
                              event("8", "pre", "0") + ", " + event("7", "pre", "0") + ", " +
                              event("8", "in", "5");
    // Plain, and with a byte-order mark that leaves the reply to be parsed whole.
    for (const QByteArray& body :
         {"{\"events\": [" + events + "]}", "\xEF\xBB\xBF{\"events\": [" + events + "]}"}) {
        const QList<Game> games = scoreboardGames(body, "nba");
        EXPECT_EQ(idsOf(games), QStringList({"7", "8"}));
        EXPECT_EQ(textsOf(games, [](const Game& game) { return stateOf(game).section(u'|', 0, 1); }),
                  QStringList({"in_progress|2:1", "scheduled|0:1"}));
    }
}
