#pragma once

#include "model/MenuBarDisplayMode.h"
#include "platform/desktop/SettingsStore.h"
#include "platform/time/Clock.h"

#include <QDateTime>
#include <QJsonObject>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>

// The user's settings, one observable object. Every assignment emits objectWillChange() first, then stores
// the value and emits the setting's own change signal, equal values included. The settings are loaded once
// at creation and written back only by save(), as one JSON document under `storageKey`.
class UserPreferences : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool launchAtLogin READ launchAtLogin WRITE setLaunchAtLogin NOTIFY launchAtLoginChanged)
    Q_PROPERTY(bool showInDock READ showInDock WRITE setShowInDock NOTIFY showInDockChanged)
    Q_PROPERTY(MenuBarDisplayMode menuBarDisplayMode READ menuBarDisplayMode WRITE setMenuBarDisplayMode
                   NOTIFY menuBarDisplayModeChanged)
    Q_PROPERTY(
        bool hideWhenNoGames READ hideWhenNoGames WRITE setHideWhenNoGames NOTIFY hideWhenNoGamesChanged)
    Q_PROPERTY(
        QSet<QString> enabledLeagues READ enabledLeagues WRITE setEnabledLeagues NOTIFY enabledLeaguesChanged)
    Q_PROPERTY(QSet<QString> favoriteTeamIds READ favoriteTeamIds WRITE setFavoriteTeamIds NOTIFY
                   favoriteTeamIdsChanged)
    Q_PROPERTY(qint64 maxPinnedGames READ maxPinnedGames WRITE setMaxPinnedGames NOTIFY maxPinnedGamesChanged)
    Q_PROPERTY(bool autoFollowFavorites READ autoFollowFavorites WRITE setAutoFollowFavorites NOTIFY
                   autoFollowFavoritesChanged)
    Q_PROPERTY(
        double refreshInterval READ refreshInterval WRITE setRefreshInterval NOTIFY refreshIntervalChanged)
    Q_PROPERTY(bool fasterRefreshWhenLive READ fasterRefreshWhenLive WRITE setFasterRefreshWhenLive NOTIFY
                   fasterRefreshWhenLiveChanged)
    Q_PROPERTY(double liveRefreshInterval READ liveRefreshInterval WRITE setLiveRefreshInterval NOTIFY
                   liveRefreshIntervalChanged)
    Q_PROPERTY(bool notificationsEnabled READ notificationsEnabled WRITE setNotificationsEnabled NOTIFY
                   notificationsEnabledChanged)
    Q_PROPERTY(
        bool notifyGameStart READ notifyGameStart WRITE setNotifyGameStart NOTIFY notifyGameStartChanged)
    Q_PROPERTY(bool notifyGameEnd READ notifyGameEnd WRITE setNotifyGameEnd NOTIFY notifyGameEndChanged)
    Q_PROPERTY(bool notifyScoreChange READ notifyScoreChange WRITE setNotifyScoreChange NOTIFY
                   notifyScoreChangeChanged)
    Q_PROPERTY(
        bool notifyCloseGame READ notifyCloseGame WRITE setNotifyCloseGame NOTIFY notifyCloseGameChanged)
    Q_PROPERTY(qint64 closeGameThreshold READ closeGameThreshold WRITE setCloseGameThreshold NOTIFY
                   closeGameThresholdChanged)
    Q_PROPERTY(bool notifyOvertime READ notifyOvertime WRITE setNotifyOvertime NOTIFY notifyOvertimeChanged)
    Q_PROPERTY(bool notifyFavoritesOnly READ notifyFavoritesOnly WRITE setNotifyFavoritesOnly NOTIFY
                   notifyFavoritesOnlyChanged)
    Q_PROPERTY(bool quietHoursEnabled READ quietHoursEnabled WRITE setQuietHoursEnabled NOTIFY
                   quietHoursEnabledChanged)
    Q_PROPERTY(
        QDateTime quietHoursStart READ quietHoursStart WRITE setQuietHoursStart NOTIFY quietHoursStartChanged)
    Q_PROPERTY(QDateTime quietHoursEnd READ quietHoursEnd WRITE setQuietHoursEnd NOTIFY quietHoursEndChanged)
    Q_PROPERTY(bool showTeamLogos READ showTeamLogos WRITE setShowTeamLogos NOTIFY showTeamLogosChanged)
    Q_PROPERTY(bool showTeamColors READ showTeamColors WRITE setShowTeamColors NOTIFY showTeamColorsChanged)
    Q_PROPERTY(bool compactMode READ compactMode WRITE setCompactMode NOTIFY compactModeChanged)
    Q_PROPERTY(bool useNotch READ useNotch WRITE setUseNotch NOTIFY useNotchChanged)
    Q_PROPERTY(bool notchExpandOnHover READ notchExpandOnHover WRITE setNotchExpandOnHover NOTIFY
                   notchExpandOnHoverChanged)
    Q_PROPERTY(
        bool focusModeEnabled READ focusModeEnabled WRITE setFocusModeEnabled NOTIFY focusModeEnabledChanged)
    Q_PROPERTY(bool hideScoresDuringScreenShare READ hideScoresDuringScreenShare WRITE
                   setHideScoresDuringScreenShare NOTIFY hideScoresDuringScreenShareChanged)
    Q_PROPERTY(
        bool spoilerFreeMode READ spoilerFreeMode WRITE setSpoilerFreeMode NOTIFY spoilerFreeModeChanged)
    Q_PROPERTY(QSet<QString> spoilerFreeTeamIds READ spoilerFreeTeamIds WRITE setSpoilerFreeTeamIds NOTIFY
                   spoilerFreeTeamIdsChanged)
    Q_PROPERTY(bool calendarSyncEnabled READ calendarSyncEnabled WRITE setCalendarSyncEnabled NOTIFY
                   calendarSyncEnabledChanged)
    Q_PROPERTY(std::optional<QString> calendarIdentifier READ calendarIdentifier WRITE setCalendarIdentifier
                   NOTIFY calendarIdentifierChanged)
    Q_PROPERTY(
        bool addGameReminders READ addGameReminders WRITE setAddGameReminders NOTIFY addGameRemindersChanged)
    Q_PROPERTY(qint64 reminderMinutesBefore READ reminderMinutesBefore WRITE setReminderMinutesBefore NOTIFY
                   reminderMinutesBeforeChanged)
    Q_PROPERTY(bool busyMode READ busyMode WRITE setBusyMode NOTIFY busyModeChanged)
    Q_PROPERTY(qint64 cacheExpirationHours READ cacheExpirationHours WRITE setCacheExpirationHours NOTIFY
                   cacheExpirationHoursChanged)
    Q_PROPERTY(bool debugMode READ debugMode WRITE setDebugMode NOTIFY debugModeChanged)
