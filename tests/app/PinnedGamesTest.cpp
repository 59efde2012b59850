// Pinning, toggling, the synchronisation after each refresh (auto-follow, fresh copies, expiry) and the
// saved ids.
#include "AppStateFixture.h"

class PinnedGamesTest : public AppStateFixture {
protected:
    QStringList pinnedIds() const { return idsOf(state.pinnedGames()); }
    QStringList savedIds() const { return settings.value("pinnedGameIds").toStringList(); }

    // A favourite's game starting `seconds` from now, still scheduled.
    Game favouriteGameStartingIn(const QString& id, double seconds) const {
        Game favourite = game(id);
        favourite.homeTeam.id = "fav";
        favourite.startTime = clock.now().toUTC().addMSecs(static_cast<qint64>(seconds * 1000));
        return favourite;
    }
    // Lets the pinned-games timer run its refreshes, second by second, for `seconds`.
    void runPinnedRefreshesFor(int seconds) {
        for (int second = 0; second < seconds; ++second) {
            clock.advanceSeconds(1);
            processPendingEvents();
        }
    }
};

TEST_F(PinnedGamesTest, PinningEvictsTheOldestBeyondTheBoundAgainChangesNothingAndTogglingPinsAtTheEnd) {
    for (const char* id : {"x", "y", "z", "a"})
        state.pinGame(game(id));
    EXPECT_EQ(pinnedIds(), (QStringList{"y", "z", "a"}));
    EXPECT_EQ(savedIds(), pinnedIds());

    clock.advanceSeconds(5);
    int changes = 0;
    QObject::connect(&state, &AppState::pinnedGamesChanged, [&] { ++changes; });
    state.pinGame(withStatus(game("a"), inProgress, 1, 0));
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(state.pinnedGames().last().status, scheduled);
    EXPECT_EQ(clock.pendingDelays(), std::vector{std::chrono::milliseconds(10000)})
        << "the timer was not re-armed";

    state.togglePin(game("y"));
    state.togglePin(game("a"));
    EXPECT_EQ(pinnedIds(), QStringList{"z"});
    EXPECT_EQ(savedIds(), QStringList{"z"});
    state.pinGame(game("c"));
    state.togglePin(game("a"));
    EXPECT_EQ(pinnedIds(), (QStringList{"z", "c", "a"}));
    EXPECT_EQ(savedIds(), pinnedIds());

    preferences.setMaxPinnedGames(0);
    state.pinGame(game("e"));
    EXPECT_EQ(pinnedIds(), QStringList{"e"}) << "a bound below one still pins the new game alone";
}

// A favourite's scheduled game is followed from 30 minutes before its start until a minute after it.
TEST_F(PinnedGamesTest, AutoFollowTakesLiveOrStartingGamesOfFavouritesOnlyAndNeverEvicts) {
    preferences.setFavoriteTeamIds({"fav"});
    preferences.setMaxPinnedGames(5);
    Game awayFavourite = withStatus(game("away-fav"), halftime);
    awayFavourite.awayTeam.id = "fav";
    state.setLeagueGames("nba",
                         {favouriteGameStartingIn("in-1799", 1799), favouriteGameStartingIn("in-1800", 1800),
                          favouriteGameStartingIn("ago-59", -59), favouriteGameStartingIn("ago-60", -60),
                          withStatus(favouriteGameStartingIn("postponed", 60), postponed),
                          withStatus(favouriteGameStartingIn("delayed", 60), delayed),
                          withStatus(favouriteGameStartingIn("final", -600), final_),
                          withStatus(game("other"), inProgress), awayFavourite});
    state.syncPinnedGames();
    EXPECT_EQ(pinnedIds(), (QStringList{"in-1799", "ago-59", "away-fav"}));

    // Full: a further live favourite game waits for a free place.
    preferences.setMaxPinnedGames(3);
    state.setPinnedGames({game("x"), game("y"), game("z")});
    state.syncPinnedGames();
    EXPECT_EQ(pinnedIds(), (QStringList{"x", "y", "z"}));

    // Off, or on without favourites: nothing is pinned, but the rest of the synchronisation still runs.
    preferences.setAutoFollowFavorites(false);
    state.setPinnedGames({});
    state.syncPinnedGames();
    EXPECT_TRUE(pinnedIds().isEmpty());
}

