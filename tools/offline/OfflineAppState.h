#pragma once

#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "platform/time/Clock.h"

#include <memory>

// An application state for previews and benchmarks: its services answer nothing and reach no network, its
// settings live in memory, so a caller can set games and pins directly and render them.
class OfflineAppState {
public:
    OfflineAppState();
    ~OfflineAppState();

    AppState& state() { return *m_state; }
    UserPreferences& preferences() { return *m_preferences; }
    ScoresService& scores();
    Clock& clock() { return Clock::system(); }

private:
    struct Services;
    std::unique_ptr<Services> m_services;
    std::unique_ptr<UserPreferences> m_preferences;
    std::unique_ptr<AppState> m_state;
};