public:
    static constexpr QLatin1StringView storageKey{"userPreferences"};
    // A stored document that could not be read whole is kept here by the first save over it, with the moment
    // (ISO 8601, UTC) under the second key, so that a torn file never costs the user's settings for good.
    static constexpr QLatin1StringView unreadableKey{"userPreferences.unreadable"};
    static constexpr QLatin1StringView unreadableTimeKey{"userPreferences.unreadableTime"};

    // The numbers the settings window's steppers offer. A stored number outside its range is brought inside
    // when the settings are read, so that the number in effect is the one the stepper shows.
    struct Range {
        int minimum;
        int maximum;
    };
    static constexpr Range maxPinnedGamesRange{1, 5};
    static constexpr Range closeGameThresholdRange{1, 21};
    static constexpr Range reminderMinutesBeforeRange{0, 60};
    static constexpr Range cacheExpirationHoursRange{1, 168};

    // Fills every setting with its default, then overlays the document stored in `store`.
    explicit UserPreferences(SettingsStore& store, const Clock& clock = Clock::system(),
                             QObject* parent = nullptr);

    // The application's instance, on SettingsStore::standard(); created on first use.
    static UserPreferences& shared();

    // Writes every setting to the store (calendarIdentifier only when set).
    void save();
    // Assigns every setting its default, in declaration order; stores nothing.
    void resetToDefaults();

    bool launchAtLogin() const { return m_launchAtLogin; }
    bool showInDock() const { return m_showInDock; }
    MenuBarDisplayMode menuBarDisplayMode() const { return m_menuBarDisplayMode; }
    bool hideWhenNoGames() const { return m_hideWhenNoGames; }
    const QSet<QString>& enabledLeagues() const { return m_enabledLeagues; }
    const QSet<QString>& favoriteTeamIds() const { return m_favoriteTeamIds; }
    qint64 maxPinnedGames() const { return m_maxPinnedGames; }
    bool autoFollowFavorites() const { return m_autoFollowFavorites; }
    double refreshInterval() const { return m_refreshInterval; }
    bool fasterRefreshWhenLive() const { return m_fasterRefreshWhenLive; }
    double liveRefreshInterval() const { return m_liveRefreshInterval; }
    bool notificationsEnabled() const { return m_notificationsEnabled; }
    bool notifyGameStart() const { return m_notifyGameStart; }
    bool notifyGameEnd() const { return m_notifyGameEnd; }
    bool notifyScoreChange() const { return m_notifyScoreChange; }
    bool notifyCloseGame() const { return m_notifyCloseGame; }
    qint64 closeGameThreshold() const { return m_closeGameThreshold; }
    bool notifyOvertime() const { return m_notifyOvertime; }
    bool notifyFavoritesOnly() const { return m_notifyFavoritesOnly; }
    bool quietHoursEnabled() const { return m_quietHoursEnabled; }
    const QDateTime& quietHoursStart() const { return m_quietHoursStart; }
    const QDateTime& quietHoursEnd() const { return m_quietHoursEnd; }
    bool showTeamLogos() const { return m_showTeamLogos; }
    bool showTeamColors() const { return m_showTeamColors; }
    bool compactMode() const { return m_compactMode; }
    bool useNotch() const { return m_useNotch; }
    bool notchExpandOnHover() const { return m_notchExpandOnHover; }
    bool focusModeEnabled() const { return m_focusModeEnabled; }
    bool hideScoresDuringScreenShare() const { return m_hideScoresDuringScreenShare; }
    bool spoilerFreeMode() const { return m_spoilerFreeMode; }
    const QSet<QString>& spoilerFreeTeamIds() const { return m_spoilerFreeTeamIds; }
    bool calendarSyncEnabled() const { return m_calendarSyncEnabled; }
    const std::optional<QString>& calendarIdentifier() const { return m_calendarIdentifier; }
    bool addGameReminders() const { return m_addGameReminders; }
    qint64 reminderMinutesBefore() const { return m_reminderMinutesBefore; }
    bool busyMode() const { return m_busyMode; }
    qint64 cacheExpirationHours() const { return m_cacheExpirationHours; }
    bool debugMode() const { return m_debugMode; }

    void setLaunchAtLogin(bool value);
    void setShowInDock(bool value);
    void setMenuBarDisplayMode(MenuBarDisplayMode value);
    void setHideWhenNoGames(bool value);
    void setEnabledLeagues(const QSet<QString>& value);
    void setFavoriteTeamIds(const QSet<QString>& value);
    void setMaxPinnedGames(qint64 value);
    void setAutoFollowFavorites(bool value);
    void setRefreshInterval(double value);
    void setFasterRefreshWhenLive(bool value);
    void setLiveRefreshInterval(double value);
    void setNotificationsEnabled(bool value);
    void setNotifyGameStart(bool value);
    void setNotifyGameEnd(bool value);
    void setNotifyScoreChange(bool value);
    void setNotifyCloseGame(bool value);
    void setCloseGameThreshold(qint64 value);
    void setNotifyOvertime(bool value);
    void setNotifyFavoritesOnly(bool value);
    void setQuietHoursEnabled(bool value);
    void setQuietHoursStart(const QDateTime& value);
    void setQuietHoursEnd(const QDateTime& value);
    void setShowTeamLogos(bool value);
    void setShowTeamColors(bool value);
    void setCompactMode(bool value);
    void setUseNotch(bool value);
    void setNotchExpandOnHover(bool value);
    void setFocusModeEnabled(bool value);
    void setHideScoresDuringScreenShare(bool value);
    void setSpoilerFreeMode(bool value);
    void setSpoilerFreeTeamIds(const QSet<QString>& value);
    void setCalendarSyncEnabled(bool value);
    void setCalendarIdentifier(const std::optional<QString>& value);
    void setAddGameReminders(bool value);
    void setReminderMinutesBefore(qint64 value);
    void setBusyMode(bool value);
    void setCacheExpirationHours(qint64 value);
    void setDebugMode(bool value);

