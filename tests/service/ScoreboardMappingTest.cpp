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

    const Game& live = games.at(0);
    EXPECT_EQ(live.league.id, u"nfl");
    EXPECT_EQ(live.homeTeam,
              (Team{.id = "2",
                    .name = "Buffalo Bills",
                    .abbreviation = "BUF",
                    .shortName = "Bills",
                    .location = "Buffalo",
                    .league = live.league,
                    .logoURL = QUrl("https://a.espncdn.com/i/teamlogos/nfl/500/scoreboard/buf.png"),
                    .primaryColor = "00338d",
                    .secondaryColor = "d50a0a",
                    .record = record(1, 0)}));
    EXPECT_EQ(live.awayTeam.abbreviation, u"KC");
    EXPECT_EQ(live.awayTeam.record, record(0, 1));
    EXPECT_EQ(std::pair(live.homeScore, live.awayScore), std::pair(17LL, 14LL));
    EXPECT_EQ(live.status, GameStatus::inProgress);
    EXPECT_EQ(live.period, u"8:32 - 3rd");
    EXPECT_EQ(live.clock, u"8:32");
    EXPECT_EQ(live.startTime, utc(2026, 9, 13, 17, 0));
    EXPECT_EQ(live.venue, u"Highmark Stadium");
    EXPECT_EQ(live.broadcast, u"CBS");
    EXPECT_FALSE(live.odds);
    EXPECT_FALSE(live.raceStandings);
    EXPECT_EQ(live.lastUpdate, mappingNow());
    EXPECT_EQ(live.situations,
              (GameSituation{.down = 1,
                             .distance = 10,
                             .yardLine = u"45"_s,
                             .advantageTeamId = u"2"_s,
                             .lastPlayText = u"J.Allen pass short right to K.Shakir to BUF 45 for 12 yards "
                                             u"(N.Bolton)."_s,
                             .lastPlayTeamId = u"2"_s}));

    EXPECT_EQ(games.at(1).status, GameStatus::halftime);
    EXPECT_FALSE(games.at(1).situations->advantageTeamId);
    EXPECT_EQ(games.at(2).status, GameStatus::final_);
    EXPECT_EQ(games.at(2).broadcast, u"NBC");
    EXPECT_EQ(games.at(3).status, GameStatus::scheduled);
    EXPECT_EQ(games.at(3).homeScore, 0);
}

TEST(ScoreboardMappingTest, FootballPossessionSentAsTextNamesTheTeamWithTheBall) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/nfl.json"), "nfl");
    ASSERT_FALSE(games.isEmpty());
    // The last play was Buffalo's too; the id must come from "possession": drop the last play and see.
    EXPECT_EQ(games.at(0).situations->advantageTeamId, u"2");
    const std::optional<GameSituation> onlyPossession = situation(R"({"possession": "12"})", Sport::football);
    EXPECT_EQ(onlyPossession->advantageTeamId, u"12");
    EXPECT_FALSE(onlyPossession->possession);
}

TEST(ScoreboardMappingTest, SituationReadsTheFieldsOfItsSport) {
    const QList<std::tuple<Sport, QByteArray, std::optional<GameSituation>>> cases{
        {Sport::football, "{}", std::nullopt},
        {Sport::football, R"({"possession": {"id": "12", "abbreviation": "KC"}, "yardLine": "KC 25"})",
         GameSituation{.yardLine = u"KC 25"_s, .possession = u"KC"_s, .advantageTeamId = u"12"_s}},
        // A possession reference names the team by the end of its path.
        {Sport::football, R"({"possession": {"$ref": "http://core/v2/sports/football/teams/21"}})",
         GameSituation{.advantageTeamId = u"21"_s}},
        {Sport::football, R"({"possession": {"$ref": "teams/"}})", GameSituation{.advantageTeamId = u""_s}},
        {Sport::football, R"({"possession": {"$ref": "21"}, "yardLine": 12.5})",
         GameSituation{.yardLine = u"12.5"_s, .advantageTeamId = u"21"_s}},
        {Sport::basketball, R"({"down": 2, "possession": {"id": "7", "abbreviation": "DEN"}})",
         GameSituation{.advantageTeamId = u"7"_s}},
        {Sport::baseball, R"({"onFirst": false, "balls": 1.5})", GameSituation{.inningHalf = u"in play"_s}},
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

TEST(ScoreboardMappingTest, BasketballReadsPossessionAndBonus) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/nba.json"), "nba");
    ASSERT_EQ(games.size(), 3);
    EXPECT_EQ(games.at(0).situations->advantageTeamId, u"13");
    EXPECT_EQ(games.at(0).situations->lastPlayTeamId, u"2");
    EXPECT_EQ(games.at(0).situations->bonus, true);
    // A finished quarter is named STATUS_END_PERIOD: still in progress, with the period text saying so.
    EXPECT_EQ(games.at(1).status, GameStatus::inProgress);
    EXPECT_EQ(games.at(1).period, u"End of 3rd");
    EXPECT_FALSE(games.at(1).situations->advantageTeamId);
    EXPECT_FALSE(games.at(2).broadcast);
}

TEST(ScoreboardMappingTest, BaseballReadsCountRunnersAndTheBattersTeam) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/mlb.json"), "mlb");
    ASSERT_EQ(games.size(), 2);
    const GameSituation& live = *games.at(0).situations;
    EXPECT_EQ(std::tuple(live.balls, live.strikes, live.outs), std::tuple(2, 1, 1));
    EXPECT_EQ(live.runnersOnBase, (QList<qint64>{1, 3}));
    EXPECT_EQ(live.inningHalf, u"in play");
    EXPECT_EQ(live.advantageTeamId, u"10");
    EXPECT_EQ(games.at(0).homeTeam.record, record(64, 56));
    EXPECT_EQ(games.at(1).period, u"Final/10");
}

