// Hostile scoreboards against the real client, change detection and notification service over the local
// stand-in: a minute of refreshes with a reply of a thousand close games, one that repeats an id, or one
// that puts another league's live game id on a scheduled game raises about as few notifications as healthy
// replies do.
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

// The notifications raised over one minute of the built-in scenario, the stand-in given `faults`: the
// launch's fresh fetch, then the three timers. Default notification settings, the NBA and the NHL followed,
// and one favourite team, the Lakers (team id "13", which the Rangers of the NHL share), whose game is live
// and close.
QList<NotificationRequest> raisedInAMinute(const QStringList& faults) {
    QStringList arguments;
    for (const QString& fault : faults)
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
    preferences.setFavoriteTeamIds({QStringLiteral("13")});
    AppState state(api, cache, notifications, monitor, preferences, settings, clock);
    processPendingEvents(); // the network binding's first refresh, with no league followed yet
    preferences.setEnabledLeagues({QStringLiteral("nba"), QStringLiteral("nhl")});

    EXPECT_TRUE(runToCompletion(state.freshFetch(), std::chrono::seconds(60)));
    state.schedulePinnedRefresh();
    state.scheduleLeagueRefresh();
    state.scheduleFullRefresh();
    // Each timer is armed again once its refresh has returned.
    const int timers = clock.pendingCount();
    for (int second = 1; second <= 60; ++second) {
        standin.advance(1);
        clock.advanceSeconds(1);
        processPendingEvents();
        EXPECT_TRUE(spinUntil([&] { return clock.pendingCount() == timers; }, std::chrono::seconds(60)))
            << "at " << second << " s";
    }
    return desktop.requests;
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
