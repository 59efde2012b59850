#pragma once

#include <functional>

class AppState;
class ScoresService;
class UserPreferences;

// What the popover's views work with: the application state they list and change, the scores service
// that the detail sheets load from, the settings they read, and how to open the settings window.
struct PopoverServices {
    AppState& appState;
    ScoresService& scores;
    UserPreferences& preferences;
    std::function<void()> showSettings;
};
