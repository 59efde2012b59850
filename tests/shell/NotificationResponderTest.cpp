// The notifications' buttons, chosen on a notification server of the tests' own: pinning the game and
// opening its detail window, and what that window then shows.
#include "ChildWithText.h"
#include "FakeNotificationDaemon.h"
#include "LogCapture.h"
#include "ShownDetailWindows.h"
#include "StubAppState.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "app/NotificationService.h"
#include "platform/desktop/DesktopNotifier.h"
#include "popover/detail/GameDetailPanel.h"
#include "popover/detail/GameDetailView.h"
#include "shell/GameDetailWindows.h"
#include "shell/NotificationResponder.h"

#include <QAbstractButton>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class NotificationResponderTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!daemon.isRegistered())
            GTEST_SKIP() << "no session bus";
        service.registerCategories();
        app.preferences.setEnabledLeagues({"nba"});
        // The network's first report runs a refresh, which drops the leagues not followed: let it pass first.
        processPendingEvents();
        app.state.setGames({{"nba", {listed, otherListed}}});
    }

    static Team team(const QString& abbreviation, const QString& name, const QString& leagueId = "nba") {
        Team team = testTeam(abbreviation, leagueId);
        team.abbreviation = abbreviation;
        team.name = name;
        team.shortName = name.section(u' ', -1);
        return team;
    }
    // Boston at Los Angeles, as the notifications and the summaries tell it.
    Game bostonAtLosAngeles(const QString& id, GameStatus status, qint64 away, qint64 home,
                            std::optional<QString> period) const {
        Game game = withStatus(testGame(id, "nba", app.clock.now()), status, home, away, std::move(period));
        game.awayTeam = team("BOS", "Boston Celtics");
        game.homeTeam = team("LAL", "Los Angeles Lakers");
        return game;
    }
    static GameDetail summaryOf(const Game& game) {
        return {game, std::nullopt, {}, std::nullopt, std::nullopt};
    }

    // Answers the oldest waiting summary request, and lets the window draw it.
    void answerSummary(const FakeScoresService::DetailResult& result) {
        if (app.api.waitingDetails() == 0) {
            ADD_FAILURE() << "no summary was asked for";
            return;
        }
        app.api.answerDetail(0, result);
        processPendingEvents();
    }
    void pressRefresh(GameDetailView& window) {
        window.panel().refreshButton()->click();
        processPendingEvents();
    }
    static void expectShows(const QWidget& window, const QStringList& expected) {
        const QStringList texts = shownTexts(window);
        for (const QString& text : expected)
            EXPECT_TRUE(texts.contains(text))
                << qPrintable(text) << " is not among " << qPrintable(texts.join(", "));
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
    const Game live = bostonAtLosAngeles("401", GameStatus::inProgress, 97, 98, "4th");
    app.state.setGames({{"nba", {live, otherListed}}});
    choose("OPEN_GAME", live);
    QList<GameDetailView*> windows = visibleDetailWindows();
    ASSERT_EQ(windows.size(), 1);
    EXPECT_EQ(windows.first()->gameId(), "401");
    EXPECT_TRUE(app.state.pinnedGames().isEmpty());
    // The listed game shows at once, while its summary loads.
    ASSERT_EQ(app.api.waitingDetails(), 1);
    expectShows(*windows.first(), {"Celtics", "Lakers", "97", "98", "4th"});
    answerSummary(summaryOf(live));

    // The final score offers the details alone; a click on its body opens the same window again.
    windows.first()->setWindowState(Qt::WindowMinimized);
    choose("default", live, &NotificationService::sendGameEndNotification);
    ASSERT_EQ(visibleDetailWindows(), windows);
    EXPECT_FALSE(windows.first()->isMinimized());
    answerSummary(summaryOf(live));

    // A game no longer listed opens all the same: its window loads it by league and id.
    choose("default", bostonAtLosAngeles("499", GameStatus::final_, 88, 90, "Final"),
           &NotificationService::sendGameEndNotification);
    windows = visibleDetailWindows();
    ASSERT_EQ(windows.size(), 2);
    GameDetailView* unlisted = detailWindowOf("499");
    ASSERT_NE(unlisted, nullptr);
    ASSERT_EQ(app.api.waitingDetails(), 1);
    answerSummary(summaryOf(bostonAtLosAngeles("499", GameStatus::final_, 88, 90, "Final")));
    expectShows(*unlisted, {"Celtics", "Lakers", "88", "90", "Final"});
}

