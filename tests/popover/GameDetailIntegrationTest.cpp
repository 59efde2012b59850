// The detail model against the real scores client and the local stand-in service.
#include "FakePathSource.h"
#include "ManualClock.h"
#include "MemorySettingsStore.h"
#include "RecordingGameNotifier.h"
#include "StandinProcess.h"
#include "TaskRunner.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "popover/GameDetailViewModel.h"
#include "service/CacheService.h"
#include "service/ESPNAPIService.h"
#include "service/NetworkMonitor.h"

#include <gtest/gtest.h>

TEST(GameDetailIntegrationTest, ASummaryOfTheScenarioBringsLeadersAndPlays) {
    StandinProcess standin;
    ASSERT_TRUE(standin.isRunning()) << standin.startupError().toStdString();
    ManualClock clock{QDateTime::currentDateTimeUtc()};
    MemorySettingsStore settings;
    UserPreferences preferences{settings};
    preferences.setEnabledLeagues({"nfl"});
    preferences.setNotificationsEnabled(false);
    CacheService cache{clock};
    ESPNAPIService api{cache, clock, standin.apiBase()};
    RecordingGameNotifier notifier;
    NetworkMonitor monitor{std::make_unique<FakePathSource>()};
    AppState state(api, cache, notifier, monitor, preferences, settings, clock);
    ASSERT_TRUE(runToCompletion(state.freshFetch()));

    // The scenario's NFL game, late in the 4th quarter.
    GameDetailViewModel model("401820001", state, api);
    ASSERT_TRUE(runToCompletion(model.loadGameDetail()));
    ASSERT_FALSE(model.error()) << model.error()->errorDescription().toStdString();
    ASSERT_TRUE(model.gameDetail());
    ASSERT_TRUE(model.gameDetail()->leaders);
    EXPECT_FALSE(model.gameDetail()->leaders->homeLeaders.isEmpty());
    EXPECT_FALSE(model.playByPlay().isEmpty());
    ASSERT_TRUE(model.game());
    EXPECT_EQ(model.game()->league.id, "nfl");
    EXPECT_TRUE(model.game()->homeTeam.logoURL);
    EXPECT_EQ(standin.requestCount("/apis/site/v2/sports/football/nfl/summary?event=401820001"), 1);
    processPendingEvents();
}