TEST(ScoreboardMappingTest, HockeyPowerPlayNamesTheTeamWithTheAdvantage) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/nhl.json"), "nhl");
    ASSERT_EQ(games.size(), 2);
    EXPECT_EQ(games.at(0).situations->powerPlay, u"PP 1:42");
    EXPECT_EQ(games.at(0).situations->advantageTeamId, u"21");
    EXPECT_EQ(games.at(0).situations->emptyNet, false);
    EXPECT_EQ(games.at(0).homeTeam.record, record(9, 4, 2));
    EXPECT_EQ(games.at(1).situations->emptyNet, true);
    EXPECT_EQ(games.at(1).situations->advantageTeamId, u"6");
}

TEST(ScoreboardMappingTest, SoccerTakesHalftimeFromTheStatusName) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/epl.json"), "epl");
    ASSERT_EQ(games.size(), 3);
    EXPECT_EQ(games.at(0).status, GameStatus::inProgress);
    EXPECT_EQ(games.at(0).clock, u"34'");
    EXPECT_FALSE(games.at(0).situations);
    EXPECT_EQ(games.at(0).homeTeam.record, record(6, 2, 1));
    EXPECT_EQ(games.at(1).status, GameStatus::halftime);
    EXPECT_EQ(games.at(1).period, u"HT");
}

TEST(ScoreboardMappingTest, FightersBecomeTheSidesOfABout) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/ufc.json"), "ufc");
    // The second card's main event is between two TBD fighters.
    ASSERT_EQ(idsOf(games), QStringList({"600051440"}));
    const Game& bout = games.at(0);
    EXPECT_EQ(bout.homeTeam.id, u"4332227");
    EXPECT_EQ(bout.homeTeam.name, u"Alexandre Pantoja");
    EXPECT_EQ(bout.homeTeam.abbreviation, u"Pantoja");
    EXPECT_EQ(bout.homeTeam.logoURL, QUrl("https://a.espncdn.com/i/teamlogos/countries/500/bra.png"));
    EXPECT_EQ(bout.homeTeam.record, record(29, 5, 0));
    EXPECT_EQ(bout.awayTeam.name, u"Brandon Royval");
    EXPECT_EQ(bout.venue, u"T-Mobile Arena");
    EXPECT_EQ(bout.status, GameStatus::scheduled);
}

TEST(ScoreboardMappingTest, GolfersBecomeTheSidesOfATournament) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/pga.json"), "pga");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).homeTeam.name, u"Scottie Scheffler");
    EXPECT_EQ(games.at(0).awayTeam.name, u"Rory McIlroy");
    EXPECT_EQ(std::pair(games.at(0).homeScore, games.at(0).awayScore), std::pair(-12LL, -10LL));
    EXPECT_EQ(games.at(0).period, u"Round 3 - In Progress");
}

TEST(ScoreboardMappingTest, PlaceholderTeamsAndUnreadableStartsDropTheEvent) {
    // "TBD", "Unknown", a missing and an empty name drop; "Tbd" in mixed case passes.
    EXPECT_EQ(idsOf(scoreboardGames(testdata::read("broken/placeholder-teams.json"), "nfl")),
              QStringList({"401772904"}));
    // Text that is no date drops the event even beside a good competition date; a number is not text, so the
    // competition's date is used.
    const QList<Game> dated = scoreboardGames(testdata::read("broken/unparsable-dates.json"), "mlb");
    ASSERT_EQ(idsOf(dated), QStringList({"401696304"}));
    EXPECT_EQ(dated.at(0).startTime, utc(2026, 8, 16, 20, 7));
}

TEST(ScoreboardMappingTest, CompetitorWithNeitherTeamNorAthleteDropsTheEvent) {
    const QList<Game> games = scoreboardGames(testdata::read("broken/event-without-competitors.json"), "nba");
    EXPECT_EQ(idsOf(games), QStringList({"401810206"}));
}

