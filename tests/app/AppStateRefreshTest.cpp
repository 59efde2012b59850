// The refresh roads: what each writes, in which order, and what survives a failure.
#include "AppStateFixture.h"
#include "LogCapture.h"

using namespace std::chrono_literals;

using AppStateRefreshTest = AppStateFixture;

// --- Completion order and overlap ---

TEST_F(AppStateRefreshTest, FreshFetchWritesEachLeagueAsItsAnswerArrivesTodaysGamesAfterTheLiveOnes) {
    preferences.setEnabledLeagues({"nba", "nfl"});
    std::vector<QStringList> written;
    QObject::connect(&state, &AppState::gamesChanged,
                     [&](const GamesByLeague& games) { written.push_back(games.keys()); });

    QCoro::Task<> fetch = state.freshFetch();
    // Both leagues were asked at once, before either answered.
    EXPECT_EQ(api.requestCount(Kind::liveScoreboard), 2);
    answerLeague(Kind::liveScoreboard, "nfl", {game("f1", "nfl")});
    const Game liveCopy = withStatus(game("shared"), inProgress, 10, 8);
    answerLeague(Kind::liveScoreboard, "nba", {game("a"), liveCopy}, {game("z"), game("shared"), game("z")});

    ASSERT_TRUE(fetch.isReady());
    EXPECT_EQ(written, (std::vector<QStringList>{{}, {"nfl"}, {"nba", "nfl"}}));
    const QList<Game> games = state.games().value("nba");
    EXPECT_EQ(idsOf(games), (QStringList{"a", "shared", "z", "z"}));
    EXPECT_EQ(games[1], liveCopy);
}

// The first refresh's request went out before the wall clock was set back two hours and answers last, after
// the second's: its older score never replaces the newer one, though its wall stamp reads later, while the
// game list itself is the last answer's.
TEST_F(AppStateRefreshTest, OverlappingRefreshesBothWriteTheFirstToFinishClearsLoadingAndNoOlderCopyReturns) {
    preferences.setEnabledLeagues({"nba"});
    const Game asked = withStatus(game("g"), inProgress, 10, 8);
    QCoro::Task<> first = state.refreshLeagues();
    clock.stepWallClock(-2h);
    clock.advanceSeconds(3);
    QCoro::Task<> second = state.refreshLeagues();
    EXPECT_EQ(api.requestCount(Kind::scoreboard), 2);
    EXPECT_TRUE(state.isLoading());

    api.answerNewest(Kind::scoreboard, "nba", {withStatus(game("g"), inProgress, 12, 8)});
    api.answer(Kind::datedScoreboard, "nba", {});
    EXPECT_TRUE(second.isReady());
    EXPECT_FALSE(first.isReady());
    EXPECT_FALSE(state.isLoading());

    answerLeague(Kind::scoreboard, "nba", {asked, game("other")});
    EXPECT_TRUE(first.isReady());
    EXPECT_EQ(state.games().value("nba").first().homeScore, 12);
    EXPECT_EQ(idsOf(state.games().value("nba")), (QStringList{"g", "other"}));
}

// --- Fresh fetch ---

TEST_F(AppStateRefreshTest,
       FreshFetchEmptiesAllDropsAFailedLeagueAndKeepsLiveGamesWhenTodaysScoreboardFails) {
    preferences.setEnabledLeagues({"nba", "nfl"});
    state.setLeagueGames("nba", {game("stale")});
    cache.set("reply", "https://example.invalid/x", 60);
    LogCapture log;

    QCoro::Task<> fetch = state.freshFetch();
    api.answer(Kind::liveScoreboard, "nba", APIError::httpError(500));
    api.answer(Kind::liveScoreboard, "nfl", {game("f1", "nfl"), game("f2", "nfl")});
    api.answer(Kind::datedScoreboard, "nfl", APIError::httpError(404));

    ASSERT_TRUE(fetch.isReady());
    EXPECT_FALSE(state.games().contains("nba"));
    EXPECT_EQ(idsOf(state.games().value("nfl")), (QStringList{"f1", "f2"}));
    EXPECT_EQ(api.requestCount(Kind::datedScoreboard), 1) << "nothing more is asked of a failed league";
    EXPECT_TRUE(log.contains("critical API: Error fresh-fetching NBA: HTTP error: 500"))
        << log.messages.join('\n').toStdString();
    EXPECT_TRUE(log.contains("info API: Fresh fetch complete — 2 games loaded"));
    EXPECT_FALSE(cache.get("https://example.invalid/x").has_value());
    EXPECT_EQ(state.lastRefresh(), clock.now());

    // With no league followed it still starts afresh.
    preferences.setEnabledLeagues({});
    clock.advanceSeconds(86400);
    api.clearRequests();
    ASSERT_TRUE(runToCompletion(state.freshFetch()));
    EXPECT_TRUE(state.games().isEmpty());
    EXPECT_EQ(state.lastFetchDay(), "20260315");
    EXPECT_EQ(state.lastRefresh(), clock.now());
    EXPECT_TRUE(log.contains("info API: Fresh fetch complete — 0 games loaded"));
    EXPECT_EQ(api.requests().size(), 0u);
}

