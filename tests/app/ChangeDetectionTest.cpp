// Change detection: which transitions send which notification, in which order, and when nothing is sent.
#include "AppStateFixture.h"
#include "LogCapture.h"

#include "app/GameChangeRules.h"

class ChangeDetectionTest : public AppStateFixture {
protected:
    // One pass over `games` (all in the NBA), returning what it sent.
    QStringList passOver(const QList<Game>& games) {
        notifier.clear();
        state.setLeagueGames("nba", games);
        EXPECT_TRUE(runToCompletion(state.checkForGameChanges()));
        return notifier.log();
    }
    // Two passes over a game first seen as `before`, then as `after`; what the second one sent.
    QStringList transition(const Game& before, const Game& after) {
        passOver({}); // forgets how far the game was seen to go
        passOver({before});
        return passOver({after});
    }
    Game gameAt(GameStatus status, qint64 home = 0, qint64 away = 0,
                std::optional<QString> period = {}) const {
        return withStatus(game("g"), status, home, away, std::move(period));
    }

    static QDateTime localTime(int hour, int minute) {
        return QDateTime(QDate(2026, 3, 14), QTime(hour, minute), Qt::LocalTime);
    }
    void setQuietHours(int startHour, int endHour) {
        preferences.setQuietHoursEnabled(true);
        preferences.setQuietHoursStart(QDateTime(QDate(2001, 1, 1), QTime(startHour, 0, 30), Qt::LocalTime));
        preferences.setQuietHoursEnd(QDateTime(QDate(2001, 1, 1), QTime(endHour, 0, 45), Qt::LocalTime));
    }
    bool quietAt(int hour, int minute) const { return isInQuietHours(preferences, localTime(hour, minute)); }
};

// --- Gates ---

TEST_F(ChangeDetectionTest, NotificationsOffSendNothingAndKeepNoCopiesAndEachKindHasItsOwnSwitch) {
    preferences.setNotificationsEnabled(false);
    EXPECT_TRUE(passOver({gameAt(inProgress, 3, 0)}).isEmpty());
    EXPECT_TRUE(state.previousGameStates().isEmpty());

    preferences.setNotificationsEnabled(true);
    preferences.setNotifyGameStart(false);
    preferences.setNotifyCloseGame(false);
    preferences.setNotifyOvertime(false);
    EXPECT_EQ(transition(gameAt(scheduled), gameAt(inProgress, 1, 0, "OT")), QStringList{"score g"});
}

TEST_F(ChangeDetectionTest, QuietHoursAcrossMidnightWithinADayAndWithStartEqualToEnd) {
    struct Case {
        int start, end, hour, minute;
        bool quiet;
    };
    for (const Case& c : {Case{22, 8, 7, 59, true}, Case{22, 8, 8, 0, false}, Case{22, 8, 21, 59, false},
                          Case{22, 8, 22, 0, true}, Case{9, 17, 9, 0, true}, Case{9, 17, 16, 59, true},
                          Case{9, 17, 17, 0, false}, Case{9, 17, 8, 59, false}, Case{12, 12, 12, 0, true},
                          Case{12, 12, 11, 59, true}}) {
        SCOPED_TRACE(
            QString("%1-%2 at %3:%4").arg(c.start).arg(c.end).arg(c.hour).arg(c.minute).toStdString());
        setQuietHours(c.start, c.end);
        EXPECT_EQ(quietAt(c.hour, c.minute), c.quiet);
    }
    preferences.setQuietHoursEnabled(false);
    EXPECT_FALSE(quietAt(12, 0));

    // A start during quiet hours is reported when they end.
    passOver({gameAt(scheduled)});
    setQuietHours(18, 19); // the clock stands at 18:00
    EXPECT_TRUE(passOver({gameAt(inProgress, 0, 0)}).isEmpty());
    EXPECT_EQ(state.previousGameStates().value(GameKey{"nba", "g"}).status, scheduled);
    clock.setNow(localTime(19, 0));
    EXPECT_EQ(passOver({gameAt(inProgress, 0, 0)}), (QStringList{"start g", "close g"}));
}

