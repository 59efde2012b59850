// A detail window opened from a notification, against the stand-in scores service: what the window shows of
// the summary's header, and the requests the service receives.
#include "ChildWithText.h"
#include "ShownDetailWindows.h"
#include "StandinProcess.h"
#include "StubAppState.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "app/NotificationService.h"
#include "platform/desktop/Notifier.h"
#include "popover/common/DotView.h"
#include "popover/common/GameStatusBadge.h"
#include "popover/detail/GameDetailPanel.h"
#include "popover/detail/GameDetailView.h"
#include "popover/detail/GameDetailViewModel.h"
#include "service/ESPNAPIService.h"
#include "shell/GameDetailWindows.h"
#include "shell/NotificationResponder.h"

#include <QPointer>
#include <QToolButton>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using namespace std::chrono_literals;

// A notification centre that delivers nothing; the test chooses the notifications' actions itself.
class ChosenActions final : public Notifier {
public:
    void setNotificationCategories(const QList<NotificationCategory>&) override {}
    void add(const NotificationRequest&, Completion completion) override { completion(std::nullopt); }

    // As the desktop reports "View Details" chosen on a notification of this game.
    void viewDetails(const QString& gameId, const QString& leagueId) {
        emit actionInvoked(
            NotificationService::openGameAction,
            {{NotificationService::gameIdKey, gameId}, {NotificationService::leagueIdKey, leagueId}});
    }
};

class DetailWindowStandinTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
        app.preferences.setEnabledLeagues({"nba"});
        processPendingEvents();
        holdTheStandinsGames();
    }

    // The application state's refresh, in short: the league's scoreboard as the stand-in now serves it.
    void holdTheStandinsGames(const QString& leagueId = "nba") {
        auto fetch = [this, leagueId]() -> QCoro::Task<> {
            const ServiceResult<Scoreboard> scoreboard =
                co_await service.fetchLiveScoreboard(testLeague(leagueId));
            if (!scoreboard.ok()) {
                ADD_FAILURE() << "the stand-in's scoreboard: "
                              << qPrintable(scoreboard.error().errorDescription());
                co_return;
            }
            app.state.setGames({{leagueId, scoreboard.value().games}});
        };
        ASSERT_TRUE(runToCompletion(fetch()));
    }
    // Follows only `leagueId` and holds its games.
    void follow(const QString& leagueId) {
        app.preferences.setEnabledLeagues({leagueId});
        processPendingEvents();
        holdTheStandinsGames(leagueId);
    }
    // As the overlay's hover does on the pinned game's card: its leaders, read from the game's summary,
    // which the service keeps for 30 s.
    void readLeadersOf(const QString& gameId) {
        auto fetch = [this, gameId]() -> QCoro::Task<> {
            const ServiceResult<QList<TopScorer>> scorers =
                co_await service.fetchTopScorers(gameId, testLeague("nba"));
            EXPECT_TRUE(scorers.ok());
        };
        ASSERT_TRUE(runToCompletion(fetch()));
    }

    static bool showsAll(const QWidget& window, const QStringList& texts) {
        const QStringList shown = shownTexts(window);
        return std::all_of(texts.cbegin(), texts.cend(),
                           [&](const QString& text) { return shown.contains(text); });
    }
    // Answered, and the answer shown: the model loads from the moment the window shows, while the panel's
    // refresh button follows it a turn later, so the button alone may still be enabled from before.
    static bool loaded(const GameDetailView& window) {
        const auto* model = window.findChild<const GameDetailViewModel*>();
        return model && !model->isLoading() && window.panel().isRefreshEnabled();
    }
    // The scoreboard's status badge shows the red dot of a live game. (Neither widget declares its own
    // meta-object, so they are told apart by their C++ types.)
    static bool showsLiveDot(const GameDetailView& window) {
        const QList<QWidget*> widgets = window.findChildren<QWidget*>();
        return std::any_of(widgets.cbegin(), widgets.cend(), [&](const QWidget* widget) {
            return dynamic_cast<const DotView*>(widget) &&
                   dynamic_cast<const GameStatusBadge*>(widget->parent()) && widget->isVisibleTo(&window);
        });
    }
    int summaryRequests(const QString& gameId, const QString& leaguePath = "basketball/nba") const {
        return standin.requestCount("/apis/site/v2/sports/" + leaguePath + "/summary?event=" + gameId);
    }

    StandinProcess standin;
    StubAppState app;
    ESPNAPIService service{app.cache, app.clock, standin.apiBase(), 2s};
    ChosenActions notifier;
    GameDetailWindows details{app.state, service};
    NotificationResponder responder{notifier, app.state, details};
};

