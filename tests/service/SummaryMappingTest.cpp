#include "MappingTestSupport.h"
#include "service/PlayMapping.h"

namespace {

// The recorded live summary's game, the one every summary here is asked for unless it says otherwise.
const QString askedId = "401772830";

GameDetail summaryOf(const QByteArray& body, const QString& leagueId = "nfl",
                     const QString& gameId = askedId) {
    return mapped(parseSummary(body, leagueWithId(leagueId), gameId, mappingNow()));
}

// A summary whose header holds one competition with `competition` spliced into it.
QByteArray summaryWith(const QByteArray& competition, const QByteArray& rest = "") {
    return R"({"header": {"competitions": [{)" + competition + "}]}" + rest + "}";
}

QStringList names(const QList<LeaderCategory>& leaders) {
    return textsOf(leaders, [](const LeaderCategory& leader) {
        return leader.category + u':' + leader.playerName + u':' + leader.displayValue;
    });
}

} // namespace

TEST(SummaryMappingTest, LiveSummaryMapsTheGameItsLeadersBySideAndItsPlaysNewestFirst) {
    const GameDetail detail = summaryOf(testdata::read("summary/nfl-live.json"));
    const Game& game = detail.game;
    EXPECT_EQ(game.id, u"401772830");
    EXPECT_EQ(game.league.id, u"nfl");
    EXPECT_EQ(sideNames(game), u"Buffalo Bills|Kansas City Chiefs");
    EXPECT_EQ(stateOf(game), u"in_progress|17:14|8:32 - 3rd|8:32");
    EXPECT_EQ(game.lastUpdate, mappingNow());

    ASSERT_TRUE(detail.leaders);
    EXPECT_EQ(names(detail.leaders->homeLeaders),
              QStringList({"Passing Yards:Josh Allen:18/25, 231 YDS, 2 TD",
                           "Rushing Yards:James Cook:14 CAR, 66 YDS",
                           "Receiving Yards:Khalil Shakir:6 REC, 84 YDS"}));
    EXPECT_EQ(names(detail.leaders->awayLeaders),
              QStringList({"Passing Yards:Patrick Mahomes:15/24, 178 YDS, 2 TD",
                           "Rushing Yards:Isiah Pacheco:9 CAR, 31 YDS",
                           "Receiving Yards:Travis Kelce:5 REC, 61 YDS"}));

    // Plays newest first, with their text and period number.
    const QList<PlayByPlayEvent>& plays = detail.playByPlay;
    ASSERT_EQ(idsOf(plays),
              QStringList({"40177283031", "40177283030", "40177283022", "40177283021", "40177283020",
                           "40177283013", "40177283012", "40177283011", "40177283010"}));
    EXPECT_EQ(textsOf(plays, [](const PlayByPlayEvent& play) { return rawValue(play.eventType); }),
              QStringList({"other", "field_goal", "timeout", "punt", "sack", "other", "touchdown", "other",
                           "kickoff"}));

    const PlayByPlayEvent& latest = plays.first();
    EXPECT_EQ(latest.gameId, u"401772830");
    EXPECT_EQ(latest.period, u"3");
    EXPECT_EQ(latest.clock, u"8:32");
    EXPECT_TRUE(latest.description.startsWith(u"(8:32) J.Allen pass short right"));
    EXPECT_EQ(std::pair(latest.scoreHome, latest.scoreAway),
              std::pair(std::optional(17LL), std::optional(14LL)));
    EXPECT_EQ(latest.timestamp, mappingNow());

    EXPECT_TRUE(plays.at(1).isScoring && plays.at(1).isKeyPlay);
}

TEST(SummaryMappingTest, StartTimeIsTheScheduledDateNotTheMomentOfMappingAndABareSummaryHasUnknownSides) {
    EXPECT_EQ(summaryOf(testdata::read("summary/nfl-live.json")).game.startTime, utc(2026, 9, 13, 17, 0));
    EXPECT_EQ(summaryOf(summaryWith(R"("date": "2026-09-13T17:00:00.000Z")")).game.startTime,
              utc(2026, 9, 13, 17, 0));
    EXPECT_EQ(summaryOf(summaryWith(R"("date": "Sunday")")).game.startTime, mappingNow());
    EXPECT_EQ(summaryOf(summaryWith(R"("id": "1")")).game.startTime, mappingNow());

    // A bare summary has unknown sides.
    const GameDetail bare = summaryOf(summaryWith(R"("status": {"type": {"state": "post"}})"));
    EXPECT_EQ(sideNames(bare.game), u"Unknown|Unknown");
    EXPECT_EQ(stateOf(bare.game), u"final|0:0|none|none");
}

