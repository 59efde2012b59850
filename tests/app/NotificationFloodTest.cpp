// Hostile scoreboards against the real client, change detection and notification service over the local
// stand-in: a minute of refreshes with a reply of a thousand close games, one that repeats an id, or one
// that puts another league's live game id on a scheduled game raises about as few notifications as healthy
// replies do; so do a game flapping between two copies and games renamed on every reply; and a wave of games
// starting at once in two leagues is told in full, what does not fit in one summary.
#include "FakePathSource.h"
#include "ManualClock.h"
#include "MemorySettingsStore.h"
#include "RecordingNotifier.h"
#include "StandinProcess.h"
#include "TaskRunner.h"

#include "app/AppState.h"
#include "app/NotificationService.h"
#include "model/UserPreferences.h"
#include "service/CacheService.h"
#include "service/ESPNAPIService.h"
#include "service/NetworkMonitor.h"

#include <gtest/gtest.h>

#include <iostream>

namespace {

const QString nbaScoreboard = QStringLiteral("/apis/site/v2/sports/basketball/nba/scoreboard");
const QString nhlScoreboard = QStringLiteral("/apis/site/v2/sports/hockey/nhl/scoreboard");

QString fault(const QString& path, const QString& effect) {
    return QStringLiteral(R"({"path": "%1", %2})").arg(path, effect);
}

// A run of the real client, state and notification service over the built-in scenario, the stand-in given
// `faults`: the launch's fresh fetch, then the three timers, a second at a time. Default notification
// settings but for the favourite teams and the followed leagues.
struct StandinRun {
    QStringList faults;
    QSet<QString> leagues{QStringLiteral("nba"), QStringLiteral("nhl")};
    QSet<QString> favorites;
    bool favoritesOnly = true;
    int seconds = 60;
    // Whether the scenario's timeline moves with the clock; when not, the stand-in serves the same game
    // states throughout, as a front serving prepared replies does.
    bool scenarioMoves = true;
    bool scoreChanges = false; // off by default
};

struct Outcome {
    QList<NotificationRequest> raised;
    // The most previous states change detection kept at once, and the games held then.
    qsizetype mostPreviousStates = 0;
    qsizetype gamesHeldThen = 0;
};

Outcome runOverStandin(const StandinRun& run) {
    QStringList arguments;
    for (const QString& fault : run.faults)
        arguments << QStringLiteral("--fault") << fault;
    StandinProcess standin(QStringLiteral("default.json"), 0, arguments);
    EXPECT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock{QDateTime::currentDateTimeUtc()};
    MemorySettingsStore settings;
    UserPreferences preferences{settings};
    CacheService cache{clock};
    ESPNAPIService api{cache, clock, standin.apiBase()};
    RecordingNotifier desktop;
    NotificationService notifications{desktop, clock};
    NetworkMonitor monitor{std::make_unique<FakePathSource>()};
    preferences.setEnabledLeagues({});
    preferences.setFavoriteTeamIds(run.favorites);
    preferences.setNotifyFavoritesOnly(run.favoritesOnly);
    preferences.setNotifyScoreChange(run.scoreChanges);
    AppState state(api, cache, notifications, monitor, preferences, settings, clock);
    processPendingEvents(); // the network binding's first refresh, with no league followed yet
    preferences.setEnabledLeagues(run.leagues);

    Outcome outcome;
    const auto noteStates = [&] {
        if (state.previousGameStates().size() <= outcome.mostPreviousStates)
            return;
        outcome.mostPreviousStates = state.previousGameStates().size();
        outcome.gamesHeldThen = 0;
        for (const QList<Game>& games : state.games())
            outcome.gamesHeldThen += games.size();
    };
    EXPECT_TRUE(runToCompletion(state.freshFetch(), std::chrono::seconds(60)));
    noteStates();
    state.schedulePinnedRefresh();
    state.scheduleLeagueRefresh();
    state.scheduleFullRefresh();
    // Each timer is armed again once its refresh has returned.
    const int timers = clock.pendingCount();
    for (int second = 1; second <= run.seconds; ++second) {
        if (run.scenarioMoves)
            standin.advance(1);
        clock.advanceSeconds(1);
        processPendingEvents();
        EXPECT_TRUE(spinUntil([&] { return clock.pendingCount() == timers; }, std::chrono::seconds(60)))
            << "at " << second << " s";
        noteStates();
    }
    outcome.raised = desktop.requests;
    return outcome;
}

// The notifications raised over one minute of the built-in scenario, the NBA and the NHL followed, and one
// favourite team, the Lakers (team id "13", which the Rangers of the NHL share), whose game is live and
// close.
QList<NotificationRequest> raisedInAMinute(const QStringList& faults) {
    return runOverStandin(
               StandinRun{faults, {QStringLiteral("nba"), QStringLiteral("nhl")}, {QStringLiteral("13")}})
        .raised;
}

// The first identifiers raised, enough to tell what was raised in a failure message.
QString identifiersOf(const QList<NotificationRequest>& requests) {
    QStringList identifiers;
    for (const NotificationRequest& request : requests.first(std::min<qsizetype>(requests.size(), 12)))
        identifiers.append(request.identifier);
    return identifiers.join(QStringLiteral(", "));
}

} // namespace

