// What the views read: the relevant-games filter, the per-league and live queries, and a fresh state.
#include "AppStateFixture.h"

class AppStateQueriesTest : public AppStateFixture {
protected:
    Game startingIn(const QString& id, qint64 seconds, const QString& leagueId = "nba") const {
        Game scheduled = game(id, leagueId);
        scheduled.startTime = clock.now().toUTC().addSecs(seconds);
        return scheduled;
    }
    Game finalStartedAt(const QString& id, qint64 secondsAgo) const {
        Game finished = withStatus(game(id), final_);
        finished.startTime = clock.now().toUTC().addSecs(-secondsAgo);
        return finished;
    }
    QStringList relevant(const QList<Game>& games) const {
        return idsOf(AppState::relevantGames(games, clock.now()));
    }
};

TEST_F(AppStateQueriesTest, AFreshStateAssumesTheNetworkUpAndTodayFetched) {
    AppState fresh(api, cache, notifier, monitor, preferences, settings, clock);
    EXPECT_TRUE(fresh.isNetworkAvailable());
    EXPECT_FALSE(fresh.lastRefresh().has_value());
    EXPECT_EQ(fresh.lastFetchDay(), "20260314");
    processPendingEvents();
}

TEST_F(AppStateQueriesTest, RelevantGamesAreLiveOrStartingWithinADayOrElseTheLatestFinal) {
    EXPECT_TRUE(relevant({}).isEmpty());
    EXPECT_TRUE(relevant({withStatus(game("p"), postponed), withStatus(game("c"), cancelled),
                          withStatus(game("d"), delayed)})
                    .isEmpty());
    EXPECT_EQ(relevant({startingIn("late", -60), startingIn("day", 86400), startingIn("day+1", 86401),
                        withStatus(game("live"), endOfPeriod), startingIn("soon", 60)}),
              (QStringList{"day", "live", "soon"}));
    // With nothing live or coming the latest final stands alone.
    EXPECT_EQ(
        relevant({finalStartedAt("old", 7200), finalStartedAt("latest", 3600), finalStartedAt("tie", 3600)}),
        QStringList{"latest"});
    EXPECT_EQ(relevant({finalStartedAt("old", 7200), withStatus(game("live"), halftime)}),
              QStringList{"live"});
}

TEST_F(AppStateQueriesTest, LeagueQueriesSeeOnlyFollowedLeagues) {
    preferences.setEnabledLeagues({"nba", "nfl"});
    Game lateLive = withStatus(startingIn("late-live", -600), inProgress);
    Game earlyLive = withStatus(startingIn("early-live", -3600, "nfl"), halftime);
    state.setLeagueGames("nba", {startingIn("soon", 600), lateLive});
    state.setLeagueGames("nfl", {earlyLive});
    state.setLeagueGames("nhl", {withStatus(game("unfollowed", "nhl"), inProgress)});

    EXPECT_TRUE(state.gamesFor(testLeague("mlb")).isEmpty());
    EXPECT_EQ(idsOf(state.gamesFor(testLeague("nba"))), (QStringList{"soon", "late-live"}));
    EXPECT_EQ(idsOf(state.enabledLeagueGames()), (QStringList{"soon", "late-live", "early-live"}));
    EXPECT_EQ(idsOf(state.liveGamesOfEnabledLeagues()), (QStringList{"early-live", "late-live"}));
}
