#include "MappingTestSupport.h"

namespace {

QByteArray teamList(const QByteArray& teams) {
    return R"({"sports": [{"leagues": [{"teams": )" + teams + "}]}]}";
}

} // namespace

TEST(TeamListMappingTest, TeamsTakeTheirLogoFromTheLogosList) {
    ServiceResult<QList<Team>> result = parseTeams(testdata::read("teams/nfl.json"), leagueWithId("nfl"));
    ASSERT_TRUE(result.ok());
    const QList<Team>& teams = result.value();
    ASSERT_EQ(teams.size(), 4);
    EXPECT_EQ(teams.at(0).id, u"22");
    EXPECT_EQ(teams.at(0).name, u"Arizona Cardinals");
    EXPECT_EQ(teams.at(0).shortName, u"Cardinals");
    EXPECT_EQ(teams.at(0).location, u"Arizona");
    EXPECT_EQ(teams.at(0).primaryColor, u"a4113e");
    EXPECT_EQ(teams.at(0).league.id, u"nfl");
    EXPECT_EQ(teams.at(0).logoURL, QUrl("https://a.espncdn.com/i/teamlogos/nfl/500/ari.png"));
    EXPECT_FALSE(teams.at(0).record);
    EXPECT_EQ(teams.at(3).abbreviation, u"BUF");
}

TEST(TeamListMappingTest, LogoTextWinsOverTheLogosList) {
    ServiceResult<QList<Team>> result = parseTeams(teamList(R"([
        {"team": {"id": "1", "logo": "https://img/one.png", "logos": [{"href": "https://img/other.png"}]}},
        {"team": {"id": "2", "logos": []}},
        {"team": {"id": "3", "logos": [7, {"href": "https://img/second.png"}]}},
        {"team": {"id": "4", "logo": 5, "logos": [{"href": "https://img/four.png"}]}},
        {"name": "no team object"}])"),
                                                   leagueWithId("nfl"));
    ASSERT_TRUE(result.ok());
    const QList<Team>& teams = result.value();
    ASSERT_EQ(teams.size(), 4);
    EXPECT_EQ(teams.at(0).logoURL, QUrl("https://img/one.png"));
    EXPECT_FALSE(teams.at(1).logoURL);
    EXPECT_FALSE(teams.at(2).logoURL);
    EXPECT_EQ(teams.at(3).logoURL, QUrl("https://img/four.png"));
}

TEST(TeamListMappingTest, ListWithoutItsStructureFails) {
    for (const QByteArray& body :
         {testdata::read("broken/access-denied.html"), QByteArray(R"({"sports": []})"),
          QByteArray(R"({"sports": [{"leagues": []}]})"), QByteArray(R"({"sports": [{"leagues": [{}]}]})"),
          teamList(R"([{"team": {}}, 3])"), testdata::read("scoreboard/nfl.json")}) {
        const ServiceResult<QList<Team>> result = parseTeams(body, leagueWithId("nfl"));
        ASSERT_FALSE(result.ok());
        EXPECT_EQ(result.error(), APIError::parsingError());
    }
    const ServiceResult<QList<Team>> empty = parseTeams(teamList("[]"), leagueWithId("nfl"));
    ASSERT_TRUE(empty.ok());
    EXPECT_TRUE(empty.value().isEmpty());
}