TEST(NotificationFloodTest, AMinuteOfHostileRepliesRaisesAFewNotificationsAsHealthyRepliesDo) {
    const QList<NotificationRequest> healthy = raisedInAMinute({});
    const QList<NotificationRequest> closeGames =
        raisedInAMinute({fault(nbaScoreboard, QStringLiteral(R"("closeGames": 1000)"))});
    const QList<NotificationRequest> repeatedId =
        raisedInAMinute({fault(nbaScoreboard, QStringLiteral(R"("repeatedId": 200)"))});
    const QList<NotificationRequest> sharedId =
        raisedInAMinute({fault(nhlScoreboard, QStringLiteral(R"("sharedIdFrom": "basketball/nba")"))});
    std::cout << "notifications raised in 60 s: healthy " << healthy.size() << ", 1000 close games "
              << closeGames.size() << ", 200 events of one id " << repeatedId.size()
              << ", an NHL game under the NBA game's id " << sharedId.size() << std::endl;

    // The Lakers' game is close, and goes final at 60 s; the NHL game is close.
    ASSERT_GE(healthy.size(), 2) << identifiersOf(healthy).toStdString();
    // The first refresh raises ten of the thousand and logs the rest as held back; no later one raises them.
    EXPECT_LE(closeGames.size(), 10 + healthy.size()) << identifiersOf(closeGames).toStdString();
    // The first event of the id is the game.
    EXPECT_LE(repeatedId.size(), healthy.size()) << identifiersOf(repeatedId).toStdString();
    // The NBA game's alerts are raised once; the scheduled NHL game raises nothing of its own (at 60 s the
    // NBA game is final, and the NHL reply healthy again).
    EXPECT_LE(sharedId.size(), healthy.size() + 2) << identifiersOf(sharedId).toStdString();
}

namespace {

const QString boston = QStringLiteral("2");

// A minute of the Celtics' game, live and close at 97-98, as the stand-in serves it throughout, Boston the
// one favourite team, with `faults`.
Outcome aMinuteOfTheCelticsGame(const QStringList& faults) {
    StandinRun run;
    run.faults = faults;
    run.leagues = {QStringLiteral("nba")};
    run.favorites = {boston};
    run.scenarioMoves = false;
    return runOverStandin(run);
}

qsizetype countTitled(const QList<NotificationRequest>& requests, const QString& title) {
    return std::count_if(requests.cbegin(), requests.cend(),
                         [&](const NotificationRequest& request) { return request.title == title; });
}

// The summaries of the games a pass had no room for.
QList<NotificationRequest> summaries(const QList<NotificationRequest>& requests) {
    QList<NotificationRequest> found;
    for (const NotificationRequest& request : requests) {
        if (request.identifier.startsWith(QStringLiteral("more-")))
            found.append(request);
    }
    return found;
}

} // namespace

TEST(NotificationFloodTest, AGameFlappingBetweenTwoCopiesRaisesEachAlertOnce) {
    const Outcome healthy = aMinuteOfTheCelticsGame({});
    const Outcome liveAndFinal = aMinuteOfTheCelticsGame({fault(
        nbaScoreboard,
        QStringLiteral(R"("flapTo": {"state": "post", "name": "STATUS_FINAL", "shortDetail": "Final"})"))});
    const Outcome olderScore =
        aMinuteOfTheCelticsGame({fault(nbaScoreboard, QStringLiteral(R"("flapTo": {"away": "60"})"))});
    std::cout << "notifications raised in 60 s: healthy " << healthy.raised.size()
              << ", live and final in turn " << liveAndFinal.raised.size() << ", Boston at 97 and 60 in turn "
              << olderScore.raised.size() << std::endl;

    // First seen live and close.
    ASSERT_EQ(countTitled(healthy.raised, QStringLiteral("Close Game Alert")), 1)
        << identifiersOf(healthy.raised).toStdString();
    EXPECT_EQ(healthy.raised.size(), 1) << identifiersOf(healthy.raised).toStdString();
    // Its end is told once, and the close game is not raised again when the live copy comes back.
    EXPECT_EQ(countTitled(liveAndFinal.raised, QStringLiteral("Final Score")), 1)
        << identifiersOf(liveAndFinal.raised).toStdString();
    EXPECT_EQ(liveAndFinal.raised.size(), 2) << identifiersOf(liveAndFinal.raised).toStdString();
    // The older copy raises nothing, nor does the current one when it comes back.
    EXPECT_EQ(olderScore.raised.size(), 1) << identifiersOf(olderScore.raised).toStdString();
}

