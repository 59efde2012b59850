// Pacing the alerts of change detection: what reads like a recent alert, the minute's budget, and which
// games go first when a pass has more to say than it may, with one summary of the rest.
#include "LogCapture.h"
#include "ManualClock.h"
#include "RecordingGameNotifier.h"
#include "TestGames.h"

#include "app/AlertPacer.h"

#include <gtest/gtest.h>

namespace {

using Kind = GameAlert::Kind;

class AlertPacerTest : public ::testing::Test {
protected:
    // A live game of `leagueId` with teams of its own, and its alerts of `kinds`.
    ChangedGame changed(const QString& id, const QString& leagueId, QList<Kind> kinds, bool followed = false,
                        qint64 homeScore = 1) const {
        const Game game = withStatus(testGame(id, leagueId, clock.now()), GameStatus::inProgress, homeScore);
        ChangedGame result{{}, followed};
        for (Kind kind : kinds)
            result.alerts.append(
                GameAlert{kind, game, kind == Kind::scoreChange ? std::optional(game) : std::nullopt});
        return result;
    }
    QStringList raise(const QList<ChangedGame>& changedGames) {
        notifier.clear();
        pacer.raise(changedGames);
        return notifier.log();
    }

    ManualClock clock;
    RecordingGameNotifier notifier;
    AlertPacer pacer{notifier, clock};
};

} // namespace

TEST_F(AlertPacerTest, WhatFitsIsRaisedInThePassesOrderEachGamesAlertsInTheirOwn) {
    EXPECT_EQ(raise({changed("a", "nba", {Kind::start, Kind::closeGame}), changed("b", "nhl", {Kind::end}),
                     changed("c", "nba", {Kind::scoreChange, Kind::overtime}, true)}),
              (QStringList{"start a", "close a", "end b", "score c", "overtime c"}));
}

TEST_F(AlertPacerTest,
       FollowedGamesThenFinalsCloseGamesOvertimeStartsAndScoresGoFirstAndTheRestIsToldOfOnce) {
    // Eleven games of one alert each: nine fit beside the summary.
    QList<ChangedGame> games;
    for (const char* id : {"s1", "s2", "s3"})
        games.append(changed(id, "nba", {Kind::scoreChange}));
    games.append(changed("start", "nba", {Kind::start}));
    games.append(changed("ot", "nba", {Kind::overtime}));
    games.append(changed("close", "nba", {Kind::closeGame}));
    games.append(changed("end", "nba", {Kind::end}));
    games.append(changed("fav", "nba", {Kind::scoreChange}, true));
    for (const char* id : {"s4", "s5", "s6"})
        games.append(changed(id, "nba", {Kind::scoreChange}));
    LogCapture log;
    EXPECT_EQ(raise(games), (QStringList{"score s1", "score s2", "score s3", "start start", "overtime ot",
                                         "close close", "end end", "score fav", "score s4", "more 2 NBA"}));
    EXPECT_EQ(log.matching("Held back"),
              QStringList{"warning Notifications: Held back 2 notifications of one refresh"});
}

TEST_F(AlertPacerTest, LeaguesTakeTurnsAndAGameIsRaisedWholeOrToldOf) {
    // Six starting games in each of two leagues, a start and a close game each: the first league's games
    // would take every slot.
    QList<ChangedGame> games;
    for (const QString league : {"nba", "nhl"}) {
        for (int i = 1; i <= 6; ++i)
            games.append(changed(league + QString::number(i), league, {Kind::start, Kind::closeGame}));
    }
    EXPECT_EQ(raise(games), (QStringList{"start nba1", "close nba1", "start nba2", "close nba2", "start nhl1",
                                         "close nhl1", "start nhl2", "close nhl2", "more 8 NBA,NHL"}));
}

