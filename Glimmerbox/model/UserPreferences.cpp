#include "UserPreferences.h"

UserPreferences::UserPreferences(SettingsStore& store, QObject* parent) : QObject(parent), m_store(store) {}

UserPreferences& UserPreferences::shared() {
    static UserPreferences* instance = new UserPreferences(SettingsStore::standard());
    return *instance;
}

void UserPreferences::save() {}

template <typename T, typename Signal>
void UserPreferences::assign(T& member, const T& value, Signal changed) {
    emit objectWillChange();
    member = value;
    emit(this->*changed)(member);
}

void UserPreferences::setLaunchAtLogin(bool value) {
    assign(m_launchAtLogin, value, &UserPreferences::launchAtLoginChanged);
}
void UserPreferences::setShowInDock(bool value) {
    assign(m_showInDock, value, &UserPreferences::showInDockChanged);
}
void UserPreferences::setMenuBarDisplayMode(MenuBarDisplayMode value) {
    assign(m_menuBarDisplayMode, value, &UserPreferences::menuBarDisplayModeChanged);
}
void UserPreferences::setHideWhenNoGames(bool value) {
    assign(m_hideWhenNoGames, value, &UserPreferences::hideWhenNoGamesChanged);
}
void UserPreferences::setEnabledLeagues(const QSet<QString>& value) {
    assign(m_enabledLeagues, value, &UserPreferences::enabledLeaguesChanged);
}
void UserPreferences::setFavoriteTeamIds(const QSet<QString>& value) {
    assign(m_favoriteTeamIds, value, &UserPreferences::favoriteTeamIdsChanged);
}
void UserPreferences::setMaxPinnedGames(qint64 value) {
    assign(m_maxPinnedGames, value, &UserPreferences::maxPinnedGamesChanged);
}
void UserPreferences::setAutoFollowFavorites(bool value) {
    assign(m_autoFollowFavorites, value, &UserPreferences::autoFollowFavoritesChanged);
}
void UserPreferences::setRefreshInterval(double value) {
    assign(m_refreshInterval, value, &UserPreferences::refreshIntervalChanged);
}
void UserPreferences::setFasterRefreshWhenLive(bool value) {
    assign(m_fasterRefreshWhenLive, value, &UserPreferences::fasterRefreshWhenLiveChanged);
}
void UserPreferences::setLiveRefreshInterval(double value) {
    assign(m_liveRefreshInterval, value, &UserPreferences::liveRefreshIntervalChanged);
}
void UserPreferences::setNotificationsEnabled(bool value) {
    assign(m_notificationsEnabled, value, &UserPreferences::notificationsEnabledChanged);
}
void UserPreferences::setNotifyGameStart(bool value) {
    assign(m_notifyGameStart, value, &UserPreferences::notifyGameStartChanged);
}
void UserPreferences::setNotifyGameEnd(bool value) {
    assign(m_notifyGameEnd, value, &UserPreferences::notifyGameEndChanged);
}
void UserPreferences::setNotifyScoreChange(bool value) {
    assign(m_notifyScoreChange, value, &UserPreferences::notifyScoreChangeChanged);
}
void UserPreferences::setNotifyCloseGame(bool value) {
    assign(m_notifyCloseGame, value, &UserPreferences::notifyCloseGameChanged);
}
void UserPreferences::setCloseGameThreshold(qint64 value) {
    assign(m_closeGameThreshold, value, &UserPreferences::closeGameThresholdChanged);
}
void UserPreferences::setNotifyOvertime(bool value) {
    assign(m_notifyOvertime, value, &UserPreferences::notifyOvertimeChanged);
}
void UserPreferences::setNotifyFavoritesOnly(bool value) {
    assign(m_notifyFavoritesOnly, value, &UserPreferences::notifyFavoritesOnlyChanged);
}
void UserPreferences::setQuietHoursEnabled(bool value) {
    assign(m_quietHoursEnabled, value, &UserPreferences::quietHoursEnabledChanged);
}
void UserPreferences::setQuietHoursStart(const QDateTime& value) {
    assign(m_quietHoursStart, value, &UserPreferences::quietHoursStartChanged);
}
void UserPreferences::setQuietHoursEnd(const QDateTime& value) {
    assign(m_quietHoursEnd, value, &UserPreferences::quietHoursEndChanged);
}
void UserPreferences::setShowTeamLogos(bool value) {
    assign(m_showTeamLogos, value, &UserPreferences::showTeamLogosChanged);
}
void UserPreferences::setShowTeamColors(bool value) {
    assign(m_showTeamColors, value, &UserPreferences::showTeamColorsChanged);
}
void UserPreferences::setCompactMode(bool value) {
    assign(m_compactMode, value, &UserPreferences::compactModeChanged);
}
void UserPreferences::setUseNotch(bool value) {
    assign(m_useNotch, value, &UserPreferences::useNotchChanged);
}
void UserPreferences::setNotchExpandOnHover(bool value) {
    assign(m_notchExpandOnHover, value, &UserPreferences::notchExpandOnHoverChanged);
}
void UserPreferences::setFocusModeEnabled(bool value) {
    assign(m_focusModeEnabled, value, &UserPreferences::focusModeEnabledChanged);
}
void UserPreferences::setHideScoresDuringScreenShare(bool value) {
    assign(m_hideScoresDuringScreenShare, value, &UserPreferences::hideScoresDuringScreenShareChanged);
}
void UserPreferences::setSpoilerFreeMode(bool value) {
    assign(m_spoilerFreeMode, value, &UserPreferences::spoilerFreeModeChanged);
}
void UserPreferences::setSpoilerFreeTeamIds(const QSet<QString>& value) {
    assign(m_spoilerFreeTeamIds, value, &UserPreferences::spoilerFreeTeamIdsChanged);
}
void UserPreferences::setCalendarSyncEnabled(bool value) {
    assign(m_calendarSyncEnabled, value, &UserPreferences::calendarSyncEnabledChanged);
}
void UserPreferences::setCalendarIdentifier(const std::optional<QString>& value) {
    assign(m_calendarIdentifier, value, &UserPreferences::calendarIdentifierChanged);
}
void UserPreferences::setAddGameReminders(bool value) {
    assign(m_addGameReminders, value, &UserPreferences::addGameRemindersChanged);
}
void UserPreferences::setReminderMinutesBefore(qint64 value) {
    assign(m_reminderMinutesBefore, value, &UserPreferences::reminderMinutesBeforeChanged);
}
void UserPreferences::setBusyMode(bool value) {
    assign(m_busyMode, value, &UserPreferences::busyModeChanged);
}
void UserPreferences::setCacheExpirationHours(qint64 value) {
    assign(m_cacheExpirationHours, value, &UserPreferences::cacheExpirationHoursChanged);
}
void UserPreferences::setDebugMode(bool value) {
    assign(m_debugMode, value, &UserPreferences::debugModeChanged);
}