TEST_F(ChangeDetectionTest, FavouritesOnlyExaminesGamesOfFavouriteTeams) {
    preferences.setNotifyFavoritesOnly(true);
    EXPECT_TRUE(passOver({gameAt(inProgress, 1, 0)}).isEmpty());
    EXPECT_TRUE(state.previousGameStates().isEmpty()) << "no favourite team: nothing examined";

    Game awayFavourite = withStatus(game("away"), inProgress, 1, 0);
    awayFavourite.awayTeam.id = "fav";
    preferences.setFavoriteTeamIds({"fav"});
    EXPECT_EQ(passOver({gameAt(inProgress, 1, 0), awayFavourite}), QStringList{"close away"});
}

// --- The five kinds ---

TEST_F(ChangeDetectionTest, EachKindIsSentOnceInTheOrderStartEndScoreCloseOvertime) {
    Game starting = withStatus(game("a"), scheduled);
    Game ending = withStatus(game("b"), endOfPeriod, 90, 80);
    passOver({starting, ending});

    Game started = withStatus(game("a"), inProgress, 3, 0, "OT");
    Game ended = withStatus(game("b"), final_, 90, 80);
    EXPECT_EQ(passOver({started, ended}),
              (QStringList{"start a", "score a", "close a", "overtime a", "end b"}));
    EXPECT_TRUE(passOver({started, ended}).isEmpty()) << "nothing changed since the last pass";
}

TEST_F(ChangeDetectionTest, StartAndEndNeedTheRightTransitionAndAGoalessStartIsClose) {
    EXPECT_TRUE(transition(gameAt(scheduled), gameAt(halftime, 0, 50)).filter("start").isEmpty());
    EXPECT_TRUE(transition(gameAt(delayed), gameAt(inProgress, 0, 50)).filter("start").isEmpty());
    EXPECT_TRUE(transition(gameAt(scheduled), gameAt(final_)).isEmpty());
    EXPECT_TRUE(transition(gameAt(delayed), gameAt(final_)).isEmpty());
    EXPECT_EQ(transition(gameAt(halftime, 50, 0), gameAt(final_, 50, 0)), QStringList{"end g"});
    // A goalless start is also close, but no score change.
    EXPECT_EQ(transition(gameAt(scheduled), gameAt(inProgress)), (QStringList{"start g", "close g"}));
}

TEST_F(ChangeDetectionTest, CloseGameMarginIsSevenAndReportedOnceWhileClose) {
    preferences.setNotifyScoreChange(false);
    preferences.setCloseGameThreshold(3); // not consulted
    EXPECT_EQ(transition(gameAt(inProgress, 21, 7), gameAt(inProgress, 21, 14)), QStringList{"close g"});
    EXPECT_TRUE(transition(gameAt(inProgress, 21, 7), gameAt(inProgress, 21, 13)).isEmpty());
    EXPECT_TRUE(transition(gameAt(inProgress, 17, 14), gameAt(inProgress, 21, 14)).isEmpty());
}

TEST_F(ChangeDetectionTest, ScoreChangeOnlyForLiveGamesWhoseScoreMoved) {
    preferences.setNotifyCloseGame(false);
    EXPECT_TRUE(transition(gameAt(inProgress, 20, 0), gameAt(inProgress, 20, 0)).isEmpty());
    EXPECT_TRUE(transition(gameAt(inProgress, 20, 0), gameAt(final_, 21, 0)).filter("score").isEmpty());
    EXPECT_EQ(transition(gameAt(inProgress, 20, 0), gameAt(inProgress, 20, 3)), QStringList{"score g"});
    ASSERT_TRUE(notifier.sent.front().previous.has_value());
    EXPECT_EQ(notifier.sent.front().previous->awayScore, 0);
}

// --- Overtime: a live game whose period names overtime as a word ---

TEST_F(ChangeDetectionTest, OvertimeIsAnOvertimeWordInTheLivePeriod) {
    for (const char* period : {"OT", "ot", "2OT", "3OT", "OT2", "Overtime", "1st OT", "Q4/OT"})
        EXPECT_TRUE(periodNamesOvertime(period)) << period;
    for (const char* period : {"Bot 5th", "Top 9th", "4th", "Shootout", "Bottom", "Total", ""})
        EXPECT_FALSE(periodNamesOvertime(period)) << period;
}