TEST_F(DetailWindowStandinTest, AFinalOutsideTheCurrentGamesShowsItsTeamsScoreAndStateFromTheSummary) {
    // Boston at Los Angeles is live, so the league's finished game is not among its current games.
    ASSERT_FALSE(idsOf(app.state.enabledLeagueGames()).contains("401810003"));
    notifier.viewDetails("401810003", "nba");
    GameDetailView* final = detailWindowOf("401810003");
    ASSERT_NE(final, nullptr);
    EXPECT_TRUE(spinUntil([&] {
        return showsAll(*final, {"Warriors", "Nuggets", "108", "112", "Final"});
    })) << qPrintable(shownTexts(*final).join(", "));
    EXPECT_EQ(summaryRequests("401810003"), 1);
    EXPECT_EQ(final->windowTitle(), "GS vs DEN");
}

TEST_F(DetailWindowStandinTest, ALaterNotificationShowsTheGameAsItNowStandsNotAsTheCacheHadIt) {
    notifier.viewDetails("401810001", "nba");
    GameDetailView* game = detailWindowOf("401810001");
    ASSERT_NE(game, nullptr);
    // Shown at once from the current games; loaded once the summary is in (and in the cache).
    ASSERT_TRUE(spinUntil([&] {
        return showsAll(*game, {"Celtics", "Lakers", "97", "98", "2:00 - 4th"}) && loaded(*game);
    })) << qPrintable(shownTexts(*game).join(", "));

    // Twenty seconds on, within the summary's time in the cache, the game has ended.
    standin.advance(60);
    app.clock.advance(20s);
    holdTheStandinsGames();
    notifier.viewDetails("401810001", "nba");
    ASSERT_EQ(detailWindowOf("401810001"), game);
    EXPECT_TRUE(spinUntil([&] {
        return showsAll(*game, {"Celtics", "Lakers", "100", "102", "Final"}) && loaded(*game);
    })) << qPrintable(shownTexts(*game).join(", "));
    EXPECT_FALSE(shownTexts(*game).contains("97"));
    EXPECT_EQ(summaryRequests("401810001"), 2);

    game->panel().refreshButton()->click();
    EXPECT_TRUE(spinUntil([&] { return summaryRequests("401810001") == 3; })) << "the refresh asks again";
    // Its answer is awaited, so that no load is left suspended when the window goes.
    EXPECT_TRUE(spinUntil([&] { return loaded(*game); }));
}

TEST_F(DetailWindowStandinTest, ANewWindowFromTheFinalScoreShowsTheFinalThoughTheSummaryWasJustReadLive) {
    // Boston at Los Angeles, live; the pointer rests on its card, which reads its summary for its leaders.
    readLeadersOf("401810001");
    EXPECT_EQ(summaryRequests("401810001"), 1);
    // Twenty seconds on, within that summary's 30 s in the cache, "Final Score" arrives.
    standin.advance(60);
    app.clock.advance(20s);
    holdTheStandinsGames();
    notifier.viewDetails("401810001", "nba");
    GameDetailView* game = detailWindowOf("401810001");
    ASSERT_NE(game, nullptr);
    EXPECT_TRUE(spinUntil([&] { return summaryRequests("401810001") == 2; }, 4s)) << "the new window asks";
    EXPECT_TRUE(spinUntil([&] {
        return showsAll(*game, {"Celtics", "Lakers", "100", "102", "Final"}) && loaded(*game);
    })) << qPrintable(shownTexts(*game).join(", "));
    EXPECT_FALSE(shownTexts(*game).contains("2:00 - 4th"));
    EXPECT_FALSE(showsLiveDot(*game));
    EXPECT_EQ(summaryRequests("401810001"), 2);
}

