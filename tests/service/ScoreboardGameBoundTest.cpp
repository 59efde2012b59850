// However many games a scoreboard reply lists, a league keeps the first thousand of them, in reply order,
// and says in the log how many it left out.
#include "LogCapture.h"
#include "MappingTestSupport.h"

namespace {

constexpr int listed = 1500;

QByteArray teamGame(int id) {
    return R"({"id": ")" + QByteArray::number(id) + R"(", "date": "2026-09-13T17:00Z", "competitions": [)" +
           R"({"competitors": [{"homeAway": "home", "team": {"displayName": "Home"}},)" +
           R"({"homeAway": "away", "team": {"displayName": "Away"}}]}]})";
}

QByteArray tennisMatch(int id) {
    return R"({"id": ")" + QByteArray::number(id) + R"(", "date": "2026-08-31T04:00Z", "competitors": [)" +
           R"({"athlete": {"displayName": "One"}}, {"athlete": {"displayName": "Two"}}]})";
}

QByteArray race(int id) {
    return R"({"id": ")" + QByteArray::number(id) + R"(", "date": "2026-09-06T13:00Z", )" +
           R"("competitions": [{"type": {"abbreviation": "Race"}}]})";
}

QByteArray joined(int count, QByteArray (*item)(int)) {
    QByteArrayList items;
    for (int id = 0; id < count; ++id)
        items.append(item(id));
    return items.join(',');
}

QStringList firstIds(int count) {
    QStringList ids;
    for (int id = 0; id < count; ++id)
        ids.append(QString::number(id));
    return ids;
}

} // namespace

TEST(ScoreboardGameBoundTest, AReplyOfMoreGamesThanAnyRealScoreboardKeepsItsFirstThousandInReplyOrder) {
    const QByteArray events = joined(listed, teamGame);
    const QList<std::pair<QString, QByteArray>> replies{
        {"nba", R"({"events": [)" + events + "]}"},
        // A key written with an escape: the reply is read whole rather than event by event.
        {"nba", R"({"le\u0061gues": [], "events": [)" + events + "]}"},
        {"atp", R"({"events": [{"name": "Open", "groupings": [{"competitions": [)" +
                    joined(listed, tennisMatch) + "]}]}]}"},
        {"f1", R"({"events": [)" + joined(listed, race) + "]}"},
    };
    for (const auto& [leagueId, body] : replies) {
        LogCapture log;
        const QList<Game> games = scoreboardGames(body, leagueId);
        EXPECT_EQ(idsOf(games), firstIds(1000)) << qPrintable(leagueId);
        EXPECT_EQ(
            log.matching("^warning API: .*scoreboard: kept its first 1000 games and left out 500 ").size(), 1)
            << qPrintable(log.messages.join('\n'));
    }

    // A reply that is no JSON still fails, wherever past the bound it breaks.
    const QByteArray broken = R"({"events": [)" + events + R"(, {"id": ]})";
    EXPECT_FALSE(parseScoreboard(broken, leagueWithId("nba"), mappingNow()).ok());
}

TEST(ScoreboardGameBoundTest, AReplyWithinTheBoundKeepsEveryGameAndLogsNothing) {
    LogCapture log;
    const QList<Game> games = scoreboardGames(R"({"events": [)" + joined(1000, teamGame) + "]}", "nba");
    EXPECT_EQ(games.size(), 1000);
    EXPECT_TRUE(log.warnings().isEmpty());
}