signals:
    void objectWillChange();
    void launchAtLoginChanged(bool launchAtLogin);
    void showInDockChanged(bool showInDock);
    void menuBarDisplayModeChanged(MenuBarDisplayMode menuBarDisplayMode);
    void hideWhenNoGamesChanged(bool hideWhenNoGames);
    void enabledLeaguesChanged(const QSet<QString>& enabledLeagues);
    void favoriteTeamIdsChanged(const QSet<QString>& favoriteTeamIds);
    void maxPinnedGamesChanged(qint64 maxPinnedGames);
    void autoFollowFavoritesChanged(bool autoFollowFavorites);
    void refreshIntervalChanged(double refreshInterval);
    void fasterRefreshWhenLiveChanged(bool fasterRefreshWhenLive);
    void liveRefreshIntervalChanged(double liveRefreshInterval);
    void notificationsEnabledChanged(bool notificationsEnabled);
    void notifyGameStartChanged(bool notifyGameStart);
    void notifyGameEndChanged(bool notifyGameEnd);
    void notifyScoreChangeChanged(bool notifyScoreChange);
    void notifyCloseGameChanged(bool notifyCloseGame);
    void closeGameThresholdChanged(qint64 closeGameThreshold);
    void notifyOvertimeChanged(bool notifyOvertime);
    void notifyFavoritesOnlyChanged(bool notifyFavoritesOnly);
    void quietHoursEnabledChanged(bool quietHoursEnabled);
    void quietHoursStartChanged(const QDateTime& quietHoursStart);
    void quietHoursEndChanged(const QDateTime& quietHoursEnd);
    void showTeamLogosChanged(bool showTeamLogos);
    void showTeamColorsChanged(bool showTeamColors);
    void compactModeChanged(bool compactMode);
    void useNotchChanged(bool useNotch);
    void notchExpandOnHoverChanged(bool notchExpandOnHover);
    void focusModeEnabledChanged(bool focusModeEnabled);
    void hideScoresDuringScreenShareChanged(bool hideScoresDuringScreenShare);
    void spoilerFreeModeChanged(bool spoilerFreeMode);
    void spoilerFreeTeamIdsChanged(const QSet<QString>& spoilerFreeTeamIds);
    void calendarSyncEnabledChanged(bool calendarSyncEnabled);
    void calendarIdentifierChanged(const std::optional<QString>& calendarIdentifier);
    void addGameRemindersChanged(bool addGameReminders);
    void reminderMinutesBeforeChanged(qint64 reminderMinutesBefore);
    void busyModeChanged(bool busyMode);
    void cacheExpirationHoursChanged(qint64 cacheExpirationHours);
    void debugModeChanged(bool debugMode);

