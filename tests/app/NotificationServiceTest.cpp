#include "app/NotificationService.h"
#include "FakeNotificationDaemon.h"
#include "LogCapture.h"
#include "ManualClock.h"
#include "TaskRunner.h"
#include "platform/DesktopNotifier.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

// Records what the service hands to the notification centre.
class RecordingNotifier final : public Notifier {
public:
    void setNotificationCategories(const QList<NotificationCategory>& list) override { categories = list; }
    void add(const NotificationRequest& request, Completion completion) override {
        requests.append(request);
        completion(std::nullopt);
    }

    QList<NotificationCategory> categories;
    QList<NotificationRequest> requests;
};

Team team(const QString& id, const QString& name, const QString& abbreviation) {
    Team team;
    team.id = id;
    team.name = name;
    team.abbreviation = abbreviation;
    return team;
}

Game game(qint64 homeScore = 99, qint64 awayScore = 102, std::optional<QString> period = std::nullopt) {
    Game game;
    game.id = QStringLiteral("401810001");
    game.league = League::withId(QStringLiteral("nba")).value();
    game.homeTeam = team(QStringLiteral("13"), QStringLiteral("Los Angeles Lakers"), QStringLiteral("LAL"));
    game.awayTeam = team(QStringLiteral("2"), QStringLiteral("Boston Celtics"), QStringLiteral("BOS"));
    game.homeScore = homeScore;
    game.awayScore = awayScore;
    game.status = GameStatus::inProgress;
    game.period = std::move(period);
    return game;
}

const QMap<QString, QString> userInfo{{QStringLiteral("gameId"), QStringLiteral("401810001")},
                                      {QStringLiteral("leagueId"), QStringLiteral("nba")}};

class NotificationServiceTest : public ::testing::Test {
protected:
    NotificationServiceTest() { service.registerCategories(); }

    const NotificationRequest& only() const {
        EXPECT_EQ(notifier.requests.size(), 1);
        return notifier.requests.constLast();
    }

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

    // A call to the server and back over the notifier's connection: whatever the server sent before its
    // answer (replies, signals) has reached the notifier by then.
    static void roundTrip() {
        const QDBusMessage call = QDBusMessage::createMethodCall(
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("/org/freedesktop/Notifications"),
            QStringLiteral("org.freedesktop.Notifications"), QStringLiteral("GetCapabilities"));
        QDBusPendingCallWatcher watcher(QDBusConnection::sessionBus().asyncCall(call));
        EXPECT_TRUE(spinUntil([&] { return watcher.isFinished(); }));
        processPendingEvents();
    }

    FakeNotificationDaemon daemon;
    ManualClock clock;
    DesktopNotifier notifier;
    NotificationService service{notifier, clock};
};

QStringList actionIdentifiers(const NotificationCategory& category) {
    QStringList identifiers;
    for (const NotificationAction& action : category.actions)
        identifiers << action.identifier + u'/' + action.title;
    return identifiers;
}

} // namespace

TEST_F(NotificationServiceTest, CategoriesCarryTheirActions) {
    ASSERT_EQ(notifier.categories.size(), 3);
    EXPECT_EQ(notifier.categories[0].identifier, QStringLiteral("GAME_START"));
    EXPECT_EQ(
        actionIdentifiers(notifier.categories[0]),
        (QStringList{QStringLiteral("OPEN_GAME/View Details"), QStringLiteral("PIN_GAME/Pin to Menu Bar")}));
    EXPECT_EQ(notifier.categories[1].identifier, QStringLiteral("GAME_END"));
    EXPECT_EQ(actionIdentifiers(notifier.categories[1]),
              (QStringList{QStringLiteral("OPEN_GAME/View Details")}));
    EXPECT_EQ(notifier.categories[2].identifier, QStringLiteral("CLOSE_GAME"));
    EXPECT_EQ(notifier.categories[2].actions.size(), 2);
    EXPECT_TRUE(notifier.categories[0].actions[0].foreground);
    EXPECT_FALSE(notifier.categories[0].actions[1].foreground);
}

TEST_F(NotificationServiceTest, GameStartAndFinalScore) {
    service.sendGameStartNotification(game());
    service.sendGameEndNotification(game());
    ASSERT_EQ(notifier.requests.size(), 2);
    const NotificationRequest& start = notifier.requests[0];
    EXPECT_EQ(start.identifier, QStringLiteral("start-401810001"));
    EXPECT_EQ(start.title, QStringLiteral("Game Starting"));
    EXPECT_EQ(start.body, QStringLiteral("Boston Celtics vs Los Angeles Lakers"));
    EXPECT_EQ(start.categoryIdentifier, QStringLiteral("GAME_START"));
    EXPECT_TRUE(start.defaultSound);
    EXPECT_EQ(start.userInfo, userInfo);

    const NotificationRequest& end = notifier.requests[1];
    EXPECT_EQ(end.identifier, QStringLiteral("end-401810001"));
    EXPECT_EQ(end.title, QStringLiteral("Final Score"));
    EXPECT_EQ(end.body, QStringLiteral("BOS 102 - 99 LAL"));
    EXPECT_EQ(end.categoryIdentifier, QStringLiteral("GAME_END"));
    EXPECT_EQ(end.userInfo, userInfo);
}

