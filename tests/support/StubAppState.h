#pragma once

#include "FakePathSource.h"
#include "FakeScoresService.h"
#include "ManualClock.h"
#include "MemorySettingsStore.h"
#include "RecordingGameNotifier.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "service/CacheService.h"
#include "service/NetworkMonitor.h"

#include <memory>

// An AppState on fakes for view tests that only need one to exist: nothing reaches the network, no timer
// fires unless the clock is advanced, and no league is followed.
struct StubAppState {
    StubAppState() { preferences.setEnabledLeagues({}); }

    ManualClock clock;
    MemorySettingsStore settings;
    UserPreferences preferences{settings};
    CacheService cache{clock};
    FakeScoresService api;
    RecordingGameNotifier notifier;
    NetworkMonitor monitor{std::make_unique<FakePathSource>()};
    AppState state{api, cache, notifier, monitor, preferences, settings, clock};
};