private:
    template <typename T, typename Signal>
    void assign(T& member, const T& value, Signal changed);
    void load();
    void keepUnreadableDocument();
    QJsonObject makeDocument() const;

    SettingsStore& m_store;
    const Clock& m_clock;
    // The stored document as loaded, while it could not be read whole and has not been kept yet.
    std::optional<QVariant> m_unreadableDocument;
    bool m_launchAtLogin{};
    bool m_showInDock{};
    MenuBarDisplayMode m_menuBarDisplayMode{};
    bool m_hideWhenNoGames{};
    QSet<QString> m_enabledLeagues{};
    QSet<QString> m_favoriteTeamIds{};
    qint64 m_maxPinnedGames{};
    bool m_autoFollowFavorites{};
    double m_refreshInterval{};
    bool m_fasterRefreshWhenLive{};
    double m_liveRefreshInterval{};
    bool m_notificationsEnabled{};
    bool m_notifyGameStart{};
    bool m_notifyGameEnd{};
    bool m_notifyScoreChange{};
    bool m_notifyCloseGame{};
    qint64 m_closeGameThreshold{};
    bool m_notifyOvertime{};
    bool m_notifyFavoritesOnly{};
    bool m_quietHoursEnabled{};
    QDateTime m_quietHoursStart{};
    QDateTime m_quietHoursEnd{};
    bool m_showTeamLogos{};
    bool m_showTeamColors{};
    bool m_compactMode{};
    bool m_useNotch{};
    bool m_notchExpandOnHover{};
    bool m_focusModeEnabled{};
    bool m_hideScoresDuringScreenShare{};
    bool m_spoilerFreeMode{};
    QSet<QString> m_spoilerFreeTeamIds{};
    bool m_calendarSyncEnabled{};
    std::optional<QString> m_calendarIdentifier{};
    bool m_addGameReminders{};
    qint64 m_reminderMinutesBefore{};
    bool m_busyMode{};
    qint64 m_cacheExpirationHours{};
    bool m_debugMode{};
};