TEST_F(ChangeDetectionTest, GoingToOvertimeIsReportedOnceAndOnlyForALiveGame) {
    preferences.setNotifyCloseGame(false);
    preferences.setNotifyScoreChange(false);
    EXPECT_EQ(transition(gameAt(endOfPeriod, 99, 99, "4th"), gameAt(inProgress, 99, 99, "OT")),
              QStringList{"overtime g"});
    EXPECT_TRUE(passOver({gameAt(inProgress, 101, 99, "2OT")}).isEmpty());
    // Ended in overtime after being seen live in it: the end only.
    EXPECT_EQ(passOver({gameAt(final_, 101, 99, "Final/OT")}), QStringList{"end g"});
    // A baseball bottom inning is no overtime.
    EXPECT_TRUE(
        transition(gameAt(inProgress, 2, 1, "Top 5th"), gameAt(inProgress, 2, 1, "Bot 5th")).isEmpty());
    // First sightings: a game that finished in overtime is not going to overtime; one still live in it is.
    EXPECT_TRUE(passOver({withStatus(game("f"), final_, 3, 2, "Final/OT")}).isEmpty());
    EXPECT_EQ(passOver({withStatus(game("h"), inProgress, 1, 1, "OT")}), QStringList{"overtime h"});
}

// --- Copies out of step: an older copy served between current ones ---

TEST_F(ChangeDetectionTest, AGameFlappingBetweenLiveAndFinalEndsOnceAndIsNotCloseAgain) {
    const Game live = gameAt(inProgress, 98, 97, "4th");
    const Game final = gameAt(final_, 98, 97, "Final");
    EXPECT_EQ(passOver({live}), QStringList{"close g"});
    EXPECT_EQ(passOver({final}), QStringList{"end g"});
    for (int flap = 0; flap < 3; ++flap) {
        EXPECT_TRUE(passOver({live}).isEmpty()) << "flap " << flap;
        EXPECT_TRUE(passOver({final}).isEmpty()) << "flap " << flap;
    }
}

TEST_F(ChangeDetectionTest, AnOlderCopysLowerScoreRaisesNothingAndNeitherDoesTheCurrentOneComingBack) {
    const Game current = gameAt(inProgress, 98, 97, "4th");
    const Game older = gameAt(inProgress, 98, 60, "3rd");
    EXPECT_EQ(passOver({current}), QStringList{"close g"});
    for (int flap = 0; flap < 3; ++flap) {
        EXPECT_TRUE(passOver({older}).isEmpty()) << "flap " << flap;
        EXPECT_TRUE(passOver({current}).isEmpty()) << "flap " << flap;
    }
    // A basket after that is told against the highest score seen: Boston scored.
    EXPECT_EQ(passOver({older}), QStringList{});
    EXPECT_EQ(passOver({gameAt(inProgress, 98, 100, "4th")}), QStringList{"score g"});
    ASSERT_TRUE(notifier.sent.front().previous.has_value());
    EXPECT_EQ(notifier.sent.front().previous->awayScore, 97);
    EXPECT_EQ(notifier.sent.front().previous->homeScore, 98);
}

TEST_F(ChangeDetectionTest, AGameThatTrulyLeavesCloseAndComesBackIsCloseAgainButNotThroughAnOlderCopy) {
    preferences.setNotifyScoreChange(false);
    EXPECT_EQ(passOver({gameAt(inProgress, 100, 97)}), QStringList{"close g"});
    EXPECT_TRUE(passOver({gameAt(inProgress, 110, 97)}).isEmpty());
    EXPECT_TRUE(passOver({gameAt(inProgress, 100, 97)}).isEmpty()) << "an older copy, close";
    EXPECT_TRUE(passOver({gameAt(inProgress, 110, 97)}).isEmpty());
    EXPECT_EQ(passOver({gameAt(inProgress, 110, 105)}), QStringList{"close g"});
}

TEST_F(ChangeDetectionTest, OvertimeAndAStartAreToldOnceWhateverCopiesComeBetween) {
    preferences.setNotifyCloseGame(false);
    EXPECT_TRUE(passOver({gameAt(scheduled)}).isEmpty());
    EXPECT_EQ(passOver({gameAt(inProgress, 2, 0)}), (QStringList{"start g", "score g"}));
    EXPECT_TRUE(passOver({gameAt(scheduled)}).isEmpty());
    EXPECT_TRUE(passOver({gameAt(inProgress, 2, 0)}).isEmpty());
    EXPECT_EQ(passOver({gameAt(inProgress, 99, 99, "OT")}), (QStringList{"score g", "overtime g"}));
    EXPECT_TRUE(passOver({gameAt(endOfPeriod, 99, 99, "4th")}).isEmpty());
    EXPECT_TRUE(passOver({gameAt(inProgress, 99, 99, "OT")}).isEmpty());
}

