// The notifications' buttons, chosen on a notification server of the tests' own: pinning the game and
// opening its detail window.
#include "FakeNotificationDaemon.h"
#include "LogCapture.h"
#include "StubAppState.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "app/NotificationService.h"
#include "platform/desktop/DesktopNotifier.h"
#include "popover/detail/GameDetailView.h"
#include "shell/GameDetailWindows.h"
#include "shell/NotificationResponder.h"

#include <QApplication>

#include <gtest/gtest.h>

namespace {

class NotificationResponderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!daemon.isRegistered())
            GTEST_SKIP() << "no session bus";
        service.registerCategories();
        // The network's first report runs a refresh, which drops the leagues not followed: let it pass first.
        processPendingEvents();
        app.state.setGames({{"nba", {listed, otherListed}}});
    }

    // Delivers a game-start notification for `game`, then chooses `actionKey` on it as the user would.
    void
    choose(const QString& actionKey, const Game& game,
           void (NotificationService::*send)(const Game&) = &NotificationService::sendGameStartNotification) {
        const int number = static_cast<int>(daemon.notifications().size()) + 1;
        (service.*send)(game);
        ASSERT_TRUE(daemon.waitForNotifications(number));
        const uint id = daemon.notifications().at(number - 1).id;
        // The notifier learns the server's id from the answer to its call.
        FakeNotificationDaemon::roundTrip();
        daemon.invokeAction(id, actionKey);
        FakeNotificationDaemon::roundTrip();
    }

    static QList<GameDetailView*> visibleDetailWindows() {
        QList<GameDetailView*> windows;
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* detail = qobject_cast<GameDetailView*>(widget); detail && detail->isVisible())
                windows.append(detail);
        }
        return windows;
    }

    FakeNotificationDaemon daemon;
    StubAppState app;
    DesktopNotifier notifier;
    NotificationService service{notifier, app.clock};
    GameDetailWindows details{app.state, app.api};
    NotificationResponder responder{notifier, app.state, details};
    const Game listed = withStatus(testGame("401", "nba", app.clock.now()), GameStatus::inProgress);
    const Game otherListed = withStatus(testGame("402", "nba", app.clock.now()), GameStatus::inProgress);
};

TEST_F(NotificationResponderTest, PinButtonPinsTheListedGameWithThePinBoundAndRefusesAGameNoLongerListed) {
    app.preferences.setMaxPinnedGames(1);
    app.state.pinGame(otherListed);

    choose("PIN_GAME", listed);
    // At the bound the oldest pin gives way, as with a pin from the overlay's picker.
    EXPECT_EQ(idsOf(app.state.pinnedGames()), QStringList{"401"});
    EXPECT_EQ(app.settings.value("pinnedGameIds").toStringList(), QStringList{"401"});

    app.preferences.setMaxPinnedGames(3);
    LogCapture log;
    choose("PIN_GAME", withStatus(testGame("499", "nba", app.clock.now()), GameStatus::inProgress));
    EXPECT_EQ(idsOf(app.state.pinnedGames()), QStringList{"401"});
    EXPECT_TRUE(log.contains("warning Notifications: Not pinning game 499: it is no longer listed"));
    EXPECT_TRUE(visibleDetailWindows().isEmpty());
}

// A close-game alert left on screen until long after the game ended: its pin keeps the game pinned five
// minutes from the pin, through the pinned refreshes, then the game goes.
TEST_F(NotificationResponderTest, PinButtonOnAGameThatEndedLongAgoKeepsItPinnedFiveMinutes) {
    const Game ended = withStatus(listed, GameStatus::final_, 100, 98);
    app.api.gamesResponder = [&](const FakeScoresService::Request&) {
        return std::optional<FakeScoresService::GamesResult>(QList<Game>{ended, otherListed});
    };
    app.state.setGames({{"nba", {ended, otherListed}}});
    app.state.syncPinnedGames();
    app.clock.advanceSeconds(600);

    choose("PIN_GAME", listed, &NotificationService::sendCloseGameNotification);
    ASSERT_EQ(idsOf(app.state.pinnedGames()), QStringList{"401"});
    const auto refreshFor = [&](int seconds) {
        for (int second = 0; second < seconds; ++second) {
            app.clock.advanceSeconds(1);
            processPendingEvents();
        }
    };
    refreshFor(300);
    EXPECT_EQ(idsOf(app.state.pinnedGames()), QStringList{"401"}) << "300 s after the pin";
    EXPECT_EQ(app.api.requestCount(FakeScoresService::Kind::liveScoreboard), 20);
    refreshFor(15);
    EXPECT_TRUE(app.state.pinnedGames().isEmpty()) << "315 s after the pin";
}

TEST_F(NotificationResponderTest, DetailsButtonOrAClickOnTheNotificationOpensTheGamesOneDetailWindow) {
    choose("OPEN_GAME", listed);
    QList<GameDetailView*> windows = visibleDetailWindows();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.first()->gameId(), "401");
    EXPECT_TRUE(app.state.pinnedGames().isEmpty());

    // The final score offers the details alone; a click on its body opens the same window again.
    windows.first()->setWindowState(Qt::WindowMinimized);
    choose("default", listed, &NotificationService::sendGameEndNotification);
    ASSERT_EQ(visibleDetailWindows(), windows);
    EXPECT_FALSE(windows.first()->isMinimized());

    // A game no longer listed opens all the same: its window loads it by id.
    choose("default", withStatus(testGame("499", "nba", app.clock.now()), GameStatus::final_),
           &NotificationService::sendGameEndNotification);
    windows = visibleDetailWindows();
    ASSERT_EQ(windows.size(), 2);
    EXPECT_TRUE(std::any_of(windows.cbegin(), windows.cend(),
                            [](const GameDetailView* window) { return window->gameId() == "499"; }));
}

} // namespace
