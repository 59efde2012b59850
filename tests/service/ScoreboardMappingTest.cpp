#include "MappingTestSupport.h"
#include "service/EventMapping.h"

#include <QJsonDocument>
#include <QRegularExpression>

using namespace Qt::Literals::StringLiterals;

namespace {

QJsonObject objectFrom(const QByteArray& json) {
    return QJsonDocument::fromJson(json).object();
}

std::optional<GameSituation> situation(const QByteArray& json, Sport sport) {
    return parseSituation(objectFrom(json), sport);
}

QStringList idsOf(const QList<Game>& games) {
    QStringList ids;
    for (const Game& game : games)
        ids.append(game.id);
    return ids;
}

} // namespace

TEST(ScoreboardMappingTest, FootballReplyMapsEveryEventInOrder) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/nfl.json"), "nfl");
    ASSERT_EQ(idsOf(games), QStringList({"401772830", "401772831", "401772832", "401772833"}));

    const Game& live = games.at(0);
    EXPECT_EQ(live.league.id, u"nfl");
    EXPECT_EQ(live.homeTeam.id, u"2");
    EXPECT_EQ(live.homeTeam.name, u"Buffalo Bills");
    EXPECT_EQ(live.homeTeam.abbreviation, u"BUF");
    EXPECT_EQ(live.homeTeam.shortName, u"Bills");
    EXPECT_EQ(live.homeTeam.location, u"Buffalo");
    EXPECT_EQ(live.homeTeam.primaryColor, u"00338d");
    EXPECT_EQ(live.homeTeam.secondaryColor, u"d50a0a");
    EXPECT_EQ(live.homeTeam.logoURL, QUrl("https://a.espncdn.com/i/teamlogos/nfl/500/scoreboard/buf.png"));
    EXPECT_EQ(live.homeTeam.record, record(1, 0));
    EXPECT_EQ(live.awayTeam.abbreviation, u"KC");
    EXPECT_EQ(live.awayTeam.record, record(0, 1));
    EXPECT_EQ(live.homeScore, 17);
    EXPECT_EQ(live.awayScore, 14);
    EXPECT_EQ(live.status, GameStatus::inProgress);
    EXPECT_EQ(live.period, u"8:32 - 3rd");
    EXPECT_EQ(live.clock, u"8:32");
    EXPECT_EQ(live.startTime, QDateTime(QDate(2026, 9, 13), QTime(17, 0), Qt::UTC));
    EXPECT_EQ(live.venue, u"Highmark Stadium");
    EXPECT_EQ(live.broadcast, u"CBS");
    EXPECT_FALSE(live.odds);
    EXPECT_FALSE(live.raceStandings);
    EXPECT_EQ(live.lastUpdate, mappingNow());

    ASSERT_TRUE(live.situations);
    EXPECT_EQ(live.situations->down, 1);
    EXPECT_EQ(live.situations->distance, 10);
    EXPECT_EQ(live.situations->yardLine, u"45");
    EXPECT_FALSE(live.situations->possession);
    EXPECT_EQ(live.situations->lastPlayTeamId, u"2");
    EXPECT_TRUE(live.situations->lastPlayText->startsWith(u"J.Allen pass short right"));
    EXPECT_FALSE(live.situations->timeoutsHome);

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

