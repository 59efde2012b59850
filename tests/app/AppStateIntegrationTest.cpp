// The application state against the real scores client and the local stand-in service: a fresh fetch, then
// the three timers running while the scenario's games advance.
#include "FakePathSource.h"
#include "LogCapture.h"
#include "ManualClock.h"
#include "MemorySettingsStore.h"
#include "RecordingGameNotifier.h"
#include "StandinProcess.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "service/CacheService.h"
#include "service/ESPNAPIService.h"
#include "service/NetworkMonitor.h"

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// In the built-in scenario: Boston (a favourite here) at the Lakers, live late in the 4th and decided in the
// last minute; an NFL game at the end of the 4th that goes to overtime at 30 s and ends "Final/OT" at 80 s.
const QString nbaGame = QStringLiteral("401810001");
const QString nflGame = QStringLiteral("401820001");
const QString boston = QStringLiteral("2");

} // namespace

class AppStateIntegrationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
        useTestNotificationSettings(preferences);
        preferences.setFavoriteTeamIds({boston});
        preferences.setAutoFollowFavorites(true);
        state = std::make_unique<AppState>(api, cache, notifier, monitor, preferences, settings, clock);
        processPendingEvents();
        preferences.setEnabledLeagues({"nba", "nfl"});
    }

    bool sent(const QString& line) const { return notifier.log().contains(line); }

    StandinProcess standin{QStringLiteral("default.json"), 0};
    ManualClock clock{QDateTime::currentDateTimeUtc()};
    MemorySettingsStore settings;
    UserPreferences preferences{settings};
    CacheService cache{clock};
    ESPNAPIService api{cache, clock, standin.apiBase()};
    RecordingGameNotifier notifier;
    NetworkMonitor monitor{std::make_unique<FakePathSource>()};
    std::unique_ptr<AppState> state;
};

// Two minutes of the scenario as the application lives them: the launch's fresh fetch overlapped by the
// network binding's league refresh, then the three timers. The league refresh reads through the reply cache
// while the pinned refresh goes to the network; neither may bring back an older score. Games, pins, timers
// and every notification follow the scenario.
TEST_F(AppStateIntegrationTest, NoScoreGoesBackAndEachBasketIsNotifiedOnce) {
    QCoro::Task<> launch = state->freshFetch();
    ASSERT_TRUE(runToCompletion(state->refreshLeagues()));
    ASSERT_TRUE(runToCompletion(std::move(launch)));
    EXPECT_EQ(state->games().value("nba").size(), 3);
    EXPECT_EQ(state->games().value("nfl").size(), 2);
    // The favourite's live game is followed; first sightings of live games within 7 points are close.
    ASSERT_EQ(idsOf(state->pinnedGames()), QStringList{nbaGame});
    EXPECT_EQ(state->pinnedGames().first().status, GameStatus::inProgress);
    EXPECT_EQ(state->pinnedGames().first().homeScore, 98);
    EXPECT_TRUE(sent("close " + nbaGame));
    EXPECT_TRUE(sent("close " + nflGame));
    EXPECT_FALSE(sent("overtime " + nflGame));
    // The launch's timers: pinned (3 s with a live pin), league, full.
    state->schedulePinnedRefresh();
    state->scheduleLeagueRefresh();
    state->scheduleFullRefresh();
    EXPECT_EQ(clock.pendingDelays(),
              (std::vector<std::chrono::milliseconds>{std::chrono::seconds(3), std::chrono::seconds(30),
                                                      std::chrono::seconds(43200)}));

    // Every score the views are shown, at every change of the games or the pins.
    QHash<QString, int> highest;
    int second = 0;
    const auto checkScores = [&](const QList<Game>& games) {
        for (const Game& game : games) {
            const int total = game.homeScore + game.awayScore;
            EXPECT_GE(total, highest.value(game.id)) << game.id.toStdString() << " went back at " << second;
            highest[game.id] = std::max(total, highest.value(game.id));
        }
    };
    QObject::connect(state.get(), &AppState::pinnedGamesChanged, checkScores);
    QObject::connect(state.get(), &AppState::gamesChanged, [&](const GamesByLeague& games) {
        for (const QList<Game>& leagueGames : games)
            checkScores(leagueGames);
    });
    for (second = 1; second <= 120; ++second) {
        standin.advance(1);
        clock.advanceSeconds(1);
        processPendingEvents();
        ASSERT_TRUE(spinUntil([&] { return clock.pendingCount() == 3; }));
    }
    // Lakers at 20 s, Boston at 40 s, Lakers at 50 s (a first sighting has nothing to compare with).
    QStringList baskets;
    for (const RecordingGameNotifier::Sent& sent : notifier.sent) {
        if (sent.kind == "score" && sent.previous && sent.game.id == nbaGame)
            baskets.append(sent.game.scoreLine());
    }
    EXPECT_EQ(baskets, (QStringList{"BOS 97 - 100 LAL", "BOS 100 - 100 LAL", "BOS 100 - 102 LAL"}));
    EXPECT_EQ(highest.value(nbaGame), 202);
    // Besides: each game's first sighting (no score: nothing to compare with), the NFL game going to
    // overtime once, and both ends.
    QStringList everything = notifier.log();
    everything.sort();
    EXPECT_EQ(everything, (QStringList{"close " + nbaGame, "close " + nflGame, "end " + nbaGame,
                                       "end " + nflGame, "overtime " + nflGame, "score " + nbaGame,
                                       "score " + nbaGame, "score " + nbaGame}));
    EXPECT_EQ(state->pinnedGames().first().status, GameStatus::final_);
    EXPECT_FALSE(state->isLoading());
}

// A launch over a slow mobile link, with the client's own deadlines: every reply of the service waits 3 s.
// The fresh fetch and the league refreshes of the network binding (one for the value it starts with, one for
// the first report) ask for every league at once, three times as many requests as the network sends to one
// host together. Those that wait their turn still get their answer: every game of the six leagues loads and
// no request fails.
TEST(AppStateSlowLinkTest, ALaunchOverASlowLinkLoadsEveryGameWithoutAFailedRequest) {
    StandinProcess standin(QStringLiteral("default.json"), 0, {"--latency", "3000"});
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock{QDateTime::currentDateTimeUtc()};
    MemorySettingsStore settings;
    UserPreferences preferences{settings};
    useTestNotificationSettings(preferences);
    preferences.setEnabledLeagues({"nba", "nfl", "nhl", "epl", "f1", "atp"});
    CacheService cache{clock};
    ESPNAPIService api{cache, clock, standin.apiBase()};
    RecordingGameNotifier notifier;
    // Offline at first, so that the test starts the network binding's refreshes itself and sees them end.
    auto source = std::make_unique<FakePathSource>();
    FakePathSource& path = *source;
    NetworkMonitor monitor{std::move(source)};
    path.report(false);
    processPendingEvents();
    AppState state(api, cache, notifier, monitor, preferences, settings, clock);
    processPendingEvents();

    LogCapture log;
    // In the order the application starts them.
    QCoro::Task<> onNetworkValue = state.refreshLeagues();
    QCoro::Task<> launch = state.freshFetch();
    QCoro::Task<> onFirstReport = state.refreshLeagues();
    ASSERT_TRUE(runToCompletion(std::move(onNetworkValue), 60s));
    ASSERT_TRUE(runToCompletion(std::move(launch), 60s));
    ASSERT_TRUE(runToCompletion(std::move(onFirstReport), 60s));
    EXPECT_EQ(log.matching("^critical "), QStringList());
    EXPECT_TRUE(log.contains("info API: Fresh fetch complete — 12 games loaded"));
}