TEST(SummaryMappingTest, VenueBroadcastAndRecordsAreReadAsTheScoreboardReadsThemAndStayAbsentWhenMissing) {
    // The venue is the game information's, as the service sends it.
    EXPECT_EQ(summaryOf(testdata::read("summary/nfl-live.json")).game.venue, "Highmark Stadium");

    const Game game = summaryOf(summaryWith(R"("broadcasts": [{"market": "national", "names": ["FOX"]}],
        "competitors": [
            {"homeAway": "home", "team": {"id": "6"},
             "records": [{"type": "home", "summary": "6-2"}, {"type": "total", "summary": "10-6"}]},
            {"homeAway": "away", "team": {"id": "21"},
             "records": [{"name": "overall", "summary": "12-4-1"}]}])",
                                            R"(, "gameInfo": {"venue": {"fullName": "AT&T Stadium"}})"))
                          .game;
    EXPECT_EQ(game.venue, "AT&T Stadium");
    EXPECT_EQ(game.broadcast, "FOX");
    ASSERT_TRUE(game.homeTeam.record && game.awayTeam.record);
    EXPECT_EQ(game.homeTeam.record->formattedRecord(), "10-6");
    EXPECT_EQ(game.awayTeam.record->formattedRecord(), "12-4-1");

    // A summary without them, or with them in other shapes, leaves them absent.
    for (const auto& [competition, rest] : {std::pair<QByteArray, QByteArray>{R"("id": "1")", ""},
                                            {R"("broadcasts": [], "venue": {"fullName": "Header Field"},
              "competitors": [{"homeAway": "home", "records": []}, {"homeAway": "away"}])",
                                             R"(, "gameInfo": {"venue": "AT&T Stadium"})"}}) {
        const Game bare = summaryOf(summaryWith(competition, rest)).game;
        EXPECT_EQ(bare.venue, std::nullopt);
        EXPECT_EQ(bare.broadcast, std::nullopt);
        EXPECT_FALSE(bare.homeTeam.record || bare.awayTeam.record);
    }
}

TEST(SummaryMappingTest, TheSummarysOwnShapesOfBroadcastAndRecordsAreReadAfterTheScoreboards) {
    // The service's summary names the broadcast's media and lists each competitor's records under "record".
    const Game recorded = summaryOf(testdata::read("summary/nfl-live.json")).game;
    EXPECT_EQ(recorded.broadcast, "CBS");
    ASSERT_TRUE(recorded.homeTeam.record && recorded.awayTeam.record);
    EXPECT_EQ(recorded.homeTeam.record->formattedRecord(), "1-0");
    EXPECT_EQ(recorded.awayTeam.record->formattedRecord(), "0-1");

    // Where both shapes are there, the scoreboard's wins; the overall record is taken in either.
    const Game both =
        summaryOf(summaryWith(R"("broadcasts": [{"names": ["FOX"], "media": {"shortName": "CBS"}}],
        "competitors": [
            {"homeAway": "home", "records": [{"type": "total", "summary": "10-6"}],
             "record": [{"type": "total", "summary": "1-0"}]},
            {"homeAway": "away", "records": [{"type": "home", "summary": "5-3"}],
             "record": [{"type": "road", "summary": "4-4"}, {"type": "total", "summary": "9-7"}]}])"))
            .game;
    EXPECT_EQ(both.broadcast, "FOX");
    ASSERT_TRUE(both.homeTeam.record && both.awayTeam.record);
    EXPECT_EQ(both.homeTeam.record->formattedRecord(), "10-6");
    EXPECT_EQ(both.awayTeam.record->formattedRecord(), "9-7");
}

TEST(SummaryMappingTest, ASummaryOfAnotherGameIsRefusedAndOneWithoutAnIdIsTaken) {
    // The service answered with another game's summary: shown, it would stand in for the game asked for.
    for (const QByteArray& summary :
         {QByteArray(R"({"header": {"id": "401772831", "competitions": [{"id": "401772831"}]}})"),
          QByteArray(R"({"header": {"id": "401772831", "competitions": [{}]}})")})
        EXPECT_EQ(errorOf(parseSummary(summary, leagueWithId("nfl"), askedId, mappingNow())),
                  APIError::parsingError())
            << summary.toStdString();

    // What a summary leaves out is not held against it, nor a competition of its own id (a race weekend's
    // summary describes its race).
    for (const QByteArray& summary :
         {QByteArray(R"({"header": {"id": "401772830", "competitions": [{}]}})"),
          QByteArray(R"({"header": {"competitions": [{"date": "Sunday"}]}})"),
          QByteArray(R"({"header": {"id": "401772830", "competitions": [{"id": "401772899"}]}})")})
        EXPECT_EQ(summaryOf(summary).game.id, askedId) << summary.toStdString();
}

TEST(SummaryMappingTest, TeamBlocksAreSidedByTeamIdWhateverTheirOrder) {
    const QByteArray competitors = R"("competitors": [{"homeAway": "away", "team": {"id": "12"}},
                                                      {"homeAway": "home", "team": {"id": "2"}}])";
    const GameDetail detail = summaryOf(summaryWith(competitors, R"(, "leaders": [
        {"team": {"id": "12"}, "leaders": [{"displayName": "Points", "leaders": [
            {"displayValue": "30", "athlete": {"displayName": "Away Star"}},
            {"displayValue": "20", "athlete": {"displayName": "Away Second"}}]},
            {"displayName": "Assists", "leaders": []}]},
        {"team": {"id": "2"}, "leaders": [{"displayName": "Points", "leaders": [{"athlete": {}}]}]},
        {"team": {"id": "99"}, "leaders": "none"}])"));
    ASSERT_TRUE(detail.leaders);
    EXPECT_EQ(names(detail.leaders->awayLeaders), QStringList({"Points:Away Star:30"}));
    EXPECT_EQ(names(detail.leaders->homeLeaders), QStringList({"Points:Unknown:"}));
}