// The scoreboard keeps listing a finished game, each copy freshly stamped: the five minutes count from the
// first time the game was seen final, also for a pin whose league is no longer held.
TEST_F(PinnedGamesTest, APinnedFinalGoesFiveMinutesAfterItWasFirstSeenFinal) {
    const auto refreshedFinal = [&](const QString& id, const QString& league) {
        return withStatus(game(id, league), final_, 100, 98);
    };
    state.setPinnedGames({withStatus(game("g"), inProgress, 98, 98), refreshedFinal("orphan", "nfl")});
    state.setLeagueGames("nba", {refreshedFinal("g", "nba")});
    state.syncPinnedGames();
    for (int refresh = 0; refresh < 20; ++refresh) {
        clock.advanceSeconds(15);
        state.setLeagueGames("nba", {refreshedFinal("g", "nba")});
        state.syncPinnedGames();
    }
    // 300 s exactly: both still pinned; a moment later both are gone.
    EXPECT_EQ(pinnedIds(), (QStringList{"g", "orphan"}));
    clock.advanceSeconds(1);
    state.setLeagueGames("nba", {refreshedFinal("g", "nba")});
    state.syncPinnedGames();
    EXPECT_TRUE(pinnedIds().isEmpty());
    EXPECT_EQ(savedIds(), QStringList{});
}

// The five minutes are elapsed time: setting the wall clock back or forward neither holds a finished pin
// longer nor ends it early.
TEST_F(PinnedGamesTest, APinnedFinalGoesFiveMinutesAfterItWasFirstSeenFinalWhateverTheWallClockDoes) {
    const auto refreshFinal = [&](const QString& id) {
        state.setLeagueGames("nba", {withStatus(game(id), final_, 100, 98)});
        state.syncPinnedGames();
    };
    for (const auto step : {-std::chrono::hours(2), std::chrono::hours(2)}) {
        const QString id = step.count() < 0 ? "set-back" : "set-forward";
        state.setPinnedGames({withStatus(game(id), inProgress, 98, 98)});
        refreshFinal(id);
        clock.advanceSeconds(100);
        clock.stepWallClock(step);
        refreshFinal(id);
        EXPECT_EQ(pinnedIds(), QStringList{id}) << "100 s after it was first seen final";
        clock.advanceSeconds(200);
        refreshFinal(id);
        EXPECT_EQ(pinnedIds(), QStringList{id}) << "300 s after it was first seen final";
        clock.advanceSeconds(1);
        refreshFinal(id);
        EXPECT_TRUE(pinnedIds().isEmpty()) << "301 s after it was first seen final";
    }
}

// The picker offers a game that ended long ago; picked, it stays its five minutes from the pick through the
// pinned refreshes that keep listing it, then goes.
TEST_F(PinnedGamesTest, AFinalPickedLongAfterItEndedStaysFiveMinutesAfterThePickThroughRefreshes) {
    const Game ended = withStatus(game("ended"), final_, 100, 98);
    serveAtOnce({{"nba", {ended}}});
    state.setLeagueGames("nba", {ended});
    state.syncPinnedGames();
    clock.advanceSeconds(600);

    state.pinGame(ended);
    runPinnedRefreshesFor(300);
    EXPECT_EQ(pinnedIds(), QStringList{"ended"}) << "300 s after the pick";
    EXPECT_EQ(api.requestCount(Kind::liveScoreboard), 20);
    runPinnedRefreshesFor(15);
    EXPECT_TRUE(pinnedIds().isEmpty()) << "315 s after the pick";
    EXPECT_EQ(savedIds(), QStringList{});

    // Picked again, it has five minutes again.
    state.pinGame(ended);
    runPinnedRefreshesFor(300);
    EXPECT_EQ(pinnedIds(), QStringList{"ended"});
    runPinnedRefreshesFor(15);
    EXPECT_TRUE(pinnedIds().isEmpty());
}

// A favourite's game followed while live has its five minutes from its end, then goes, and the following of
// the favourites never brings it back.
TEST_F(PinnedGamesTest, AFollowedFavouritesGameGoesFiveMinutesAfterItEndedAndIsNotFollowedAgain) {
    preferences.setFavoriteTeamIds({"fav"});
    const Game live = withStatus(favouriteGameStartingIn("fav-game", -3600), inProgress, 98, 98);
    const auto refresh = [&](const Game& copy) {
        state.setLeagueGames("nba", {copy});
        state.syncPinnedGames();
    };
    refresh(live);
    ASSERT_EQ(pinnedIds(), QStringList{"fav-game"});
    clock.advanceSeconds(600);

    const Game ended = withStatus(live, final_, 100, 98);
    refresh(ended);
    clock.advanceSeconds(300);
    refresh(ended);
    EXPECT_EQ(pinnedIds(), QStringList{"fav-game"}) << "300 s after it ended";
    clock.advanceSeconds(1);
    refresh(ended);
    EXPECT_TRUE(pinnedIds().isEmpty()) << "301 s after it ended";
    for (int later = 0; later < 10; ++later) {
        clock.advanceSeconds(15);
        refresh(ended);
    }
    EXPECT_TRUE(pinnedIds().isEmpty());
}

