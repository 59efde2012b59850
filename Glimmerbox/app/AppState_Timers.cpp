// The three self-rearming refresh timers and the binding to the network monitor.
#include "AppState.h"

#include "model/UserPreferences.h"
#include "service/NetworkMonitor.h"

#include <QPointer>

#include <algorithm>

namespace {

// The body of a timer's task: the refresh, then the re-arming, so that a timer's period is its interval
// plus the time its refresh took. Does nothing once the state is gone.
QCoro::Task<> refreshThenReschedule(QPointer<AppState> state, QCoro::Task<> (AppState::*refresh)(),
                                    void (AppState::*reschedule)()) {
    AppState* self = state.data();
    if (!self)
        co_return;
    co_await (self->*refresh)();
    if (state)
        (self->*reschedule)();
}

QCoro::Task<> refreshOnNetwork(QPointer<AppState> state) {
    if (state)
        co_await state->refreshLeagues();
}

} // namespace

void AppState::launchRefreshTask(Refresh refresh, Reschedule reschedule) {
    // The task runs detached; QCoro frees it when it finishes.
    refreshThenReschedule(QPointer<AppState>(this), refresh, reschedule);
}

ClockTimerPtr AppState::armTimer(double seconds, Refresh refresh, Reschedule reschedule) {
    // The timer only queues the task: it starts on the next event-loop turn, after the timer's own callback
    // has returned, so the task may replace the timer that started it.
    return m_clock.singleShot(secondsToMilliseconds(seconds), this, [this, refresh, reschedule] {
        QMetaObject::invokeMethod(
            this, [this, refresh, reschedule] { launchRefreshTask(refresh, reschedule); },
            Qt::QueuedConnection);
    });
}

void AppState::schedulePinnedRefresh() {
    m_pinnedRefreshTimer.reset();
    if (m_pinnedGames.isEmpty())
        return;
    const bool anyLive = std::any_of(m_pinnedGames.cbegin(), m_pinnedGames.cend(),
                                     [](const Game& game) { return game.isLive(); });
    m_pinnedRefreshTimer = armTimer(anyLive ? pinnedLiveInterval : pinnedIdleInterval,
                                    &AppState::refreshPinnedGames, &AppState::schedulePinnedRefresh);
}

void AppState::scheduleLeagueRefresh() {
    m_leagueRefreshTimer.reset();
    if (m_preferences.enabledLeagues().isEmpty())
        return;
    m_leagueRefreshTimer =
        armTimer(leagueRefreshInterval, &AppState::refreshLeagues, &AppState::scheduleLeagueRefresh);
}

void AppState::scheduleFullRefresh() {
    m_fullRefreshTimer.reset();
    m_fullRefreshTimer = armTimer(fullRefreshInterval, &AppState::freshFetch, &AppState::scheduleFullRefresh);
}

void AppState::setupNetworkMonitoring() {
    // Values arrive on a later event-loop turn, the one current now included; repeats are not filtered.
    connect(&m_networkMonitor, &NetworkMonitor::isConnectedChanged, this, &AppState::applyNetworkValue,
            Qt::QueuedConnection);
    const bool current = m_networkMonitor.isConnected();
    QMetaObject::invokeMethod(
        this, [this, current] { applyNetworkValue(current); }, Qt::QueuedConnection);
}

void AppState::applyNetworkValue(bool isConnected) {
    setIsNetworkAvailable(isConnected);
    if (isConnected)
        refreshOnNetwork(QPointer<AppState>(this));
}