TEST_F(DetailWindowStandinTest, AWindowReopenedSecondsAfterItClosedShowsTheGameAsItNowStands) {
    notifier.viewDetails("401810001", "nba");
    GameDetailView* live = detailWindowOf("401810001");
    ASSERT_NE(live, nullptr);
    ASSERT_TRUE(spinUntil([&] {
        return showsAll(*live, {"97", "98", "2:00 - 4th"}) && loaded(*live);
    })) << qPrintable(shownTexts(*live).join(", "));
    EXPECT_TRUE(showsLiveDot(*live));
    // Closed, the window is gone once the event loop has run its deferred deletes.
    const QPointer<GameDetailView> closed(live);
    live->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(closed.isNull());

    standin.advance(60);
    app.clock.advance(20s);
    holdTheStandinsGames();
    notifier.viewDetails("401810001", "nba");
    GameDetailView* reopened = detailWindowOf("401810001");
    ASSERT_NE(reopened, nullptr);
    EXPECT_TRUE(spinUntil([&] {
        return showsAll(*reopened, {"100", "102", "Final"}) && loaded(*reopened);
    })) << qPrintable(shownTexts(*reopened).join(", "));
    EXPECT_FALSE(showsLiveDot(*reopened));
    EXPECT_EQ(summaryRequests("401810001"), 2);
}

TEST_F(DetailWindowStandinTest, AFinalOutsideTheCurrentGamesShowsTheVenueBroadcastAndRecordsOfItsSummary) {
    // Dallas's game has ended in overtime; the league's next game, four hours on, keeps it out of the
    // current games. (The stand-in dates its games from the real time.)
    app.clock.setNow(QDateTime::currentDateTime());
    standin.advance(80);
    follow("nfl");
    ASSERT_FALSE(idsOf(app.state.enabledLeagueGames()).contains("401820001"));
    notifier.viewDetails("401820001", "nfl");
    GameDetailView* final = detailWindowOf("401820001");
    ASSERT_NE(final, nullptr);
    EXPECT_TRUE(spinUntil([&] {
        return showsAll(*final,
                        {"Eagles", "Cowboys", "24", "27", "Final", "AT&T Stadium", "FOX", "10-6", "12-4"}) &&
               loaded(*final);
    })) << qPrintable(shownTexts(*final).join(", "));
    EXPECT_FALSE(shownTexts(*final).contains("TBD"));
    EXPECT_EQ(summaryRequests("401820001", "football/nfl"), 1);
}

TEST_F(DetailWindowStandinTest, ATennisMatchKeepsItsSetsAndStateWhenItsSummaryArrives) {
    // One set all, Alcaraz 1-2 down in the third; the summary's copy of the match carries no score.
    follow("atp");
    notifier.viewDetails("176001", "atp");
    GameDetailView* match = detailWindowOf("176001");
    ASSERT_NE(match, nullptr);
    EXPECT_TRUE(spinUntil([&] { return summaryRequests("176001", "tennis/atp") == 1 && loaded(*match); }));
    processPendingEvents();
    const QStringList shown = shownTexts(*match);
    EXPECT_TRUE(showsAll(*match, {"C. Alcaraz", "J. Sinner", "1", "3-6 6-4 1-2"}))
        << qPrintable(shown.join(", "));
    EXPECT_FALSE(shown.contains("0")) << qPrintable(shown.join(", "));
    EXPECT_FALSE(shown.contains("3rd Set")) << qPrintable(shown.join(", "));
    EXPECT_TRUE(showsLiveDot(*match));
}

} // namespace