TEST_F(NotificationServiceTest, CloseGameNamesThePeriodOrLive) {
    service.sendCloseGameNotification(game(99, 102, QStringLiteral("Q4")));
    service.sendCloseGameNotification(game());
    ASSERT_EQ(notifier.requests.size(), 2);
    EXPECT_EQ(notifier.requests[0].identifier, QStringLiteral("close-401810001"));
    EXPECT_EQ(notifier.requests[0].title, QStringLiteral("Close Game Alert"));
    EXPECT_EQ(notifier.requests[0].body, QStringLiteral("BOS 102 - 99 LAL \u2014 Q4"));
    EXPECT_EQ(notifier.requests[0].categoryIdentifier, QStringLiteral("CLOSE_GAME"));
    EXPECT_EQ(notifier.requests[1].body, QStringLiteral("BOS 102 - 99 LAL \u2014 Live"));
}

TEST_F(NotificationServiceTest, OvertimeHasNoCategory) {
    service.sendOvertimeNotification(game());
    const NotificationRequest& overtime = only();
    EXPECT_EQ(overtime.identifier, QStringLiteral("ot-401810001"));
    EXPECT_EQ(overtime.title, QStringLiteral("Overtime!"));
    EXPECT_EQ(overtime.body, QStringLiteral("Boston Celtics vs Los Angeles Lakers is going to overtime"));
    EXPECT_FALSE(overtime.categoryIdentifier.has_value());
    EXPECT_EQ(overtime.userInfo, userInfo);
}

TEST_F(NotificationServiceTest, ScoreChangeNamesTheTeamWhoseScoreRose) {
    service.sendScoreChangeNotification(game(14, 13), game(14, 10));
    service.sendScoreChangeNotification(game(17, 10), game(14, 10));
    service.sendScoreChangeNotification(game(17, 13), game(14, 10)); // both rose: home first
    ASSERT_EQ(notifier.requests.size(), 3);
    EXPECT_EQ(notifier.requests[0].title, QStringLiteral("BOS Scores!"));
    EXPECT_EQ(notifier.requests[0].body, QStringLiteral("BOS 13 - 14 LAL"));
    EXPECT_EQ(notifier.requests[1].title, QStringLiteral("LAL Scores!"));
    EXPECT_EQ(notifier.requests[2].title, QStringLiteral("LAL Scores!"));
    // Whole seconds since 1970, the fraction dropped.
    EXPECT_EQ(notifier.requests[0].identifier, QStringLiteral("score-401810001-1773511200"));
    EXPECT_FALSE(notifier.requests[0].categoryIdentifier.has_value());
}

TEST_F(NotificationServiceTest, ScoreCorrectionOrNoPreviousCopySendsNothing) {
    service.sendScoreChangeNotification(game(16, 10), game(17, 10));
    service.sendScoreChangeNotification(game(17, 9), game(17, 10));
    service.sendScoreChangeNotification(game(17, 10), game(17, 10));
    service.sendScoreChangeNotification(game(17, 10), std::nullopt);
    EXPECT_TRUE(notifier.requests.isEmpty());
}

TEST_F(DesktopNotificationTest, NotificationCarriesActionsHintsAndApplicationName) {
    service.sendGameStartNotification(game());
    const auto& start = waitForNotification(1);
    EXPECT_EQ(start.appName, QStringLiteral("Glimmerbox"));
    EXPECT_EQ(start.summary, QStringLiteral("Game Starting"));
    EXPECT_EQ(start.body, QStringLiteral("Boston Celtics vs Los Angeles Lakers"));
    EXPECT_EQ(start.actions, (QStringList{QStringLiteral("OPEN_GAME"), QStringLiteral("View Details"),
                                          QStringLiteral("PIN_GAME"), QStringLiteral("Pin to Menu Bar")}));
    EXPECT_EQ(start.replacesId, 0u);
    EXPECT_FALSE(start.hints.value(QStringLiteral("desktop-entry")).toString().isEmpty());
    EXPECT_FALSE(start.hints.value(QStringLiteral("sound-name")).toString().isEmpty());

    service.sendGameEndNotification(game());
    service.sendOvertimeNotification(game());
    EXPECT_EQ(waitForNotification(2).actions,
              (QStringList{QStringLiteral("OPEN_GAME"), QStringLiteral("View Details")}));
    EXPECT_TRUE(waitForNotification(3).actions.isEmpty());
}

