// What the notification service sends for each kind, and how the desktop notifier carries it over the bus.
#include "FakeNotificationDaemon.h"
#include "LogCapture.h"
#include "ManualClock.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "app/NotificationService.h"
#include "platform/desktop/DesktopNotifier.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Records what the service hands to the notification centre.
class RecordingNotifier final : public Notifier {
public:
    void setNotificationCategories(const QList<NotificationCategory>&) override {}
    void add(const NotificationRequest& request, Completion completion) override {
        requests.append(request);
        completion(std::nullopt);
    }
    QList<NotificationRequest> requests;
};

// Boston (away) at the Lakers.
Game game(qint64 homeScore = 99, qint64 awayScore = 102, std::optional<QString> period = std::nullopt) {
    Game game = withStatus(testGame("401810001", "nba", {}), GameStatus::inProgress, homeScore, awayScore,
                           std::move(period));
    game.homeTeam.name = "Los Angeles Lakers";
    game.homeTeam.abbreviation = "LAL";
    game.awayTeam.name = "Boston Celtics";
    game.awayTeam.abbreviation = "BOS";
    return game;
}

using UserInfo = QMap<QString, QString>;
const UserInfo userInfo{{"gameId", "401810001"}, {"leagueId", "nba"}};

class NotificationServiceTest : public ::testing::Test {
protected:
    ManualClock clock{QDateTime::fromSecsSinceEpoch(1773511200, Qt::UTC).addMSecs(999)};
    RecordingNotifier notifier;
    NotificationService service{notifier, clock};
};

// The same service over the desktop notifier and a fake server on the session bus.
class DesktopNotificationTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (!daemon.isRegistered())
            GTEST_SKIP() << "no session bus";
        service.registerCategories();
    }

    const FakeNotificationDaemon::Notification& waitForNotification(int number) {
        EXPECT_TRUE(daemon.waitForNotifications(number));
        static const FakeNotificationDaemon::Notification none;
        return daemon.notifications().size() >= number ? daemon.notifications().at(number - 1) : none;
    }

    FakeNotificationDaemon daemon;
    ManualClock clock;
    DesktopNotifier notifier;
    NotificationService service{notifier, clock};
};

} // namespace

TEST_F(NotificationServiceTest, EachKindHasItsIdentifierTitleBodyAndCategoryAndAScoreNamesTheTeamThatScored) {
    service.sendGameStartNotification(game());
    service.sendGameEndNotification(game());
    service.sendCloseGameNotification(game(99, 102, "Q4"));
    service.sendCloseGameNotification(game());
    service.sendOvertimeNotification(game());
    service.sendScoreChangeNotification(game(14, 13), game(14, 10));
    QStringList sent;
    for (const NotificationRequest& request : notifier.requests) {
        sent.append(QStringList{request.identifier, request.title, request.body,
                                request.categoryIdentifier.value_or("-")}
                        .join(" | "));
        EXPECT_TRUE(request.defaultSound);
        EXPECT_EQ(request.userInfo, userInfo);
    }
    EXPECT_EQ(sent,
              (QStringList{
                  "start-401810001 | Game Starting | Boston Celtics vs Los Angeles Lakers | GAME_START",
                  "end-401810001 | Final Score | BOS 102 - 99 LAL | GAME_END",
                  "close-401810001 | Close Game Alert | BOS 102 - 99 LAL \u2014 Q4 | CLOSE_GAME",
                  "close-401810001 | Close Game Alert | BOS 102 - 99 LAL \u2014 Live | CLOSE_GAME",
                  "ot-401810001 | Overtime! | Boston Celtics vs Los Angeles Lakers is going to overtime | -",
                  // Whole seconds since 1970 in the identifier, the fraction dropped.
                  "score-401810001-1773511200 | BOS Scores! | BOS 13 - 14 LAL | -",
              }));

    // A score names the team whose score rose; corrections send nothing.
    notifier.requests.clear();
    service.sendScoreChangeNotification(game(17, 10), game(14, 10));
    service.sendScoreChangeNotification(game(17, 13), game(14, 10)); // both rose: home first
    // A correction, no change, or no previous copy sends nothing.
    service.sendScoreChangeNotification(game(16, 10), game(17, 10));
    service.sendScoreChangeNotification(game(17, 9), game(17, 10));
    service.sendScoreChangeNotification(game(17, 10), game(17, 10));
    service.sendScoreChangeNotification(game(17, 10), std::nullopt);
    ASSERT_EQ(notifier.requests.size(), 2);
    EXPECT_EQ(notifier.requests[0].title, "LAL Scores!");
    EXPECT_EQ(notifier.requests[1].title, "LAL Scores!");
}

