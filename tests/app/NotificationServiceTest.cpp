// What the notification service sends for each kind, and how the desktop notifier carries it over the bus.
#include "FakeNotificationDaemon.h"
#include "LogCapture.h"
#include "ManualClock.h"
#include "RecordingNotifier.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "app/NotificationService.h"
#include "platform/desktop/DesktopNotifier.h"
#include "platform/text/PixelFont.h"

#include <QSignalSpy>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

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

// Every embedding, override and isolate the text opens is closed before its end, and nothing is closed that
// the text did not open.
bool directionsClosed(const QString& text) {
    QList<QChar> owed;
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == 0x202A || u == 0x202B || u == 0x202D || u == 0x202E)
            owed.append(QChar(0x202C));
        else if (u == 0x2066 || u == 0x2067 || u == 0x2068)
            owed.append(QChar(0x2069));
        else if (u == 0x202C || u == 0x2069) {
            if (owed.isEmpty() || owed.last() != c)
                return false;
            owed.removeLast();
        }
    }
    return owed.isEmpty();
}

// The paragraph reads left to right as servers decide it: by its first character of a strong direction,
// where some (Pango's) count the marks that open an embedding or override, even inside an isolate.
bool readsLeftToRight(const QString& text) {
    for (const QChar c : text) {
        switch (c.direction()) {
        case QChar::DirL:
            return true;
        case QChar::DirR:
        case QChar::DirAL:
        case QChar::DirLRE:
        case QChar::DirLRO:
        case QChar::DirRLE:
        case QChar::DirRLO:
            return false;
        default:
            break;
        }
    }
    return false;
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
    // Each reply text is isolated (FSI ... PDI) from the words and numbers around it, and a title or body
    // that starts with one starts with a left-to-right mark (LRM).
    const QString boston = "\u2068Boston Celtics\u2069";
    const QString lakers = "\u2068Los Angeles Lakers\u2069";
    const QString bos = "\u2068BOS\u2069";
    const QString lal = "\u2068LAL\u2069";
    const QString lrm = "\u200E";
    EXPECT_EQ(
        sent,
        (QStringList{
            "start-nba-401810001 | Game Starting | " + lrm + boston + " vs " + lakers + " | GAME_START",
            "end-nba-401810001 | Final Score | " + lrm + bos + " 102 - 99 " + lal + " | GAME_END",
            "close-nba-401810001 | Close Game Alert | " + lrm + bos + " 102 - 99 " + lal +
                " \u2014 \u2068Q4\u2069 | CLOSE_GAME",
            "close-nba-401810001 | Close Game Alert | " + lrm + bos + " 102 - 99 " + lal +
                " \u2014 Live | CLOSE_GAME",
            "ot-nba-401810001 | Overtime! | " + lrm + boston + " vs " + lakers + " is going to overtime | -",
            // Whole seconds since 1970 in the identifier, the fraction dropped.
            "score-nba-401810001-1773511200 | " + lrm + bos + " Scores! | " + lrm + bos + " 13 - 14 " + lal +
                " | -",
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
    EXPECT_EQ(notifier.requests[0].title, "\u200E\u2068LAL\u2069 Scores!");
    EXPECT_EQ(notifier.requests[1].title, "\u200E\u2068LAL\u2069 Scores!");
}

TEST_F(NotificationServiceTest, TheSummaryOfGamesLeftUntoldCountsThemAndNamesTheirLeaguesAndOpensNoGame) {
    service.sendMoreGamesChangedNotification(12, {"NBA", "NHL"});
    clock.advanceSeconds(1);
    service.sendMoreGamesChangedNotification(1, {"NFL"});
    ASSERT_EQ(notifier.requests.size(), 2);
    const NotificationRequest& first = notifier.requests[0];
    EXPECT_EQ(first.title, "\u200E12 more games changed");
    EXPECT_EQ(first.body, "NBA, NHL");
    EXPECT_FALSE(first.categoryIdentifier.has_value());
    EXPECT_TRUE(first.userInfo.isEmpty());
    EXPECT_TRUE(first.defaultSound);
    EXPECT_EQ(notifier.requests[1].title, "\u200E1 more game changed");
    // Each stays beside the earlier one.
    EXPECT_NE(notifier.requests[1].identifier, first.identifier);
}

TEST_F(NotificationServiceTest, ReplyTextsAreFoldedShortenedAndIsolatedSoEveryTitleAndBodyStaysInBounds) {
    Game hostile = game(99, 102, "2:00\u2028- 4th\r\n" + QString(5000, u'q'));
    hostile.homeTeam.name = "Los Angeles\nLakers" + QString(4000, u'x');
    hostile.awayTeam.name = QString("\u202B\u2067Boston\tCeltics\u202C").repeated(200);
    hostile.homeTeam.abbreviation = "\u2069\u202CLAL\u202E\u2066"; // stray closers, then openers left open
    hostile.awayTeam.abbreviation = "\u202EBOS" + QString(3000, u'S');
    service.sendGameStartNotification(hostile);
    service.sendGameEndNotification(hostile);
    service.sendCloseGameNotification(hostile);
    service.sendOvertimeNotification(hostile);
    service.sendScoreChangeNotification(hostile, game(98, 102));
    service.sendScoreChangeNotification(hostile, game(99, 101));
    ASSERT_EQ(notifier.requests.size(), 6);
    for (const NotificationRequest& request : notifier.requests) {
        for (const QString& text : {request.title, request.body}) {
            EXPECT_TRUE(std::none_of(text.begin(), text.end(), [](QChar c) {
                return c.category() == QChar::Other_Control || c.category() == QChar::Separator_Line ||
                       c.category() == QChar::Separator_Paragraph;
            })) << qPrintable(request.identifier);
            EXPECT_TRUE(directionsClosed(text)) << qPrintable(request.identifier);
            EXPECT_TRUE(readsLeftToRight(text)) << qPrintable(request.identifier);
        }
        EXPECT_LE(request.title.size(), 200) << qPrintable(request.identifier);
        EXPECT_LE(request.body.size(), 400) << qPrintable(request.identifier);
    }
    // Folded, shortened with an ellipsis, each in an isolate of its own.
    const QString start = notifier.requests.at(0).body;
    // A PDF closes no isolate: the name's own is left out.
    EXPECT_TRUE(start.startsWith(u"\u200E\u2068\u202B\u2067Boston Celtics\u202B\u2067Boston"))
        << qPrintable(start);
    EXPECT_TRUE(start.endsWith(QString(" vs \u2068Los Angeles Lakers") + QString(45, u'x') + "\u2026\u2069"))
        << qPrintable(start);
    EXPECT_TRUE(notifier.requests.at(2).body.contains(u" \u2014 \u20682:00 - 4th q"))
        << qPrintable(notifier.requests.at(2).body);
    // The stray closers are left out, the openers closed inside the isolate.
    EXPECT_EQ(notifier.requests.at(4).title, u"\u200E\u2068LAL\u202E\u2066\u2069\u202C\u2069 Scores!");
}

TEST_F(NotificationServiceTest, AnOverrideInAnAbbreviationCannotTurnTheScoreRound) {
    Game game = ::game(98, 97, "2:00 - 4th");
    game.awayTeam.abbreviation = "\u202EBOS";
    service.sendCloseGameNotification(game);
    ASSERT_EQ(notifier.requests.size(), 1);
    const QString body = notifier.requests.at(0).body;

    // Laid out as a left-to-right desktop shows it: everything after the abbreviation reads from left to
    // right, in its own order.
    EXPECT_TRUE(readsLeftToRight(body));
    QTextLayout layout(body, pixelFont(13));
    QTextOption option;
    option.setTextDirection(Qt::LeftToRight);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    line.setLineWidth(10000);
    layout.endLayout();
    const qsizetype after = body.indexOf(u"BOS") + 3;
    QList<double> positions;
    for (qsizetype i = after; i < body.size(); ++i) {
        if (body.at(i).category() != QChar::Other_Format && !body.at(i).isSpace())
            positions.append(line.cursorToX(int(i)));
    }
    EXPECT_EQ(positions.size(), QString("97-98LAL\u20142:00-4th").size());
    EXPECT_TRUE(std::is_sorted(positions.begin(), positions.end()) &&
                std::adjacent_find(positions.begin(), positions.end()) == positions.end())
        << qPrintable(body);
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
    EXPECT_EQ(start.body, "\u200E\u2068Texas A&amp;M &lt;Aggies&gt;\u2069 vs \u2068Los Angeles Lakers\u2069");
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
    // Ids are the league's own: a hockey game of the same id is another game, shown beside it.
    Game hockey = game();
    hockey.league = testLeague("nhl");
    service.sendCloseGameNotification(hockey);

    // The first goes out at once; the other games' need not wait for the replacement.
    ASSERT_TRUE(daemon.waitForNotifications(4));
    const auto& notifications = daemon.notifications();
    const auto& first = notifications.first();
    const auto second = std::find_if(notifications.begin(), notifications.end(), [](const auto& n) {
        return n.body.endsWith("101 \u2068LAL\u2069 \u2014 \u2068Q4\u2069");
    });
    ASSERT_NE(second, notifications.end());
    EXPECT_TRUE(first.body.endsWith("99 \u2068LAL\u2069 \u2014 \u2068Q4\u2069"));
    EXPECT_EQ(first.replacesId, 0u);
    EXPECT_EQ(second->replacesId, first.id);
    EXPECT_EQ(std::count_if(notifications.begin(), notifications.end(),
                            [](const auto& n) { return n.replacesId == 0; }),
              3);

    // A dismissed notification is not replaced but shown anew.
    const uint shownId = first.id;
    daemon.close(shownId);
    FakeNotificationDaemon::roundTrip();
    service.sendCloseGameNotification(game(103, 102, "Q4"));
    EXPECT_EQ(waitForNotification(5).replacesId, 0u);
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