TEST_F(DesktopNotificationTest, SameIdentifierReplacesTheEarlierNotification) {
    service.sendCloseGameNotification(game(99, 102, QStringLiteral("Q4")));
    service.sendCloseGameNotification(
        game(101, 102, QStringLiteral("Q4"))); // sent before the first is answered
    Game other = game();
    other.id = QStringLiteral("401810003");
    service.sendCloseGameNotification(other);

    ASSERT_TRUE(daemon.waitForNotifications(3));
    const auto& notifications = daemon.notifications();
    const auto first = std::find_if(notifications.begin(), notifications.end(), [](const auto& n) {
        return n.body.endsWith(QStringLiteral("99 LAL \u2014 Q4"));
    });
    const auto second = std::find_if(notifications.begin(), notifications.end(), [](const auto& n) {
        return n.body.endsWith(QStringLiteral("101 LAL \u2014 Q4"));
    });
    ASSERT_NE(first, notifications.end());
    ASSERT_NE(second, notifications.end());
    EXPECT_EQ(first->replacesId, 0u);
    EXPECT_EQ(second->replacesId, first->id);
    EXPECT_EQ(std::count_if(notifications.begin(), notifications.end(),
                            [](const auto& n) { return n.replacesId == 0; }),
              2);
}

TEST_F(DesktopNotificationTest, ADismissedNotificationIsNotReplacedButShownAnew) {
    service.sendGameStartNotification(game());
    daemon.close(waitForNotification(1).id);
    roundTrip();
    service.sendGameStartNotification(game());
    EXPECT_EQ(waitForNotification(2).replacesId, 0u);
}

TEST_F(DesktopNotificationTest, BodiesAreEscapedForAServerThatReadsMarkup) {
    Game aggies = game();
    aggies.awayTeam.name = QStringLiteral("Texas A&M <Aggies>");
    service.sendGameStartNotification(aggies);
    EXPECT_EQ(waitForNotification(1).body,
              QStringLiteral("Texas A&amp;M &lt;Aggies&gt; vs Los Angeles Lakers"));
    EXPECT_EQ(waitForNotification(1).summary, QStringLiteral("Game Starting"));
}

TEST(DesktopNotifierTest, BodiesStayPlainForAServerWithoutMarkup) {
    FakeNotificationDaemon daemon({QStringLiteral("body"), QStringLiteral("actions")});
    if (!daemon.isRegistered())
        GTEST_SKIP() << "no session bus";
    DesktopNotifier notifier;
    notifier.add({QStringLiteral("id"), QStringLiteral("Title"), QStringLiteral("A&M <b>"), true, {}, {}},
                 [](const auto&) {});
    ASSERT_TRUE(daemon.waitForNotifications(1));
    EXPECT_EQ(daemon.notifications().at(0).body, QStringLiteral("A&M <b>"));
}

TEST_F(DesktopNotificationTest, RefusedDeliveryIsLoggedAndNothingElse) {
    daemon.refuseWith(QStringLiteral("Notifications are turned off"));
    LogCapture log;
    service.sendGameEndNotification(game());
    ASSERT_TRUE(spinUntil([&] { return !log.messages.isEmpty(); }));
    processPendingEvents();
    EXPECT_EQ(log.messages,
              (QStringList{QStringLiteral("critical Notifications: Failed to send notification: "
                                          "Notifications are turned off")}));
}

TEST_F(DesktopNotificationTest, ChosenActionComesBackWithTheUserInfo) {
    QSignalSpy chosen(&notifier, &Notifier::actionInvoked);
    bool delivered = false;
    notifier.add({QStringLiteral("start-401810001"), QStringLiteral("Game Starting"), QStringLiteral("body"),
                  true, QStringLiteral("GAME_START"), userInfo},
                 [&delivered](const std::optional<QString>& error) { delivered = !error; });
    ASSERT_TRUE(spinUntil([&] { return delivered; }));
    daemon.invokeAction(daemon.notifications().at(0).id, QStringLiteral("PIN_GAME"));
    ASSERT_TRUE(spinUntil([&] { return chosen.count() > 0; }));
    EXPECT_EQ(chosen.at(0).at(0).toString(), QStringLiteral("PIN_GAME"));
    using UserInfo = QMap<QString, QString>;
    EXPECT_EQ(chosen.at(0).at(1).value<UserInfo>(), userInfo);
}
