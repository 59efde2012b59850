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

// An AppState on fakes: nothing reaches the network, the scores service's requests wait for the test, no
// timer fires unless the clock (at 18:00 local time) is advanced, and no league is followed.
struct StubAppState {
    StubAppState() { preferences.setEnabledLeagues({}); }
    // The state's refreshes don't survive it: they end while it is still here.
    ~StubAppState() { api.cancelPending(); }

    ManualClock clock{QDateTime(QDate(2026, 3, 14), QTime(18, 0), Qt::LocalTime)};
    MemorySettingsStore settings;
    UserPreferences preferences{settings};
    CacheService cache{clock};
    FakeScoresService api{clock};
    RecordingGameNotifier notifier;
    std::unique_ptr<FakePathSource> ownedPathSource = std::make_unique<FakePathSource>();
    FakePathSource& pathSource = *ownedPathSource; // reports what the network monitor sees
    NetworkMonitor monitor{std::move(ownedPathSource)};
    AppState state{api, cache, notifier, monitor, preferences, settings, clock};
};