TEST_F(AlertPacerTest, AnAlertReadingLikeARecentOneIsNotRaisedAgainWhateverTheGamesId) {
    const auto renamed = [&](const QString& id, qint64 homeScore = 1) {
        ChangedGame game = changed("g", "nba", {Kind::closeGame}, false, homeScore);
        game.alerts.front().game.id = id;
        return game;
    };
    EXPECT_EQ(raise({renamed("g-r1")}), QStringList{"close g-r1"});
    EXPECT_TRUE(raise({renamed("g-r2"), renamed("g-r3")}).isEmpty());
    // Another score reads otherwise, and so does the same alert of another league.
    EXPECT_EQ(raise({renamed("g-r4", 2)}), QStringList{"close g-r4"});
    ChangedGame hockey = renamed("g-r5");
    hockey.alerts.front().game.league = testLeague("nhl");
    EXPECT_EQ(raise({hockey}), QStringList{"close g-r5"});
    // Minutes later it is news again.
    clock.advanceSeconds(recentAlertWindow.count());
    EXPECT_EQ(raise({renamed("g-r6")}), QStringList{"close g-r6"});
}

TEST_F(AlertPacerTest, AtMostTwentyAMinuteReachTheDesktopAndEveryGameIsRaisedOrToldOf) {
    // A game of its own changes every second for three minutes.
    std::vector<double> raisedAt;
    qint64 told = 0;
    for (int second = 0; second < 180; ++second) {
        const QStringList sent = raise({changed(QString::number(second), "nba", {Kind::closeGame})});
        for (const QString& line : sent) {
            raisedAt.push_back(second);
            if (line.startsWith("more "))
                told += line.section(' ', 1, 1).toLongLong();
            else
                ++told;
        }
        clock.advanceSeconds(1);
    }
    for (std::size_t first = 0; first < raisedAt.size(); ++first) {
        const auto withinAMinute = std::count_if(raisedAt.begin() + first, raisedAt.end(),
                                                 [&](double at) { return at < raisedAt[first] + 60; });
        EXPECT_LE(withinAMinute, maxNotificationsPerMinute) << "from " << raisedAt[first] << " s";
    }
    // The games of the last seconds wait for room; all the others were raised or told of.
    EXPECT_GE(told, 180 - 60);
    EXPECT_LE(raisedAt.size(), 3u * maxNotificationsPerMinute);
}

TEST_F(AlertPacerTest, WhatFindsNoRoomIsToldOfOnceTheBudgetHasRoomAgain) {
    QList<ChangedGame> games;
    for (int i = 0; i < 10; ++i)
        games.append(changed(QString::number(i), "nba", {Kind::closeGame, Kind::overtime}));
    // Ten in each of two passes use up the minute.
    EXPECT_EQ(raise(games.mid(0, 5)).size(), 10);
    EXPECT_EQ(raise(games.mid(5, 5)).size(), 10);
    clock.advanceSeconds(1);
    EXPECT_TRUE(raise({changed("late", "nhl", {Kind::end})}).isEmpty()) << "no room within the minute";
    EXPECT_TRUE(raise({}).isEmpty());
    clock.advanceSeconds(59);
    EXPECT_EQ(raise({}), QStringList{"more 1 NHL"});
}

TEST(RecentAlertsTest, KeepsAtMostItsCapacityTheOldestGoingFirst) {
    ManualClock clock;
    RecentAlerts recent(std::chrono::seconds(600), 2);
    const auto alert = [&](const QString& id) {
        return GameAlert{Kind::closeGame,
                         withStatus(testGame(id, "nba", clock.now()), GameStatus::inProgress), std::nullopt};
    };
    for (const char* id : {"a", "b", "c"})
        recent.note(alert(id), clock.monotonicNow());
    EXPECT_FALSE(recent.readsLikeRecent(alert("a"), clock.monotonicNow()));
    EXPECT_TRUE(recent.readsLikeRecent(alert("b"), clock.monotonicNow()));
    EXPECT_TRUE(recent.readsLikeRecent(alert("c"), clock.monotonicNow()));
    clock.advanceSeconds(600);
    EXPECT_FALSE(recent.readsLikeRecent(alert("c"), clock.monotonicNow()));
}