// --- League refresh ---

TEST_F(AppStateRefreshTest, LeagueRefreshKeepsAFailedLeaguesGamesAndDropsUnfollowedLeagues) {
    preferences.setEnabledLeagues({"nba", "nfl"});
    state.setLeagueGames("nba", {game("kept")});
    state.setLeagueGames("nhl", {game("gone", "nhl")});
    LogCapture log;

    QCoro::Task<> refresh = state.refreshLeagues();
    EXPECT_EQ(state.games().keys(), QStringList{"nba"}) << "unfollowed leagues go before any answer";
    api.answer(Kind::scoreboard, "nba", APIError::noData());
    answerLeague(Kind::scoreboard, "nfl", {});

    ASSERT_TRUE(refresh.isReady());
    EXPECT_EQ(idsOf(state.games().value("nba")), QStringList{"kept"});
    EXPECT_EQ(state.games().keys(), (QStringList{"nba", "nfl"})) << "an empty answer is still written";
    EXPECT_EQ(state.lastRefresh(), clock.now());
    EXPECT_TRUE(log.contains("critical API: Error fetching NBA: No data received"))
        << log.messages.join('\n').toStdString();
}

TEST_F(AppStateRefreshTest, EveryGameListTheStateDropsIsHandedToTheServiceToFree) {
    preferences.setEnabledLeagues({"nba"});
    state.setLeagueGames("nhl", {game("unfollowed", "nhl")});
    const auto releasedIds = [&] {
        QList<QStringList> ids;
        for (const QList<Game>& games : api.released)
            ids.append(idsOf(games));
        return ids;
    };

    QCoro::Task<> first = state.refreshLeagues();
    answerLeague(Kind::scoreboard, "nba", {game("a")}, {game("a"), game("b")});
    ASSERT_TRUE(first.isReady());
    // The removed league, then today's scoreboard once merged.
    EXPECT_EQ(releasedIds(), (QList<QStringList>{{"unfollowed"}, {"a", "b"}}));

    api.released.clear();
    QCoro::Task<> second = state.refreshLeagues();
    answerLeague(Kind::scoreboard, "nba", {game("c")}, {game("c")});
    ASSERT_TRUE(second.isReady());
    EXPECT_EQ(releasedIds(), (QList<QStringList>{{"c"}, {"a", "b"}})) << "the list the answer replaced";

    api.released.clear();
    state.setGames({});
    EXPECT_EQ(releasedIds(), QList<QStringList>{{"c"}});
}

TEST_F(AppStateRefreshTest, ANewDayEmptiesGamesAndCacheAndKeepsTheStatesOfGamesStillListed) {
    preferences.setEnabledLeagues({"nba"});
    serveAtOnce({{"nba", {withStatus(game("g"), inProgress, 1, 0), game("yesterday")}}});
    ASSERT_TRUE(runToCompletion(state.refreshLeagues()));
    cache.set("reply", "key", 3600);
    // Same day: no reset (which would have emptied the cache with the games).
    ASSERT_TRUE(runToCompletion(state.refreshLeagues()));
    EXPECT_TRUE(cache.get("key").has_value());
    ASSERT_EQ(state.previousGameStates().size(), 2);

    // Just past local midnight.
    api.gamesResponder = nullptr;
    notifier.clear();
    clock.setNow(QDateTime(QDate(2026, 3, 15), QTime(0, 0, 1), Qt::LocalTime));
    QCoro::Task<> nextDay = state.refreshLeagues();
    EXPECT_TRUE(state.games().isEmpty());
    EXPECT_FALSE(cache.get("key").has_value());
    EXPECT_EQ(state.lastFetchDay(), "20260315");
    answerLeague(Kind::scoreboard, "nba", {withStatus(game("g"), inProgress, 1, 0), game("today")});
    ASSERT_TRUE(nextDay.isReady());
    EXPECT_EQ(idsOf(state.games().value("nba")), (QStringList{"g", "today"}));
    QStringList remembered = idsOf(state.previousGameStates().values());
    remembered.sort();
    EXPECT_EQ(remembered, (QStringList{"g", "today"}));
    EXPECT_TRUE(notifier.log().filter(" g").isEmpty()) << "nothing new about g";
}

