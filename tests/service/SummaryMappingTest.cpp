#include "MappingTestSupport.h"
#include "service/PlayMapping.h"

namespace {

GameDetail summaryOf(const QByteArray& body, const QString& leagueId = "nfl") {
    ServiceResult<GameDetail> result = parseSummary(body, leagueWithId(leagueId), "401772830", mappingNow());
    EXPECT_TRUE(result.ok()) << "the summary did not map";
    return result.ok() ? std::move(result).value()
                       : GameDetail{Game{}, std::nullopt, {}, std::nullopt, std::nullopt};
}

// A summary whose header holds one competition with `competition` spliced into it.
QByteArray summaryWith(const QByteArray& competition, const QByteArray& rest = "") {
    return R"({"header": {"competitions": [{)" + competition + "}]}" + rest + "}";
}

QStringList names(const QList<LeaderCategory>& leaders) {
    QStringList result;
    for (const LeaderCategory& leader : leaders)
        result.append(leader.category + u':' + leader.playerName + u':' + leader.displayValue);
    return result;
}

QStringList playIds(const QList<PlayByPlayEvent>& plays) {
    QStringList ids;
    for (const PlayByPlayEvent& play : plays)
        ids.append(play.id);
    return ids;
}

} // namespace

TEST(SummaryMappingTest, LiveSummaryMapsTheGame) {
    const GameDetail detail = summaryOf(testdata::read("summary/nfl-live.json"));
    const Game& game = detail.game;
    EXPECT_EQ(game.id, u"401772830");
    EXPECT_EQ(game.league.id, u"nfl");
    EXPECT_EQ(game.homeTeam.name, u"Buffalo Bills");
    EXPECT_EQ(game.awayTeam.name, u"Kansas City Chiefs");
    EXPECT_EQ(game.homeScore, 17);
    EXPECT_EQ(game.awayScore, 14);
    EXPECT_EQ(game.status, GameStatus::inProgress);
    EXPECT_EQ(game.period, u"8:32 - 3rd");
    EXPECT_EQ(game.clock, u"8:32");
    EXPECT_FALSE(game.venue);
    EXPECT_FALSE(game.broadcast);
    EXPECT_FALSE(game.homeTeam.record);
    EXPECT_EQ(game.lastUpdate, mappingNow());
    EXPECT_FALSE(detail.boxScore);
    EXPECT_FALSE(detail.news);
}

TEST(SummaryMappingTest, StartTimeIsTheScheduledDateNotTheMomentOfMapping) {
    EXPECT_EQ(summaryOf(testdata::read("summary/nfl-live.json")).game.startTime,
              QDateTime(QDate(2026, 9, 13), QTime(17, 0), Qt::UTC));
    EXPECT_EQ(summaryOf(summaryWith(R"("date": "2026-09-13T17:00:00.000Z")")).game.startTime,
              QDateTime(QDate(2026, 9, 13), QTime(17, 0), Qt::UTC));
    EXPECT_EQ(summaryOf(summaryWith(R"("date": "Sunday")")).game.startTime, mappingNow());
    EXPECT_EQ(summaryOf(summaryWith(R"("id": "1")")).game.startTime, mappingNow());
}

TEST(SummaryMappingTest, TeamBlockLeadersGoToTheirTeamsSide) {
    const GameDetail detail = summaryOf(testdata::read("summary/nfl-live.json"));
    ASSERT_TRUE(detail.leaders);
    EXPECT_EQ(names(detail.leaders->homeLeaders),
              QStringList({"Passing Yards:Josh Allen:18/25, 231 YDS, 2 TD",
                           "Rushing Yards:James Cook:14 CAR, 66 YDS",
                           "Receiving Yards:Khalil Shakir:6 REC, 84 YDS"}));
    EXPECT_EQ(names(detail.leaders->awayLeaders),
              QStringList({"Passing Yards:Patrick Mahomes:15/24, 178 YDS, 2 TD",
                           "Rushing Yards:Isiah Pacheco:9 CAR, 31 YDS",
                           "Receiving Yards:Travis Kelce:5 REC, 61 YDS"}));
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

TEST(SummaryMappingTest, CategoryGroupsWithoutTeamAreDealtAlternately) {
    QByteArray groups;
    for (int group = 0; group < 3; ++group) {
        groups += QByteArray(group ? "," : "") + R"({"displayName": "G)" + QByteArray::number(group) +
                  R"(", "leaders": [{"displayValue": "a", "athlete": {"displayName": "P)" +
                  QByteArray::number(group * 2 + 1) +
                  R"("}}, {"displayValue": "b", "athlete": {"displayName": "P)" +
                  QByteArray::number(group * 2 + 2) + R"("}}]})";
    }
    const GameDetail detail = summaryOf(summaryWith(R"("id": "1")", R"(, "leaders": [)" + groups + "]"));
    ASSERT_TRUE(detail.leaders);
    EXPECT_EQ(names(detail.leaders->homeLeaders), QStringList({"G0:P1:a", "G1:P3:a", "G2:P5:a"}));
    EXPECT_EQ(names(detail.leaders->awayLeaders), QStringList({"G0:P2:b", "G1:P4:b", "G2:P6:b"}));
}

