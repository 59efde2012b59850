#include "MappingTestSupport.h"

TEST(TeamListMappingTest, TeamsTakeTheirLogoFromTheLogosList) {
    const QList<Team> teams = mapped(parseTeams(testdata::read("teams/nfl.json"), leagueWithId("nfl")));
    ASSERT_EQ(teams.size(), 4);
    EXPECT_EQ(teams.at(0).id, u"22");
    EXPECT_EQ(teams.at(0).league.id, u"nfl");
    EXPECT_EQ(describe(teams.at(0)), u"Arizona Cardinals|ARI|Cardinals|Arizona|a4113e/ffffff|"
                                     u"https://a.espncdn.com/i/teamlogos/nfl/500/ari.png|none");
}

TEST(TeamListMappingTest, LogoTextWinsOverTheLogosList) {
    const QList<Team> teams = mapped(parseTeams(R"({"sports": [{"leagues": [{"teams": [
        {"team": {"id": "1", "logo": "https://img/one.png", "logos": [{"href": "https://img/other.png"}]}},
        {"team": {"id": "2", "logos": []}},
        {"team": {"id": "3", "logos": [7, {"href": "https://img/second.png"}]}},
        {"team": {"id": "4", "logo": 5, "logos": [{"href": "https://img/four.png"}]}},
        {"name": "no team object"}]}]}]})",
                                                leagueWithId("nfl")));
    ASSERT_EQ(teams.size(), 4);
    EXPECT_EQ(teams.at(0).logoURL, QUrl("https://img/one.png"));
    EXPECT_FALSE(teams.at(1).logoURL);
    EXPECT_FALSE(teams.at(2).logoURL);
    EXPECT_EQ(teams.at(3).logoURL, QUrl("https://img/four.png"));
}