TEST(ScoreboardMappingTest, ScoresAreReadOnlyFromIntegerText) {
    const QList<Game> games = scoreboardGames(testdata::read("broken/score-kinds.json"), "nhl");
    ASSERT_EQ(games.size(), 4);
    const auto scores = [&](int i) { return std::pair(games.at(i).homeScore, games.at(i).awayScore); };
    EXPECT_EQ(scores(0), std::pair(0LL, 0LL)); // a number and an object
    EXPECT_EQ(scores(1), std::pair(7LL, -1LL));
    EXPECT_EQ(scores(2), std::pair(0LL, 0LL)); // empty and fractional text
    EXPECT_EQ(scores(3), std::pair(4LL, 0LL)); // "+4" and null
    EXPECT_EQ(games.at(0).clock, u"20:00");
}

TEST(ScoreboardMappingTest, SidesFollowHomeAwayMarksWithFallbacks) {
    QList<Game> games = scoreboardGames(oneCompetition(R"({"competitors": [
        {"team": {"id": "a", "displayName": "First"}}, {"team": {"id": "b", "displayName": "Second"}}]})"),
                                        "nfl");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).homeTeam.id, u"a");
    EXPECT_EQ(games.at(0).awayTeam.id, u"b");
    // Missing status: scheduled, no period, no clock.
    EXPECT_EQ(games.at(0).status, GameStatus::scheduled);
    EXPECT_FALSE(games.at(0).period);
    EXPECT_FALSE(games.at(0).clock);

    games = scoreboardGames(oneCompetition(R"({"competitors": [
        {"team": {"id": "a", "displayName": "First"}},
        {"homeAway": "home", "team": {"id": "b", "displayName": "Second"}}]})"),
                            "nfl");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).homeTeam.id, u"b");
    EXPECT_EQ(games.at(0).awayTeam.id, u"b");
}

TEST(ScoreboardMappingTest, OnlyTheFirstBroadcastCountsAndAStatusWithoutTypeGivesTheClock) {
    const QList<Game> games = scoreboardGames(oneCompetition(R"({"competitors": [
        {"homeAway": "home", "team": {"id": "2", "displayName": "Buffalo Bills"}},
        {"homeAway": "away", "team": {"id": "12", "displayName": "Kansas City Chiefs"}}],
        "broadcasts": [{"names": []}, {"names": ["ESPN"]}], "status": {"displayClock": "2:00"}})"),
                                              "nfl");
    ASSERT_EQ(games.size(), 1);
    EXPECT_FALSE(games.at(0).broadcast);
    EXPECT_EQ(games.at(0).status, GameStatus::scheduled);
    EXPECT_EQ(games.at(0).clock, u"2:00");
}

TEST(ScoreboardMappingTest, OverallRecordIsTheFirstMatchingOne) {
    const auto homeRecord = [](const QByteArray& records) {
        const QList<Game> games =
            scoreboardGames(oneCompetition(R"({"competitors": [{"homeAway": "home", "records": )" + records +
                                           R"(, "team": {"id": "2", "displayName": "Home"}},
                              {"homeAway": "away", "team": {"id": "12", "displayName": "Away"}}]})"),
                            "nfl");
        return games.isEmpty() ? std::nullopt : games.at(0).homeTeam.record;
    };
    EXPECT_EQ(homeRecord(R"([{"type": "home", "summary": "3-1"}, {"name": "overall", "summary": "5-4"}])"),
              record(5, 4));
    EXPECT_FALSE(homeRecord(R"([{"type": "total"}, {"name": "overall", "summary": "5-4"}])"));
    EXPECT_FALSE(homeRecord(R"([{"type": "total", "summary": "12"}])"));
    EXPECT_EQ(homeRecord(R"([{"type": "total", "summary": "10--3-x-9"}])"), record(10, 3, 0));
    EXPECT_FALSE(homeRecord(R"([{"type": "total", "summary": "1-0"}, 7])"));
    EXPECT_FALSE(homeRecord("[]"));
}

TEST(ScoreboardMappingTest, TeamDefaultsAndFreshIdsForMissingKeys) {
    const QByteArray body = oneCompetition(R"({"competitors": [
        {"homeAway": "home", "team": {"displayName": "Home", "logo": "not a url with spaces"}},
        {"homeAway": "away", "team": {"displayName": "Away", "id": 12}}]})");
    const QList<Game> first = scoreboardGames(body, "nfl");
    const QList<Game> second = scoreboardGames(body, "nfl");
    ASSERT_EQ(first.size(), 1);
    ASSERT_EQ(second.size(), 1);
    const Team& home = first.at(0).homeTeam;
    static const QRegularExpression uuid("^[0-9A-F]{8}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{4}-[0-9A-F]{12}$");
    EXPECT_TRUE(uuid.match(home.id).hasMatch()) << qPrintable(home.id);
    EXPECT_TRUE(uuid.match(first.at(0).awayTeam.id).hasMatch());
    EXPECT_NE(home.id, second.at(0).homeTeam.id);
    EXPECT_EQ(home, (Team{.id = home.id,
                          .name = "Home",
                          .abbreviation = "UNK",
                          .shortName = "Home",
                          .location = "",
                          .league = home.league,
                          .primaryColor = "808080",
                          .secondaryColor = "FFFFFF"}));
}