TEST(SummaryMappingTest, LeadersNeedTheirKeyAndPlaysNeedTheDrivesStructure) {
    EXPECT_FALSE(summaryOf(testdata::read("summary/nhl-final-boxscore.json"), "nhl", "401687412").leaders);

    EXPECT_EQ(
        summaryOf(summaryWith(R"("id": "1")",
                              R"(, "drives": {"previous": [{"plays": [{"id": "p", "text": "a play"}]}]})"))
            .playByPlay.size(),
        1);
    // The same play under drives that are not an object of previous drives, or beside a drive that is not
    // an object.
    for (const char* drives : {R"({"previous": [{"plays": [{"id": "p", "text": "a play"}]}, 3]})",
                               R"([{"plays": [{"id": "p", "text": "a play"}]}])"})
        EXPECT_TRUE(summaryOf(summaryWith(R"("id": "1")", R"(, "drives": )" + QByteArray(drives)))
                        .playByPlay.isEmpty());
}

TEST(SummaryMappingTest, FightersAreTheSidesOfABoutSummary) {
    const GameDetail detail = summaryOf(summaryWith(R"("competitors": [
        {"id": "4332227", "homeAway": "home", "athlete": {"displayName": "Alexandre Pantoja", "shortName": "A. Pantoja"}},
        {"id": "3955778", "homeAway": "away", "athlete": {"displayName": "Brandon Royval"}}])"),
                                        "ufc");
    EXPECT_EQ(detail.game.homeTeam.id, u"4332227");
    EXPECT_EQ(detail.game.homeTeam.abbreviation, u"Pantoja");
    EXPECT_EQ(detail.game.awayTeam.name, u"Brandon Royval");
}

TEST(SummaryMappingTest, PlayFieldsFallBackInOrder) {
    const GameDetail detail = summaryOf(summaryWith(R"("id": "1")", R"(, "drives": {"previous": [
        {"plays": [{"id": "a1", "description": "Described", "text": "Text", "period": {"displayValue": "OT", "number": 5}},
                   {"id": "a2", "text": "Only text", "period": {"number": 2.5}, "homeScore": 7.5}]},
        {"description": "a drive without plays"},
        {"plays": [{"id": "b1", "text": "No period"}, {"text": "No id"}, {"id": "b3"}, {"id": 4, "text": "x"}]}]})"));
    ASSERT_EQ(idsOf(detail.playByPlay), QStringList({"b1", "a2", "a1"}));
    EXPECT_EQ(detail.playByPlay.at(0).period, u"1");
    EXPECT_EQ(detail.playByPlay.at(1).period, u"1");
    EXPECT_EQ(detail.playByPlay.at(1).description, u"Only text");
    EXPECT_FALSE(detail.playByPlay.at(1).scoreHome);
    EXPECT_EQ(detail.playByPlay.at(2).period, u"OT");
    EXPECT_EQ(detail.playByPlay.at(2).description, u"Described");
    EXPECT_EQ(detail.playByPlay.at(2).eventType, PlayEventType::other);
}

TEST(ClassifyPlayTest, FirstKeywordInOrderWins) {
    using enum PlayEventType;
    for (const auto& [text, type] :
         QList<std::pair<const char16_t*, PlayEventType>>{{u"FIELD GOAL Good", fieldGoal},
                                                          {u"Own Goal", goal},
                                                          {u"Touchdown after fumble recovery", touchdown},
                                                          {u"Strikeout Swinging", strikeout},
                                                          {u"Official Timeout", timeout},
                                                          {u"", other},
                                                          {u"Jump Shot", other}})
        EXPECT_EQ(classifyPlay(text), type) << QString::fromUtf16(text).toStdString();
}