// The fresh fetch starts the games afresh but remembers how each game still listed was: nothing is
// reported twice, and a game that ends across it is reported.
TEST_F(AppStateRefreshTest, AFreshFetchReportsNothingTwiceAndStillReportsAnEnd) {
    preferences.setEnabledLeagues({"nba"});
    const Game overtime = withStatus(game("ot"), inProgress, 101, 99, "OT");
    serveAtOnce({{"nba", {overtime, withStatus(game("ends"), inProgress, 80, 78), game("gone")}}});
    ASSERT_TRUE(runToCompletion(state.freshFetch()));
    EXPECT_EQ(notifier.log(), (QStringList{"close ot", "overtime ot", "close ends"}));
    notifier.clear();

    serveAtOnce({{"nba", {overtime, withStatus(game("ends"), final_, 80, 78)}}});
    ASSERT_TRUE(runToCompletion(state.freshFetch()));
    EXPECT_EQ(notifier.log(), QStringList{"end ends"});
    EXPECT_FALSE(state.previousGameStates().contains(GameKey{"nba", "gone"}));
}

TEST_F(AppStateRefreshTest, RacingLooksBackDayByDayUntilItFindsFinishedRacesForSevenDaysAtMost) {
    preferences.setEnabledLeagues({"f1"});
    Game lastRace = withStatus(game("race-3", "f1"), final_);
    Game alreadyListed = withStatus(game("current", "f1"), final_);

    QCoro::Task<> refresh = state.refreshLeagues();
    api.answer(Kind::scoreboard, "f1", {game("current", "f1")});
    api.answer(Kind::datedScoreboard, "f1", APIError::httpError(503)); // the look-back still runs
    api.answer(Kind::datedScoreboard, "f1", {game("scheduled-1", "f1")});
    api.answer(Kind::datedScoreboard, "f1", APIError::httpError(500));
    api.answer(Kind::datedScoreboard, "f1", {alreadyListed, lastRace, game("later", "f1")});

    ASSERT_TRUE(refresh.isReady());
    EXPECT_EQ(idsOf(state.games().value("f1")), (QStringList{"current", "race-3"}));
    QStringList days;
    for (const auto& request : api.requests()) {
        if (request.kind == Kind::datedScoreboard)
            days.append(request.date->toLocalTime().toString("yyyyMMdd"));
    }
    EXPECT_EQ(days, (QStringList{"20260314", "20260313", "20260312", "20260311"}));

    // Nothing finished within the week: it gives up after seven days.
    api.clearRequests();
    serveAtOnce({{"f1", {game("current", "f1")}}});
    ASSERT_TRUE(runToCompletion(state.freshFetch()));
    EXPECT_EQ(api.requestCount(Kind::liveScoreboard), 1);
    EXPECT_EQ(api.requestCount(Kind::datedScoreboard), 1 + 7);
    EXPECT_EQ(idsOf(state.games().value("f1")), QStringList{"current"});
}