TEST_F(ChangeDetectionTest, AScoreCorrectedDownwardsStaysSilentUntilTheScorePassesTheHighestSeen) {
    preferences.setNotifyCloseGame(false);
    passOver({gameAt(inProgress, 20, 0)});
    EXPECT_TRUE(passOver({gameAt(inProgress, 18, 0)}).isEmpty());
    EXPECT_TRUE(passOver({gameAt(inProgress, 20, 0)}).isEmpty());
    EXPECT_EQ(passOver({gameAt(inProgress, 22, 0)}), QStringList{"score g"});
}

TEST_F(ChangeDetectionTest, WhatIsKeptOfGamesNoLongerHeldIsDroppedAtEveryPass) {
    QList<Game> renamed;
    for (int reply = 0; reply < 5; ++reply) {
        renamed = {withStatus(game(QString("g-r%1").arg(reply)), inProgress, 1, 0), game("steady")};
        passOver(renamed);
        EXPECT_EQ(state.previousGameStates().size(), 2) << "reply " << reply;
    }
    EXPECT_TRUE(state.previousGameStates().contains(GameKey{"nba", "g-r4"}));
}

// --- Replies that name many games, or one id twice ---

TEST_F(ChangeDetectionTest, AGameIsComparedOnlyWithItsOwnLeaguesCopyOfItsId) {
    // A hockey game under the id of a live basketball game: each keeps its own previous copy.
    const auto passOverBoth = [&](const Game& basketball, const Game& hockey) {
        notifier.clear();
        state.setGames({{"nba", {basketball}}, {"nhl", {hockey}}});
        EXPECT_TRUE(runToCompletion(state.checkForGameChanges()));
        return notifier.log();
    };
    const Game basketball = withStatus(game("g"), inProgress, 98, 97, "4th");
    const Game hockey = withStatus(game("g", "nhl"), scheduled);
    EXPECT_EQ(passOverBoth(basketball, hockey), QStringList{"close g"});
    for (int pass = 0; pass < 3; ++pass)
        EXPECT_TRUE(passOverBoth(basketball, hockey).isEmpty()) << "pass " << pass;
    EXPECT_EQ(state.previousGameStates().value(GameKey{"nba", "g"}).status, inProgress);
    EXPECT_EQ(state.previousGameStates().value(GameKey{"nhl", "g"}).status, scheduled);
    // Its own change is still reported.
    EXPECT_EQ(passOverBoth(basketball, withStatus(game("g", "nhl"), inProgress, 1, 0)),
              (QStringList{"start g", "score g", "close g"}));
}

TEST_F(ChangeDetectionTest, OnePassRaisesTenAndTellsOfTheGamesItHadNoRoomForWhichNoLaterPassRaises) {
    QList<Game> scheduledGames, started;
    for (int i = 0; i < 25; ++i) {
        scheduledGames.append(withStatus(game(QString::number(i)), scheduled));
        started.append(withStatus(game(QString::number(i)), inProgress, 1, 0));
    }
    passOver(scheduledGames);
    // Each started game is a start, a score and a close game: 75 in all; three games fit beside the summary.
    LogCapture log;
    EXPECT_EQ(passOver(started), (QStringList{"start 0", "score 0", "close 0", "start 1", "score 1",
                                              "close 1", "start 2", "score 2", "close 2", "more 22 NBA"}));
    EXPECT_EQ(log.matching("Held back"),
              QStringList{"warning Notifications: Held back 66 notifications of one refresh"});
    EXPECT_TRUE(passOver(started).isEmpty()) << "what was told of is not raised later";
    EXPECT_EQ(log.matching("Held back").size(), 1);
    // Changes after that are raised again.
    started.last() = withStatus(game("24"), final_, 1, 0);
    EXPECT_EQ(passOver(started), QStringList{"end 24"});
}