TEST_F(DesktopNotificationTest,
       NotificationCarriesActionsHintsAndTheEscapedBodyAndBringsBackTheChosenActionOrTheBodyClick) {
    Game aggies = game();
    aggies.awayTeam.name = "Texas A&M <Aggies>";
    service.sendGameStartNotification(aggies);
    const auto& start = waitForNotification(1);
    EXPECT_EQ(start.appName, "Glimmerbox");
    EXPECT_EQ(start.summary, "Game Starting");
    // The server reads markup.
    EXPECT_EQ(start.body, "Texas A&amp;M &lt;Aggies&gt; vs Los Angeles Lakers");
    // A click on the notification itself ("default") stands for "View Details".
    EXPECT_EQ(start.actions, (QStringList{"OPEN_GAME", "View Details", "default", "View Details", "PIN_GAME",
                                          "Pin to Overlay Bar"}));
    EXPECT_FALSE(start.hints.value("desktop-entry").toString().isEmpty());
    EXPECT_FALSE(start.hints.value("sound-name").toString().isEmpty());

    // The chosen action comes back with the user info, once the notifier has the server's answer and so
    // knows the id.
    QSignalSpy chosen(&notifier, &Notifier::actionInvoked);
    const uint startId = start.id;
    FakeNotificationDaemon::roundTrip();
    daemon.invokeAction(startId, "PIN_GAME");
    ASSERT_TRUE(spinUntil([&] { return chosen.count() > 0; }));
    EXPECT_EQ(chosen.at(0).at(0).toString(), "PIN_GAME");
    EXPECT_EQ(chosen.at(0).at(1).value<UserInfo>(), userInfo);

    daemon.invokeAction(startId, "default");
    ASSERT_TRUE(spinUntil([&] { return chosen.count() > 1; }));
    EXPECT_EQ(chosen.at(1).at(0).toString(), "OPEN_GAME");
    EXPECT_EQ(chosen.at(1).at(1).value<UserInfo>(), userInfo);

    service.sendGameEndNotification(game());
    service.sendOvertimeNotification(game());
    EXPECT_EQ(waitForNotification(2).actions,
              (QStringList{"OPEN_GAME", "View Details", "default", "View Details"}));
    const auto& overtime = waitForNotification(3);
    EXPECT_TRUE(overtime.actions.isEmpty());
    // A click on a notification without buttons chooses nothing.
    const uint overtimeId = overtime.id;
    FakeNotificationDaemon::roundTrip();
    daemon.invokeAction(overtimeId, "default");
    FakeNotificationDaemon::roundTrip();
    EXPECT_EQ(chosen.count(), 2);
}

TEST_F(DesktopNotificationTest, SameIdentifierReplacesTheEarlierNotificationUnlessItWasDismissed) {
    service.sendCloseGameNotification(game(99, 102, "Q4"));
    service.sendCloseGameNotification(game(101, 102, "Q4")); // sent before the first is answered
    Game other = game();
    other.id = "401810003";
    service.sendCloseGameNotification(other);

    // The first goes out at once; the other game's need not wait for the replacement.
    ASSERT_TRUE(daemon.waitForNotifications(3));
    const auto& notifications = daemon.notifications();
    const auto& first = notifications.first();
    const auto second = std::find_if(notifications.begin(), notifications.end(),
                                     [](const auto& n) { return n.body.endsWith("101 LAL \u2014 Q4"); });
    ASSERT_NE(second, notifications.end());
    EXPECT_TRUE(first.body.endsWith("99 LAL \u2014 Q4"));
    EXPECT_EQ(first.replacesId, 0u);
    EXPECT_EQ(second->replacesId, first.id);
    EXPECT_EQ(std::count_if(notifications.begin(), notifications.end(),
                            [](const auto& n) { return n.replacesId == 0; }),
              2);

    // A dismissed notification is not replaced but shown anew.
    const uint shownId = first.id;
    daemon.close(shownId);
    FakeNotificationDaemon::roundTrip();
    service.sendCloseGameNotification(game(103, 102, "Q4"));
    EXPECT_EQ(waitForNotification(4).replacesId, 0u);
}

TEST(DesktopNotifierTest, BodiesStayPlainForAServerWithoutMarkup) {
    FakeNotificationDaemon daemon({"body", "actions"});
    if (!daemon.isRegistered())
        GTEST_SKIP() << "no session bus";
    DesktopNotifier notifier;
    notifier.add({"id", "Title", "A&M <b>", true, {}, {}}, [](const auto&) {});
    ASSERT_TRUE(daemon.waitForNotifications(1));
    EXPECT_EQ(daemon.notifications().at(0).body, "A&M <b>");
}

TEST_F(DesktopNotificationTest, RefusedDeliveryIsLoggedAndNothingElse) {
    daemon.refuseWith("Notifications are turned off");
    LogCapture log;
    service.sendGameEndNotification(game());
    ASSERT_TRUE(spinUntil([&] { return !log.messages.isEmpty(); }));
    processPendingEvents();
    EXPECT_EQ(
        log.messages,
        QStringList{"critical Notifications: Failed to send notification: Notifications are turned off"});
}
