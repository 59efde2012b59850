#pragma once

class AppState;
class Autostart;
class CacheService;
class CalendarService;
class Updater;
class UserPreferences;

// What the settings window works with; the application passes its shared instances, tests pass their own.
struct SettingsServices {
    AppState& appState;
    UserPreferences& prefs;
    Autostart& autostart;
    Updater& updater;
    CacheService& cache;
    CalendarService& calendar;

    // The application's instances, for the given application state.
    static SettingsServices shared(AppState& appState);
};