TEST(SummaryMappingTest, LeadersAbsentOnlyWithoutTheKey) {
    EXPECT_FALSE(summaryOf(testdata::read("summary/nhl-final-boxscore.json"), "nhl").leaders);
    const GameDetail empty = summaryOf(summaryWith(R"("id": "1")", R"(, "leaders": [])"));
    ASSERT_TRUE(empty.leaders);
    EXPECT_TRUE(empty.leaders->homeLeaders.isEmpty());
    EXPECT_TRUE(empty.leaders->awayLeaders.isEmpty());
}

TEST(SummaryMappingTest, SummaryGameIgnoresBreaksAndPlaceholders) {
    const GameDetail detail =
        summaryOf(summaryWith(R"("status": {"type": {"state": "IN", "name": "STATUS_HALFTIME",
        "shortDetail": "Halftime"}}, "competitors": [{"homeAway": "home", "score": "+12",
        "team": {"displayName": "TBD"}}, {"homeAway": "away", "score": "3.0"}])"));
    EXPECT_EQ(detail.game.status, GameStatus::inProgress);
    EXPECT_EQ(detail.game.homeTeam.name, u"TBD");
    EXPECT_EQ(detail.game.homeScore, 12);
    EXPECT_EQ(detail.game.awayScore, 0);
    EXPECT_EQ(detail.game.awayTeam.name, u"Unknown");
}

TEST(SummaryMappingTest, CompetitionWithoutCompetitorsStillGivesAGame) {
    const GameDetail detail = summaryOf(summaryWith(R"("status": {"type": {"state": "post"}})"));
    EXPECT_EQ(detail.game.homeTeam.name, u"Unknown");
    EXPECT_EQ(detail.game.awayTeam.abbreviation, u"UNK");
    EXPECT_EQ(detail.game.homeScore, 0);
    EXPECT_EQ(detail.game.status, GameStatus::final_);
    EXPECT_TRUE(detail.playByPlay.isEmpty());
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

TEST(SummaryMappingTest, SummaryWithoutItsStructureFails) {
    for (const QByteArray& body :
         {testdata::read("broken/access-denied.html"), testdata::read("broken/top-level-array.json"),
          QByteArray(R"({"drives": {"previous": []}})"), QByteArray(R"({"header": {"competitions": []}})"),
          QByteArray(R"({"header": {"competitions": [{}, 1]}})")}) {
        const ServiceResult<GameDetail> result = parseSummary(body, leagueWithId("nfl"), "1", mappingNow());
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error(), APIError::parsingError());
    }
}