TEST_F(NotificationResponderTest, ViewDetailsOnAFinalOutsideTheCurrentGamesLoadsItsSummaryAndShowsIt) {
    // The league still has games live, so its finished game is not among its current games.
    const Game final = bostonAtLosAngeles("400", GameStatus::final_, 100, 102, "Final");
    Game held = final;
    held.startTime = app.clock.now().toUTC().addSecs(-7200);
    app.state.setGames({{"nba", {held, listed, otherListed}}});

    choose("default", final, &NotificationService::sendGameEndNotification);
    GameDetailView* window = detailWindowOf("400");
    ASSERT_NE(window, nullptr);
    ASSERT_EQ(app.api.waitingDetails(), 1) << "the window asks for the game's summary";
    EXPECT_EQ(app.api.requests().back().gameId, "400");
    EXPECT_EQ(app.api.requests().back().league.id, "nba");
    answerSummary(summaryOf(final));
    expectShows(*window, {"NBA", "Celtics", "Lakers", "100", "102", "Final"});

    // Its refresh asks again; a failure shows the error, and "Retry" asks again and shows the game.
    pressRefresh(*window);
    ASSERT_EQ(app.api.waitingDetails(), 1);
    answerSummary(APIError::httpError(503));
    expectShows(*window, {"Something went wrong", "HTTP error: 503"});
    QAbstractButton* retry = childWithText<QAbstractButton>(*window, "Retry");
    ASSERT_NE(retry, nullptr);
    retry->click();
    processPendingEvents();
    ASSERT_EQ(app.api.waitingDetails(), 1);
    answerSummary(summaryOf(final));
    expectShows(*window, {"Celtics", "Lakers", "100", "102", "Final"});

    // A game of a league the user no longer follows loads the same way, from its own league.
    Game hockey = withStatus(testGame("700", "nhl", app.clock.now()), GameStatus::final_, 3, 2, "Final/OT");
    hockey.awayTeam = team("NYR", "New York Rangers", "nhl");
    hockey.homeTeam = team("TOR", "Toronto Leafs", "nhl");
    choose("default", hockey, &NotificationService::sendGameEndNotification);
    GameDetailView* hockeyWindow = detailWindowOf("700");
    ASSERT_NE(hockeyWindow, nullptr);
    ASSERT_EQ(app.api.waitingDetails(), 1);
    EXPECT_EQ(app.api.requests().back().league.id, "nhl");
    answerSummary(summaryOf(hockey));
    expectShows(*hockeyWindow, {"NHL", "Rangers", "Leafs", "2", "3", "Final"});
}

TEST_F(NotificationResponderTest, AWindowBroughtForwardByALaterNotificationShowsTheGameAsItNowStands) {
    const Game close = bostonAtLosAngeles("401", GameStatus::inProgress, 97, 98, "4th");
    app.state.setGames({{"nba", {close, otherListed}}});
    choose("OPEN_GAME", close, &NotificationService::sendCloseGameNotification);
    GameDetailView* window = detailWindowOf("401");
    ASSERT_NE(window, nullptr);
    answerSummary(summaryOf(close));
    expectShows(*window, {"97", "98", "4th"});

    // The game ends while the league's other game goes on: it leaves the current games.
    const Game final = bostonAtLosAngeles("401", GameStatus::final_, 100, 102, "Final");
    app.state.setGames({{"nba", {final, otherListed}}});
    const int asked = app.api.requestCount(FakeScoresService::Kind::gameDetail);
    choose("default", final, &NotificationService::sendGameEndNotification);
    ASSERT_EQ(visibleDetailWindows(), QList<GameDetailView*>{window});
    ASSERT_EQ(app.api.waitingDetails(), 1) << "brought forward, the window loads the game again";
    answerSummary(summaryOf(final));
    expectShows(*window, {"Celtics", "Lakers", "100", "102", "Final"});
    EXPECT_FALSE(shownTexts(*window).contains("97"));
    EXPECT_FALSE(shownTexts(*window).contains("4th"));

    pressRefresh(*window);
    EXPECT_EQ(app.api.requestCount(FakeScoresService::Kind::gameDetail), asked + 2)
        << "the refresh asks again";
}

TEST_F(NotificationResponderTest, EachDetailWindowIsTitledAfterItsGameAndOpensClearOfTheOneAlreadyOpen) {
    const Game first = bostonAtLosAngeles("401", GameStatus::inProgress, 97, 98, "4th");
    Game second = withStatus(otherListed, GameStatus::inProgress, 50, 51, "3rd");
    second.awayTeam = team("NYK", "New York Knicks");
    second.homeTeam = team("MIA", "Miami Heat");
    app.state.setGames({{"nba", {first, second}}});

    choose("OPEN_GAME", first);
    choose("OPEN_GAME", second);
    GameDetailView* firstWindow = detailWindowOf("401");
    GameDetailView* secondWindow = detailWindowOf("402");
    ASSERT_NE(firstWindow, nullptr);
    ASSERT_NE(secondWindow, nullptr);
    processPendingEvents();
    EXPECT_EQ(firstWindow->windowTitle(), "BOS vs LAL");
    EXPECT_EQ(secondWindow->windowTitle(), "NYK vs MIA");
    EXPECT_GE((secondWindow->pos() - firstWindow->pos()).manhattanLength(), 20)
        << "the second window opens over the first";
}

} // namespace
