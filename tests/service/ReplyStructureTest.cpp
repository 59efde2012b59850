#include "MappingTestSupport.h"

namespace {

enum class Reply { scoreboard, summary, teams, topScorers };

std::optional<APIError> parseAs(Reply reply, const QByteArray& body) {
    const League nfl = leagueWithId("nfl");
    switch (reply) {
    case Reply::scoreboard:
        return errorOf(parseScoreboard(body, nfl, mappingNow()));
    case Reply::summary:
        return errorOf(parseSummary(body, nfl, "1", mappingNow()));
    case Reply::teams:
        return errorOf(parseTeams(body, nfl));
    case Reply::topScorers:
        return errorOf(parseTopScorers(body));
    }
    return std::nullopt;
}

QByteArray teamList(const QByteArray& teams) {
    return R"({"sports": [{"leagues": [{"teams": )" + teams + "}]}]}";
}

} // namespace

TEST(ReplyStructureTest, RepliesWithoutTheirStructureAreParsingErrors) {
    // Neither JSON nor an object: every reply fails.
    for (const char* file : {"broken/not-json.txt", "broken/access-denied.html",
                             "broken/top-level-array.json", "broken/truncated.json"}) {
        for (Reply reply : {Reply::scoreboard, Reply::summary, Reply::teams, Reply::topScorers})
            EXPECT_EQ(parseAs(reply, testdata::read(file)), APIError::parsingError())
                << file << " as reply " << int(reply);
    }
    const QList<std::pair<Reply, QByteArray>> shapes{
        {Reply::scoreboard, QByteArray()},
        {Reply::scoreboard, testdata::read("broken/events-not-list.json")},
        {Reply::scoreboard, testdata::read("broken/events-with-a-number.json")},
        {Reply::scoreboard, testdata::read("teams/nfl.json")},
        {Reply::summary, R"({"drives": {"previous": []}})"},
        {Reply::summary, R"({"header": {"competitions": []}})"},
        {Reply::summary, R"({"header": {"competitions": [{}, 1]}})"},
        {Reply::teams, R"({"sports": []})"},
        {Reply::teams, R"({"sports": [{"leagues": []}]})"},
        {Reply::teams, R"({"sports": [{"leagues": [{}]}]})"},
        {Reply::teams, teamList(R"([{"team": {}}, 3])")},
        {Reply::teams, testdata::read("scoreboard/nfl.json")}};
    for (const auto& [reply, body] : shapes)
        EXPECT_EQ(parseAs(reply, body), APIError::parsingError()) << body.left(60).toStdString();

    // Empty lists are no failure.
    EXPECT_TRUE(scoreboardGames(R"({"events": []})", "nfl").isEmpty());
    EXPECT_TRUE(mapped(parseTeams(teamList("[]"), leagueWithId("nfl"))).isEmpty());
    EXPECT_TRUE(mapped(parseTopScorers("{}")).isEmpty());
}