TEST(ScoreboardMappingTest, FootballPossessionObjectGivesAbbreviationAndId) {
    std::optional<GameSituation> read = situation(
        R"({"possession": {"id": "12", "abbreviation": "KC"}, "yardLine": "KC 25"})", Sport::football);
    EXPECT_EQ(read->possession, u"KC");
    EXPECT_EQ(read->advantageTeamId, u"12");
    EXPECT_EQ(read->yardLine, u"KC 25");

    read =
        situation(R"({"possession": {"$ref": "http://core/v2/sports/football/teams/21"}})", Sport::football);
    EXPECT_EQ(read->advantageTeamId, u"21");
    read = situation(R"({"possession": {"$ref": "teams/"}})", Sport::football);
    EXPECT_EQ(read->advantageTeamId, u"");
    read = situation(R"({"possession": {"$ref": "21"}, "yardLine": 12.5})", Sport::football);
    EXPECT_EQ(read->advantageTeamId, u"21");
    EXPECT_EQ(read->yardLine, u"12.5");
}

TEST(ScoreboardMappingTest, BasketballReadsPossessionAndBonusOnly) {
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

    const std::optional<GameSituation> read =
        situation(R"({"down": 2, "possession": {"id": "7", "abbreviation": "DEN"}})", Sport::basketball);
    EXPECT_FALSE(read->down);
    EXPECT_FALSE(read->possession);
    EXPECT_EQ(read->advantageTeamId, u"7");
}

TEST(ScoreboardMappingTest, BaseballReadsCountRunnersAndTheBattersTeam) {
    const QList<Game> games = scoreboardGames(testdata::read("scoreboard/mlb.json"), "mlb");
    ASSERT_EQ(games.size(), 2);
    const GameSituation& live = *games.at(0).situations;
    EXPECT_EQ(live.balls, 2);
    EXPECT_EQ(live.strikes, 1);
    EXPECT_EQ(live.outs, 1);
    EXPECT_EQ(live.runnersOnBase, (QList<qint64>{1, 3}));
    EXPECT_EQ(live.inningHalf, u"in play");
    EXPECT_EQ(live.advantageTeamId, u"10");
    EXPECT_EQ(games.at(0).homeTeam.record, record(64, 56));
    EXPECT_EQ(games.at(1).period, u"Final/10");

    const std::optional<GameSituation> empty =
        situation(R"({"onFirst": false, "balls": 1.5})", Sport::baseball);
    EXPECT_EQ(empty->inningHalf, u"in play");
    EXPECT_FALSE(empty->runnersOnBase);
    EXPECT_FALSE(empty->balls);
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

    // Without a power play the team id is not the advantage; the last play's team is.
    const std::optional<GameSituation> read =
        situation(R"({"teamId": "21", "lastPlay": {"team": {"id": "10"}}})", Sport::hockey);
    EXPECT_EQ(read->advantageTeamId, u"10");
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
    EXPECT_EQ(games.at(0).homeScore, -12);
    EXPECT_EQ(games.at(0).awayScore, -10);
    EXPECT_EQ(games.at(0).period, u"Round 3 - In Progress");
}

TEST(ScoreboardMappingTest, CompetitorWithNeitherTeamNorAthleteDropsTheEvent) {
    const QList<Game> games = scoreboardGames(testdata::read("broken/event-without-competitors.json"), "nba");
    EXPECT_EQ(idsOf(games), QStringList({"401810206"}));
}

TEST(ScoreboardMappingTest, RepliesWithoutTheirStructureFail) {
    for (const char* file : {"broken/not-json.txt", "broken/access-denied.html",
                             "broken/top-level-array.json", "broken/events-not-list.json",
                             "broken/events-with-a-number.json", "broken/truncated.json", "teams/nfl.json"}) {
        const ServiceResult<QList<Game>> result =
            parseScoreboard(testdata::read(file), leagueWithId("nfl"), mappingNow());
        ASSERT_FALSE(result.ok()) << file;
        EXPECT_EQ(result.error(), APIError::parsingError()) << file;
    }
    EXPECT_FALSE(parseScoreboard(QByteArray(), leagueWithId("nfl"), mappingNow()).ok());
    EXPECT_TRUE(scoreboardGames(R"({"events": []})", "nfl").isEmpty());
}

TEST(ScoreboardMappingTest, PlaceholderTeamNamesDropTheEvent) {
    const QList<Game> games = scoreboardGames(testdata::read("broken/placeholder-teams.json"), "nfl");
    // "TBD", "Unknown", a missing and an empty name drop; "Tbd" in mixed case passes.
    EXPECT_EQ(idsOf(games), QStringList({"401772904"}));
}

TEST(ScoreboardMappingTest, UnreadableStartDropsTheEvent) {
    const QList<Game> games = scoreboardGames(testdata::read("broken/unparsable-dates.json"), "mlb");
    // Text that is no date drops the event even beside a good competition date; a number is not text, so the
    // competition's date is used.
    ASSERT_EQ(idsOf(games), QStringList({"401696304"}));
    EXPECT_EQ(games.at(0).startTime, QDateTime(QDate(2026, 8, 16), QTime(20, 7), Qt::UTC));
}

TEST(ScoreboardMappingTest, ScoresAreReadOnlyFromIntegerText) {
    const QList<Game> games = scoreboardGames(testdata::read("broken/score-kinds.json"), "nhl");
    ASSERT_EQ(games.size(), 4);
    const auto scores = [&](int i) { return std::pair(games.at(i).homeScore, games.at(i).awayScore); };
    EXPECT_EQ(scores(0), (std::pair<qint64, qint64>(0, 0))); // a number and an object
    EXPECT_EQ(scores(1), (std::pair<qint64, qint64>(7, -1)));
    EXPECT_EQ(scores(2), (std::pair<qint64, qint64>(0, 0))); // empty and fractional text
    EXPECT_EQ(scores(3), (std::pair<qint64, qint64>(4, 0))); // "+4" and null
    EXPECT_EQ(games.at(0).clock, u"20:00");
}

TEST(ScoreboardMappingTest, SidesFollowHomeAwayMarksWithFallbacks) {
    QList<Game> games = scoreboardGames(scoreboardWith(R"({"competitors": [
        {"team": {"id": "a", "displayName": "First"}}, {"team": {"id": "b", "displayName": "Second"}}]})"),
                                        "nfl");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).homeTeam.id, u"a");
    EXPECT_EQ(games.at(0).awayTeam.id, u"b");
    // Missing status: scheduled, no period, no clock.
    EXPECT_EQ(games.at(0).status, GameStatus::scheduled);
    EXPECT_FALSE(games.at(0).period);
    EXPECT_FALSE(games.at(0).clock);

    games = scoreboardGames(scoreboardWith(R"({"competitors": [
        {"team": {"id": "a", "displayName": "First"}},
        {"homeAway": "home", "team": {"id": "b", "displayName": "Second"}}]})"),
                            "nfl");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).homeTeam.id, u"b");
    EXPECT_EQ(games.at(0).awayTeam.id, u"b");
}

