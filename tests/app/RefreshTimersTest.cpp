// The three self-rearming timers (periods, re-arming only after the refresh has returned) and the network
// binding.
#include "AppStateFixture.h"

using namespace std::chrono_literals;
using Delays = std::vector<std::chrono::milliseconds>;

class RefreshTimersTest : public AppStateFixture {
protected:
    // Moves the clock on and lets the tasks the timers queued start.
    void advance(double seconds) {
        clock.advanceSeconds(seconds);
        processPendingEvents();
    }
    Delays delays() const { return clock.pendingDelays(); }
};

TEST_F(RefreshTimersTest, PinnedIntervalFollowsThePins) {
    state.schedulePinnedRefresh();
    EXPECT_TRUE(delays().empty()) << "no pins, no timer";

    state.pinGame(game("scheduled"));
    EXPECT_EQ(delays(), Delays{15s});
    state.pinGame(withStatus(game("half"), halftime));
    EXPECT_EQ(delays(), Delays{3s});

    state.setPinnedGames({});
    state.schedulePinnedRefresh();
    EXPECT_TRUE(delays().empty()) << "the last pin removed stops the timer";
}

TEST_F(RefreshTimersTest, PinnedTimerReArmsOnlyAfterItsRefreshHasReturned) {
    Game live = withStatus(game("live"), inProgress, 1, 0);
    state.pinGame(live);
    advance(3);
    ASSERT_EQ(api.pendingCount(), 1);
    EXPECT_EQ(api.requests().back().kind, Kind::liveScoreboard);
    EXPECT_TRUE(delays().empty());

    advance(5); // a slow answer: the next run starts 3 s after this one returns
    EXPECT_EQ(api.pendingCount(), 1);
    api.answer(Kind::liveScoreboard, "nba", {withStatus(game("live"), final_, 1, 0)});
    processPendingEvents();
    EXPECT_EQ(delays(), Delays{15s}) << "the pins are no longer live";

    advance(15);
    api.answer(Kind::liveScoreboard, "nba", APIError::httpError(500));
    processPendingEvents();
    EXPECT_EQ(delays(), Delays{15s}) << "a failed refresh re-arms too";
    state.setPinnedGames({});
    state.schedulePinnedRefresh();
}

// The periods and the steady re-arming of all three timers are what the run against the stand-in shows.
TEST_F(RefreshTimersTest, FullTimerRunsTheFreshFetch) {
    preferences.setEnabledLeagues({"nba"});
    state.scheduleFullRefresh();
    advance(43200);
    EXPECT_EQ(api.requestCount(Kind::liveScoreboard), 1);
    answerLeague(Kind::liveScoreboard, "nba", {});
    processPendingEvents();
    EXPECT_EQ(delays(), Delays{43200s});
}

TEST_F(RefreshTimersTest, LeagueTimerStopsWithTheLastLeagueButNotForUnknownIds) {
    // Once no league is followed the timer fires once more, empties the games and stops.
    state.setLeagueGames("nba", {game("g")});
    preferences.setEnabledLeagues({"nba"});
    state.scheduleLeagueRefresh();
    preferences.setEnabledLeagues({});
    advance(30);
    EXPECT_TRUE(state.games().isEmpty());
    EXPECT_TRUE(delays().empty());
    preferences.setEnabledLeagues({"nba"});
    advance(60);
    EXPECT_EQ(api.pendingCount(), 0) << "nothing re-arms the league timer";

    // Ids outside the catalogue are not "no league": the timer stays armed.
    preferences.setEnabledLeagues({"not-a-league"});
    state.scheduleLeagueRefresh();
    advance(30);
    EXPECT_TRUE(api.requests().empty());
    EXPECT_EQ(delays(), Delays{30s});
}

TEST_F(RefreshTimersTest, OtherRefreshesLeaveTheTimersAlone) {
    preferences.setEnabledLeagues({"nba"});
    state.scheduleLeagueRefresh();
    state.scheduleFullRefresh();
    advance(10);
    serveAtOnce({{"nba", {}}});
    ASSERT_TRUE(runToCompletion(state.refreshLeagues()));
    ASSERT_TRUE(runToCompletion(state.freshFetch()));
    EXPECT_EQ(delays(), (Delays{20s, 43190s}));
}

TEST_F(RefreshTimersTest, EveryUsableNetworkReportStartsALeagueRefresh) {
    // The fixture's start-up refresh came from the monitor's initial value.
    EXPECT_TRUE(state.lastRefresh().has_value());
    preferences.setEnabledLeagues({"nba"});
    serveAtOnce({{"nba", {}}});

    pathSource.report(false);
    ASSERT_TRUE(spinUntil([&] { return !state.isNetworkAvailable(); }));
    processPendingEvents();
    EXPECT_TRUE(api.requests().empty());

    pathSource.report(true, {InterfaceType::wifi});
    pathSource.report(true); // repeats are not filtered
    ASSERT_TRUE(spinUntil([&] { return api.requestCount(Kind::scoreboard) == 2; }));
    EXPECT_TRUE(state.isNetworkAvailable());
    EXPECT_TRUE(delays().empty()) << "the network binding arms no timer";
}