TEST(NotificationFloodTest, AnOlderCopysLowerScoreFollowedByTheCurrentOneIsNoNewScore) {
    StandinRun run;
    run.faults = {fault(nbaScoreboard, QStringLiteral(R"("flapTo": {"away": "60"})"))};
    run.leagues = {QStringLiteral("nba")};
    run.favorites = {boston};
    run.scenarioMoves = false;
    run.scoreChanges = true;
    const Outcome outcome = runOverStandin(run);
    std::cout << "notifications raised in 60 s with score changes on, Boston at 97 and 60 in turn: "
              << outcome.raised.size() << std::endl;
    EXPECT_EQ(countTitled(outcome.raised, QStringLiteral("BOS Scores!")), 0)
        << identifiersOf(outcome.raised).toStdString();
    EXPECT_EQ(outcome.raised.size(), 1) << identifiersOf(outcome.raised).toStdString();
}

TEST(NotificationFloodTest, GamesRenamedOnEveryReplyAreToldOnceAndKeepNoStatesOfTheirOldNames) {
    const Outcome renamed =
        aMinuteOfTheCelticsGame({fault(nbaScoreboard, QStringLiteral(R"("renumberIds": true)"))});
    StandinRun thousand;
    thousand.faults = {
        fault(nbaScoreboard, QStringLiteral(R"("closeGames": 1000, "ownTeams": true, "renumberIds": true)"))};
    thousand.leagues = {QStringLiteral("nba")};
    thousand.favorites = {boston};
    thousand.seconds = 90;
    thousand.scenarioMoves = false;
    const Outcome renamedThousand = runOverStandin(thousand);
    std::cout << "renamed on every reply: the Celtics' game " << renamed.raised.size()
              << " notifications in 60 s; 1,000 close games " << renamedThousand.raised.size()
              << " in 90 s, at most " << renamedThousand.mostPreviousStates << " previous states kept for "
              << renamedThousand.gamesHeldThen << " games held" << std::endl;

    EXPECT_EQ(countTitled(renamed.raised, QStringLiteral("Close Game Alert")), 1)
        << identifiersOf(renamed.raised).toStdString();
    // About twenty a minute reach the desktop, whatever the replies.
    EXPECT_LE(renamedThousand.raised.size(), 30) << identifiersOf(renamedThousand.raised).toStdString();
    // What was not raised is told of.
    EXPECT_FALSE(summaries(renamedThousand.raised).isEmpty());
    EXPECT_LE(renamedThousand.mostPreviousStates, renamedThousand.gamesHeldThen);
}

TEST(NotificationFloodTest, AWaveOfGamesStartingInTwoLeaguesIsToldInFullLeaguesTakingTurns) {
    StandinRun wave;
    const QString startingSix = QStringLiteral(R"("startingGames": 6, "startsAt": 20)");
    wave.faults = {fault(nbaScoreboard, startingSix), fault(nhlScoreboard, startingSix)};
    wave.favoritesOnly = false;
    wave.seconds = 90;
    const QList<NotificationRequest> raised = runOverStandin(wave).raised;
    std::cout << "six NBA and six NHL games starting at once: " << raised.size() << " notifications, "
              << summaries(raised).size() << " of them summaries" << std::endl;

    // Twelve games, each a start and a close game at 0-0: what does not fit one pass is told of.
    QSet<QString> alerted[2];
    for (const NotificationRequest& request : raised) {
        const QString league = request.userInfo.value(NotificationService::leagueIdKey);
        if (league == QStringLiteral("nba") || league == QStringLiteral("nhl"))
            alerted[league == QStringLiteral("nhl")].insert(
                request.userInfo.value(NotificationService::gameIdKey));
    }
    EXPECT_FALSE(alerted[0].isEmpty()) << identifiersOf(raised).toStdString();
    EXPECT_EQ(alerted[0].size(), alerted[1].size())
        << "the leagues take turns: " << identifiersOf(raised).toStdString();
    const QList<NotificationRequest> told = summaries(raised);
    ASSERT_EQ(told.size(), 1) << identifiersOf(raised).toStdString();
    // Written with a left-to-right mark before the count.
    const QString untold = QString::number(12 - alerted[0].size() - alerted[1].size());
    EXPECT_TRUE(told.front().title.endsWith(untold + QStringLiteral(" more games changed")))
        << told.front().title.toStdString();
    EXPECT_EQ(told.front().body.toStdString(), "NBA, NHL");
}