TEST_F(AppStateRefreshTest, SingleLeagueRefreshWritesOnlyThatLeagueAndSendsNothing) {
    state.setLeagueGames("nfl", {game("f", "nfl")});
    bool loadingTouched = false;
    QObject::connect(&state, &AppState::isLoadingChanged, [&] { loadingTouched = true; });

    QCoro::Task<> refresh = state.refreshLeague(testLeague("nba"));
    answerLeague(Kind::scoreboard, "nba", {withStatus(game("b"), inProgress, 3, 0)});
    ASSERT_TRUE(refresh.isReady());
    EXPECT_EQ(state.games().keys(), (QStringList{"nba", "nfl"}));
    EXPECT_TRUE(notifier.sent.empty());
    EXPECT_FALSE(loadingTouched);
    EXPECT_EQ(state.lastRefresh(), clock.now());

    const auto before = state.lastRefresh();
    clock.advanceSeconds(5);
    QCoro::Task<> failing = state.refreshLeague(testLeague("nba"));
    api.answer(Kind::scoreboard, "nba", APIError::httpError(500));
    ASSERT_TRUE(failing.isReady());
    EXPECT_EQ(state.lastRefresh(), before);
}

// --- Pinned-games refresh ---

TEST_F(AppStateRefreshTest, PinnedRefreshAsksEachPinnedLeagueOnceWithoutTheCache) {
    int pinChanges = 0;
    QObject::connect(&state, &AppState::pinnedGamesChanged, [&] { ++pinChanges; });
    ASSERT_TRUE(runToCompletion(state.refreshPinnedGames()));
    EXPECT_TRUE(api.requests().empty()) << "without pins nothing is asked";
    EXPECT_EQ(pinChanges, 0);

    state.setLeagueGames("nba", {game("b1"), game("b2"), game("b3"), game("dated-only")});
    state.setPinnedGames({game("b1"), game("b2"), game("f1", "nfl")});
    Game fresh = withStatus(game("b1"), inProgress, 2, 0);
    QCoro::Task<> refresh = state.refreshPinnedGames();
    EXPECT_EQ(api.requestCount(Kind::liveScoreboard), 2);
    EXPECT_EQ(api.requests().size(), 2u);
    api.answer(Kind::liveScoreboard, "nfl", APIError::httpError(500));
    api.answer(Kind::liveScoreboard, "nba", {fresh, game("b2")});

    ASSERT_TRUE(refresh.isReady());
    EXPECT_EQ(idsOf(state.games().value("nba")), (QStringList{"b1", "b2"}));
    EXPECT_FALSE(state.games().contains("nfl"));
    EXPECT_EQ(state.pinnedGames().first(), fresh);
    EXPECT_EQ(idsOf(state.pinnedGames()), (QStringList{"b1", "b2", "f1"}));
    EXPECT_EQ(notifier.log(), QStringList{"close b1"}) << "first seen: no score to compare with";
}

// --- Teams ---

TEST_F(AppStateRefreshTest, TeamLoadingAsksOneLeagueAtATimeAndKeepsTheFirstCopyOfEachTeamOfEachLeague) {
    preferences.setEnabledLeagues({"nfl", "nba", "not-a-league"});
    LogCapture log;
    QCoro::Task<> load = state.loadAllTeams();

    // Catalogue order (nfl before nba), one request at a time.
    ASSERT_EQ(api.pendingCount(), 1);
    EXPECT_EQ(api.requests().back().league.id, "nfl");
    Team renamed = testTeam("t1", "nfl");
    renamed.name = "Renamed";
    api.answerTeams("nfl", QList<Team>{testTeam("t1", "nfl"), testTeam("t2", "nfl"), renamed});
    ASSERT_EQ(api.pendingCount(), 1);
    api.answerTeams("nba", QList<Team>{testTeam("t2", "nba"), testTeam("t3", "nba")});

    ASSERT_TRUE(load.isReady());
    const QList<Team> teams = state.allTeamsList();
    QStringList listed;
    for (const Team& team : teams)
        listed.append(team.leagueTeamId() + " " + team.name);
    // An id repeated in one league is one team; in two leagues, two teams.
    EXPECT_EQ(listed, (QStringList{"nfl:t1 Team t1", "nfl:t2 Team t2", "nba:t2 Team t2", "nba:t3 Team t3"}));

    QCoro::Task<> failing = state.loadAllTeams();
    api.answerTeams("nfl", APIError::httpError(500));
    api.answerTeams("nba", QList<Team>{testTeam("t3", "nba")});
    ASSERT_TRUE(failing.isReady());
    EXPECT_EQ(state.allTeamsList().size(), 1);
    EXPECT_TRUE(log.contains("critical API: Failed to load teams for NFL: HTTP error: 500"));
}
