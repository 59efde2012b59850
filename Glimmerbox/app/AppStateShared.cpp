// The application's AppState, wired to the shared services. Kept apart so that tests link AppState
// without the real services.
#include "AppState.h"

#include "app/NotificationService.h"
#include "model/UserPreferences.h"
#include "platform/desktop/SettingsStore.h"
#include "service/CacheService.h"
#include "service/ESPNAPIService.h"
#include "service/NetworkMonitor.h"

AppState& AppState::shared() {
    // Lives for the whole run; never destroyed, so it cannot outlive the application object it talks to.
    static AppState* const state = new AppState(
        ESPNAPIService::shared(), CacheService::shared(), NotificationService::shared(),
        NetworkMonitor::shared(), UserPreferences::shared(), SettingsStore::standard(), Clock::system());
    return *state;
}