TEST(ScoreboardMappingTest, OnlyTheFirstBroadcastEntryCounts) {
    const QList<Game> games = scoreboardGames(
        scoreboardWith("{" + twoTeams(R"(, "broadcasts": [{"names": []}, {"names": ["ESPN"]}])") + "}"),
        "nfl");
    ASSERT_EQ(games.size(), 1);
    EXPECT_FALSE(games.at(0).broadcast);
}

TEST(ScoreboardMappingTest, StatusWithoutTypeStillGivesTheClock) {
    const QList<Game> games = scoreboardGames(
        scoreboardWith("{" + twoTeams(R"(, "status": {"displayClock": "2:00"})") + "}"), "nfl");
    ASSERT_EQ(games.size(), 1);
    EXPECT_EQ(games.at(0).status, GameStatus::scheduled);
    EXPECT_EQ(games.at(0).clock, u"2:00");
}

TEST(ScoreboardMappingTest, OverallRecordIsTheFirstMatchingOne) {
    const auto homeRecord = [](const QByteArray& records) {
        const QByteArray competition = R"({"competitors": [
            {"homeAway": "home", "records": )" +
                                       records + R"(, "team": {"id": "2", "displayName": "Home"}},
            {"homeAway": "away", "team": {"id": "12", "displayName": "Away"}}]})";
        const QList<Game> games = scoreboardGames(scoreboardWith(competition), "nfl");
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

TEST(ScoreboardMappingTest, SituationOfAnotherSportReadsOnlyTheLastPlay) {
    EXPECT_FALSE(situation("{}", Sport::football));
    const std::optional<GameSituation> read =
        situation(R"({"down": 3, "powerPlay": "PP", "lastPlay": {"text": "Goal", "team": {"id": "359"}}})",
                  Sport::soccer);
    ASSERT_TRUE(read);
    GameSituation expected;
    expected.advantageTeamId = u"359"_s;
    expected.lastPlayText = u"Goal"_s;
    expected.lastPlayTeamId = u"359"_s;
    EXPECT_EQ(*read, expected);
}

TEST(ScoreboardMappingTest, TeamDefaultsAndFreshIdsForMissingKeys) {
    const QByteArray body = scoreboardWith(R"({"competitors": [
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
    EXPECT_EQ(home.abbreviation, u"UNK");
    EXPECT_EQ(home.shortName, u"Home");
    EXPECT_EQ(home.location, u"");
    EXPECT_EQ(home.primaryColor, u"808080");
    EXPECT_EQ(home.secondaryColor, u"FFFFFF");
    EXPECT_FALSE(home.logoURL);
    EXPECT_FALSE(home.record);
}