TEST_F(PinnedGamesTest, SavedIdsAreNeverReadBack) {
    settings.setValue("pinnedGameIds", QStringList{"a", "b"});
    AppState restarted(api, cache, notifier, monitor, preferences, settings, clock);
    EXPECT_TRUE(restarted.pinnedGames().isEmpty());
    restarted.syncPinnedGames();
    EXPECT_EQ(savedIds(), QStringList{});
    processPendingEvents();
}

TEST_F(PinnedGamesTest, IdsAreWrittenOnlyWhenTheyChange) {
    state.pinGame(withStatus(game("live"), inProgress, 1, 0));
    const int writesAfterPin = settings.writeCount;
    for (int refresh = 0; refresh < 5; ++refresh)
        state.syncPinnedGames();
    EXPECT_EQ(settings.writeCount, writesAfterPin) << "an unchanged list is not rewritten";

    state.togglePin(game("live"));
    EXPECT_EQ(settings.writeCount, writesAfterPin + 1);
    EXPECT_TRUE(settings.contains("pinnedGameIds"));
    EXPECT_EQ(savedIds(), QStringList{});

    settings.remove("pinnedGameIds");
    state.syncPinnedGames();
    EXPECT_TRUE(settings.contains("pinnedGameIds")) << "a missing entry is written, even with nothing pinned";
}

// The service numbers each league's games on its own: an NHL game under the id of an NBA game is another
// game, followed, refreshed, unpinned and expired on its own, while the saved list keeps plain ids.
TEST_F(PinnedGamesTest, GamesOfTwoLeaguesUnderOneIdArePinnedRefreshedUnpinnedAndExpiredApart) {
    preferences.setFavoriteTeamIds({"2"});
    const auto favouriteGame = [&](const QString& leagueId, GameStatus status, qint64 homeScore) {
        Game shared = withStatus(game("g", leagueId), status, homeScore, 0);
        shared.homeTeam.id = "2";
        return shared;
    };
    const auto refresh = [&](const Game& nba, const Game& nhl) {
        state.setLeagueGames("nba", {nba});
        state.setLeagueGames("nhl", {nhl});
        state.syncPinnedGames();
    };
    const auto pinned = [&] {
        QList<std::pair<QString, qint64>> leaguesAndScores;
        for (const Game& pin : state.pinnedGames())
            leaguesAndScores.append({pin.league.id, pin.homeScore});
        return leaguesAndScores;
    };
    using Pins = QList<std::pair<QString, qint64>>;

    refresh(favouriteGame("nba", inProgress, 10), favouriteGame("nhl", inProgress, 1));
    EXPECT_EQ(pinned(), (Pins{{"nba", 10}, {"nhl", 1}})) << "both followed";
    EXPECT_EQ(savedIds(), (QStringList{"g", "g"}));

    refresh(favouriteGame("nba", inProgress, 12), favouriteGame("nhl", inProgress, 2));
    EXPECT_EQ(pinned(), (Pins{{"nba", 12}, {"nhl", 2}})) << "each pin takes its own league's copy";

    state.togglePin(favouriteGame("nhl", inProgress, 2));
    EXPECT_EQ(pinned(), (Pins{{"nba", 12}})) << "unpinning the NHL game leaves the NBA one";
    state.togglePin(favouriteGame("nhl", inProgress, 2));
    EXPECT_EQ(pinned(), (Pins{{"nba", 12}, {"nhl", 2}}));
    state.unpin(GameKey{"nba", "g"});
    EXPECT_EQ(pinned(), (Pins{{"nhl", 2}}));
    state.pinGame(favouriteGame("nba", inProgress, 12));
    EXPECT_EQ(pinned(), (Pins{{"nhl", 2}, {"nba", 12}}));

    // The NBA game ends first; the NHL one 200 s later, and each has its own five minutes.
    refresh(favouriteGame("nba", final_, 14), favouriteGame("nhl", inProgress, 3));
    clock.advanceSeconds(200);
    refresh(favouriteGame("nba", final_, 14), favouriteGame("nhl", final_, 4));
    clock.advanceSeconds(101);
    refresh(favouriteGame("nba", final_, 14), favouriteGame("nhl", final_, 4));
    EXPECT_EQ(pinned(), (Pins{{"nhl", 4}})) << "301 s after the NBA game ended, 101 s after the NHL one";
    clock.advanceSeconds(200);
    refresh(favouriteGame("nba", final_, 14), favouriteGame("nhl", final_, 4));
    EXPECT_TRUE(pinned().isEmpty());
}
