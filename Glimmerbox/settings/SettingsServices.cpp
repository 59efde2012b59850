#include "SettingsServices.h"

#include "CalendarService.h"
#include "model/UserPreferences.h"
#include "platform/desktop/Autostart.h"
#include "platform/desktop/Updater.h"
#include "service/CacheService.h"

SettingsServices SettingsServices::shared(AppState& appState) {
    static Autostart autostart = Autostart::forCurrentUser();
    return {appState,          UserPreferences::shared(), autostart,
            Updater::shared(), CacheService::shared(),    CalendarService::shared()};
}
