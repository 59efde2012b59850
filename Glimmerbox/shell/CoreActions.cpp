#include "CoreActions.h"

#include "app/AppState.h"
#include "app/GameNotifier.h"

AppStateCoreActions::AppStateCoreActions(AppState& appState, GameNotifier& notifier, QObject* parent)
    : CoreActions(parent), m_appState(appState), m_notifier(notifier) {
    connect(&m_appState, &AppState::pinnedGamesChanged, this, &CoreActions::pinnedGamesChanged);
    connect(&m_appState, &AppState::isNetworkAvailableChanged, this, &CoreActions::isNetworkAvailableChanged);
}

QCoro::Task<> AppStateCoreActions::registerCategories() {
    m_notifier.registerCategories();
    co_return;
}

QCoro::Task<> AppStateCoreActions::freshFetch() {
    return m_appState.freshFetch();
}
QCoro::Task<> AppStateCoreActions::refreshLeagues() {
    return m_appState.refreshLeagues();
}
QCoro::Task<> AppStateCoreActions::loadAllTeams() {
    return m_appState.loadAllTeams();
}
void AppStateCoreActions::schedulePinnedRefresh() {
    m_appState.schedulePinnedRefresh();
}
void AppStateCoreActions::scheduleLeagueRefresh() {
    m_appState.scheduleLeagueRefresh();
}
void AppStateCoreActions::scheduleFullRefresh() {
    m_appState.scheduleFullRefresh();
}
