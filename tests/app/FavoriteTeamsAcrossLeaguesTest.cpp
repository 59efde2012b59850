// Favourite teams on the recorded scoreboards, where team ids repeat across leagues (2 is the Celtics, the
// Bills and the Red Sox): a team is known by its league and its id.
#include "AppStateFixture.h"
#include "RecordedScoreboards.h"

namespace {

class FavoriteTeamsAcrossLeaguesTest : public AppStateFixture {
protected:
    void SetUp() override {
        AppStateFixture::SetUp();
        GamesByLeague games;
        for (const QString& leagueId : recorded::sharedIdLeagues)
            games.insert(leagueId, recorded::scoreboard(leagueId, clock.now()));
        state.setGames(games);
        celticsGame = recorded::gameOf(games.value("nba"), "Boston Celtics");
        billsGame = recorded::gameOf(games.value("nfl"), "Buffalo Bills");
        redSoxGame = recorded::gameOf(games.value("mlb"), "Boston Red Sox");
    }
    // The games change detection examined: those it keeps a copy of.
    QStringList examinedGames() {
        notifier.clear();
        EXPECT_TRUE(runToCompletion(state.checkForGameChanges()));
        QStringList ids = idsOf(state.previousGameStates().values());
        ids.sort();
        return ids;
    }

    Game celticsGame, billsGame, redSoxGame;
};

TEST_F(FavoriteTeamsAcrossLeaguesTest, AStarredTeamAloneIsFollowedAndNotifiedAbout) {
    const Team celtics =
        celticsGame.homeTeam.name == "Boston Celtics" ? celticsGame.homeTeam : celticsGame.awayTeam;
    ASSERT_EQ(celtics.id, "2");
    preferences.setFavoriteTeamIds({celtics.leagueTeamId()});
    preferences.setNotifyFavoritesOnly(true);

    state.syncPinnedGames();
    EXPECT_EQ(idsOf(state.pinnedGames()), QStringList{celticsGame.id})
        << "the Bills and the Red Sox play live too";
    EXPECT_EQ(examinedGames(), QStringList{celticsGame.id});
    for (const QString& sent : notifier.log())
        EXPECT_TRUE(sent.endsWith(celticsGame.id)) << sent.toStdString();
}

TEST_F(FavoriteTeamsAcrossLeaguesTest, APlainIdStoredEarlierStillNamesTheTeamsOfThatIdInEveryLeague) {
    preferences.setFavoriteTeamIds({"2"});
    preferences.setNotifyFavoritesOnly(true);

    state.syncPinnedGames();
    QStringList pinned = idsOf(state.pinnedGames());
    pinned.sort();
    QStringList expected{celticsGame.id, billsGame.id, redSoxGame.id};
    expected.sort();
    EXPECT_EQ(pinned, expected);
    EXPECT_EQ(examinedGames(), expected);
}

} // namespace