TEST(SummaryMappingTest, PlaysComeNewestFirstWithTextAndPeriodNumber) {
    const GameDetail detail = summaryOf(testdata::read("summary/nfl-live.json"));
    ASSERT_EQ(playIds(detail.playByPlay),
              QStringList({"40177283031", "40177283030", "40177283022", "40177283021", "40177283020",
                           "40177283013", "40177283012", "40177283011", "40177283010"}));
    const PlayByPlayEvent& latest = detail.playByPlay.first();
    EXPECT_EQ(latest.gameId, u"401772830");
    EXPECT_EQ(latest.period, u"3");
    EXPECT_EQ(latest.clock, u"8:32");
    EXPECT_TRUE(latest.description.startsWith(u"(8:32) J.Allen pass short right"));
    EXPECT_EQ(latest.scoreHome, 17);
    EXPECT_EQ(latest.scoreAway, 14);
    EXPECT_EQ(latest.timestamp, mappingNow());
    EXPECT_FALSE(latest.team);
    EXPECT_FALSE(latest.player);

    const PlayByPlayEvent& fieldGoal = detail.playByPlay.at(1);
    EXPECT_EQ(fieldGoal.eventType, PlayEventType::fieldGoal);
    EXPECT_TRUE(fieldGoal.isScoring);
    EXPECT_TRUE(fieldGoal.isKeyPlay);
    EXPECT_EQ(fieldGoal.period, u"2");
    EXPECT_EQ(detail.playByPlay.at(2).eventType, PlayEventType::timeout);
    EXPECT_FALSE(detail.playByPlay.at(2).scoreHome);
    EXPECT_EQ(detail.playByPlay.at(3).eventType, PlayEventType::punt);
    EXPECT_EQ(detail.playByPlay.at(4).eventType, PlayEventType::sack);
    EXPECT_EQ(detail.playByPlay.at(6).eventType, PlayEventType::touchdown);
    EXPECT_EQ(detail.playByPlay.at(7).eventType, PlayEventType::other);
    EXPECT_EQ(detail.playByPlay.at(8).eventType, PlayEventType::kickoff);
}

TEST(SummaryMappingTest, PlayFieldsFallBackInOrder) {
    const GameDetail detail = summaryOf(summaryWith(R"("id": "1")", R"(, "drives": {"previous": [
        {"plays": [{"id": "a1", "description": "Described", "text": "Text", "period": {"displayValue": "OT", "number": 5}},
                   {"id": "a2", "text": "Only text", "period": {"number": 2.5}, "homeScore": 7.5}]},
        {"description": "a drive without plays"},
        {"plays": [{"id": "b1", "text": "No period"}, {"text": "No id"}, {"id": "b3"}, {"id": 4, "text": "x"}]}]})"));
    ASSERT_EQ(playIds(detail.playByPlay), QStringList({"b1", "a2", "a1"}));
    EXPECT_EQ(detail.playByPlay.at(0).period, u"1");
    EXPECT_EQ(detail.playByPlay.at(1).period, u"1");
    EXPECT_EQ(detail.playByPlay.at(1).description, u"Only text");
    EXPECT_FALSE(detail.playByPlay.at(1).scoreHome);
    EXPECT_EQ(detail.playByPlay.at(2).period, u"OT");
    EXPECT_EQ(detail.playByPlay.at(2).description, u"Described");
    EXPECT_EQ(detail.playByPlay.at(2).eventType, PlayEventType::other);
}

TEST(SummaryMappingTest, PlaysNeedTheDrivesStructure) {
    EXPECT_TRUE(summaryOf(summaryWith(R"("id": "1")", R"(, "drives": {"previous": [{"plays": []}, 3]})"))
                    .playByPlay.isEmpty());
    EXPECT_TRUE(summaryOf(summaryWith(R"("id": "1")", R"(, "drives": [])")).playByPlay.isEmpty());
}

TEST(ClassifyPlayTest, FirstKeywordInOrderWins) {
    EXPECT_EQ(classifyPlay(u"FIELD GOAL Good"), PlayEventType::fieldGoal);
    EXPECT_EQ(classifyPlay(u"Own Goal"), PlayEventType::goal);
    EXPECT_EQ(classifyPlay(u"Touchdown after fumble recovery"), PlayEventType::touchdown);
    EXPECT_EQ(classifyPlay(u"Home Run"), PlayEventType::homeRun);
    EXPECT_EQ(classifyPlay(u"Strikeout Swinging"), PlayEventType::strikeout);
    EXPECT_EQ(classifyPlay(u"Interception Return"), PlayEventType::interception);
    EXPECT_EQ(classifyPlay(u"Penalty"), PlayEventType::penalty);
    EXPECT_EQ(classifyPlay(u"Official Timeout"), PlayEventType::timeout);
    EXPECT_EQ(classifyPlay(u""), PlayEventType::other);
    EXPECT_EQ(classifyPlay(u"Jump Shot"), PlayEventType::other);
}
