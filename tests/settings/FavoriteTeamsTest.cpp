#include "SettingsFixture.h"
#include "TestGames.h"

#include "settings/FavoriteTeams.h"
#include "settings/FavoriteTeamsView.h"
#include "settings/SettingsController.h"

namespace {

Team team(const QString& id, const QString& name, const QString& abbreviation = "XXX") {
    Team result = testTeam(id, "nba");
    result.name = name;
    result.abbreviation = abbreviation;
    return result;
}

QStringList names(const QList<Team>& teams) {
    QStringList result;
    for (const Team& each : teams)
        result.append(each.name);
    return result;
}

TEST(FavoriteTeamsTest, FavoritesFirstThenNamesCaseSensitive) {
    const QList<Team> all{team("1", "bravo"), team("2", "Zulu"), team("3", "Alpha"), team("4", "Mike")};
    EXPECT_EQ(names(favoriteteams::sortedTeams(all, {}, {"4"})),
              (QStringList{"Mike", "Alpha", "Zulu", "bravo"}));
}

TEST(FavoriteTeamsTest, WithoutATeamListTheGamesGiveEachTeamOnceLatestGameWinning) {
    const QDateTime now = QDateTime::currentDateTimeUtc();
    Game early = testGame("early", "nba", now);
    Game late = testGame("late", "nba", now.addSecs(3600));
    early.homeTeam = team("boston", "Boston (old)");
    late.awayTeam = team("boston", "Boston");
    // Listed latest first: the start time decides, not the order of the games.
    const QList<Team> teams = favoriteteams::sortedTeams({}, {late, early}, {});
    EXPECT_EQ(teams.size(), 3);
    EXPECT_TRUE(names(teams).contains("Boston"));
    EXPECT_FALSE(names(teams).contains("Boston (old)"));
}

TEST(FavoriteTeamsTest, SearchMatchesNameOrAbbreviationIgnoringCaseAndKeepsSpaces) {
    const QList<Team> sorted{team("1", "Golden State Warriors", "GSW"), team("2", "Boston Celtics", "BOS")};
    EXPECT_EQ(names(favoriteteams::filteredTeams(sorted, "gsw")), QStringList{"Golden State Warriors"});
    EXPECT_EQ(names(favoriteteams::filteredTeams(sorted, "CELT")), QStringList{"Boston Celtics"});
    EXPECT_TRUE(favoriteteams::filteredTeams(sorted, "celtics ").isEmpty());
    EXPECT_EQ(favoriteteams::filteredTeams(sorted, "state ").size(), 1);
    EXPECT_EQ(favoriteteams::filteredTeams(sorted, "").size(), 2);
}

class FavoriteTeamsViewTest : public SettingsFixture {
protected:
    SettingsController controller{services};
};

TEST_F(FavoriteTeamsViewTest, PlaceholderOnlyWithoutTeamsAndAStarMovesATeamUpAndIsSavedAtOnce) {
    FavoriteTeamsView view(controller);
    EXPECT_TRUE(view.showsPlaceholder());

    preferences.setEnabledLeagues({"nba"});
    Game game = testGame("1", "nba", clock.now());
    game.homeTeam = team("a", "Alpha");
    game.awayTeam = team("z", "Zulu");
    state.setLeagueGames("nba", {game});
    EXPECT_FALSE(view.showsPlaceholder());
    EXPECT_EQ(names(view.shownTeams()), (QStringList{"Alpha", "Zulu"}));

    view.setSearchText("nothing like it");
    EXPECT_FALSE(view.showsPlaceholder()) << "a search that matches nothing shows an empty list";
    EXPECT_TRUE(view.shownTeams().isEmpty());
    view.setSearchText("");

    favoriteteams::toggleFavorite(preferences, "z");
    EXPECT_TRUE(hasSavedDocument());
    EXPECT_EQ(names(view.shownTeams()), (QStringList{"Zulu", "Alpha"}));
    favoriteteams::toggleFavorite(preferences, "z");
    EXPECT_EQ(names(view.shownTeams()), (QStringList{"Alpha", "Zulu"}));
    EXPECT_TRUE(UserPreferences(settings).favoriteTeamIds().isEmpty());
}

} // namespace
