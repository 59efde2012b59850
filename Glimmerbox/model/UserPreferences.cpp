#include "UserPreferences.h"

#include "League.h"
#include "ValueCoding.h"

#include "platform/Logging.h"

#include <QJsonDocument>
#include <QStringList>

#include <algorithm>
#include <functional>
#include <type_traits>
#include <vector>

using namespace Qt::StringLiterals;

namespace {

using UP = UserPreferences;

// At most this many leagues are followed at once.
constexpr qsizetype maxEnabledLeagues = 6;

QSet<QString> defaultEnabledLeagues() {
    QSet<QString> ids;
    for (const League& league : League::allLeagues()) {
        if (ids.size() == maxEnabledLeagues)
            break;
        ids.insert(league.id);
    }
    return ids;
}

// A stored selection of up to six ids is taken as it is, unknown ids included. A longer one is cut down to
// the first six catalogue leagues it names, in catalogue order.
QSet<QString> trimEnabledLeagues(const QSet<QString>& stored) {
    if (stored.size() <= maxEnabledLeagues)
        return stored;
    QSet<QString> ids;
    for (const League& league : League::allLeagues()) {
        if (ids.size() == maxEnabledLeagues)
            break;
        if (stored.contains(league.id))
            ids.insert(league.id);
    }
    return ids;
}

// Only the hour (and minute) of the quiet-hours bounds matter; the date is a fixed one in local time.
QDateTime timeOfDay(int hour) {
    return QDateTime(QDate(2001, 1, 1), QTime(hour, 0), Qt::LocalTime);
}

QDateTime toLocal(const QDateTime& instant) {
    return instant.toLocalTime();
}

// Brings a stored number into the range of its stepper, saying so when it had to.
auto clampedTo(QLatin1StringView key, UP::Range range) {
    return [key, range](qint64 stored) {
        const qint64 clamped = std::clamp<qint64>(stored, range.minimum, range.maximum);
        if (clamped != stored)
            qCWarning(generalLogger).noquote().nospace()
                << "Stored " << key << ' ' << stored << " is outside " << range.minimum << " to "
                << range.maximum << "; using " << clamped;
        return clamped;
    };
}

// How one setting travels between the live object and the stored document.
struct Setting {
    QLatin1StringView key;
    // Adds the live value to the document (an absent optional adds nothing).
    std::function<void(const UP&, coding::Writer&)> store;
    // Assigns the stored value, or the default when the value is missing or null. Returns false when the
    // value is of the wrong kind; the default is assigned then too.
    std::function<bool(UP&, const QJsonValue&)> restore;
};

template <typename Getter, typename Setter, typename Fallback, typename Adjust = std::identity>
Setting setting(QLatin1StringView key, Getter get, Setter set, Fallback fallback, Adjust adjust = {}) {
    using Value = std::remove_cvref_t<std::invoke_result_t<Getter, const UP&>>;
    const auto defaultValue = [fallback]() -> Value {
        if constexpr (std::is_invocable_v<Fallback>)
            return fallback();
        else
            return fallback;
    };
    return {key,
            [key, get](const UP& preferences, coding::Writer& writer) {
                writer.field(key, (preferences.*get)());
            },
            [set, defaultValue, adjust](UP& preferences, const QJsonValue& value) {
                if (value.isUndefined() || value.isNull()) {
                    (preferences.*set)(defaultValue());
                    return true;
                }
                const std::optional<Value> decoded = coding::decode<Value>(value);
                (preferences.*set)(decoded ? Value(adjust(*decoded)) : defaultValue());
                return decoded.has_value();
            }};
}

// A number offered by a stepper: a stored one outside its range is brought inside.
template <typename Getter, typename Setter>
Setting rangedSetting(QLatin1StringView key, Getter get, Setter set, qint64 fallback, UP::Range range) {
    return setting(key, get, set, fallback, clampedTo(key, range));
}

// Every setting in declaration order, which is also the order of the document's keys.
const std::vector<Setting>& settings() {
    static const std::vector<Setting> table{
        setting("launchAtLogin"_L1, &UP::launchAtLogin, &UP::setLaunchAtLogin, false),
        setting("showInDock"_L1, &UP::showInDock, &UP::setShowInDock, false),
        setting("menuBarDisplayMode"_L1, &UP::menuBarDisplayMode, &UP::setMenuBarDisplayMode,
                MenuBarDisplayMode::scoreOnly),
        setting("hideWhenNoGames"_L1, &UP::hideWhenNoGames, &UP::setHideWhenNoGames, true),
        setting("enabledLeagues"_L1, &UP::enabledLeagues, &UP::setEnabledLeagues, defaultEnabledLeagues,
                trimEnabledLeagues),
        setting("favoriteTeamIds"_L1, &UP::favoriteTeamIds, &UP::setFavoriteTeamIds, QSet<QString>()),
        rangedSetting("maxPinnedGames"_L1, &UP::maxPinnedGames, &UP::setMaxPinnedGames, 3,
                      UP::maxPinnedGamesRange),
        setting("autoFollowFavorites"_L1, &UP::autoFollowFavorites, &UP::setAutoFollowFavorites, true),
        setting("refreshInterval"_L1, &UP::refreshInterval, &UP::setRefreshInterval, 30.0),
        setting("fasterRefreshWhenLive"_L1, &UP::fasterRefreshWhenLive, &UP::setFasterRefreshWhenLive, true),
        setting("liveRefreshInterval"_L1, &UP::liveRefreshInterval, &UP::setLiveRefreshInterval, 10.0),
        setting("notificationsEnabled"_L1, &UP::notificationsEnabled, &UP::setNotificationsEnabled, true),
        setting("notifyGameStart"_L1, &UP::notifyGameStart, &UP::setNotifyGameStart, true),
        setting("notifyGameEnd"_L1, &UP::notifyGameEnd, &UP::setNotifyGameEnd, true),
        setting("notifyScoreChange"_L1, &UP::notifyScoreChange, &UP::setNotifyScoreChange, false),
        setting("notifyCloseGame"_L1, &UP::notifyCloseGame, &UP::setNotifyCloseGame, true),
        rangedSetting("closeGameThreshold"_L1, &UP::closeGameThreshold, &UP::setCloseGameThreshold, 7,
                      UP::closeGameThresholdRange),
        setting("notifyOvertime"_L1, &UP::notifyOvertime, &UP::setNotifyOvertime, true),
        setting("notifyFavoritesOnly"_L1, &UP::notifyFavoritesOnly, &UP::setNotifyFavoritesOnly, true),
        setting("quietHoursEnabled"_L1, &UP::quietHoursEnabled, &UP::setQuietHoursEnabled, false),
        setting(
            "quietHoursStart"_L1, &UP::quietHoursStart, &UP::setQuietHoursStart, [] { return timeOfDay(22); },
            toLocal),
        setting(
            "quietHoursEnd"_L1, &UP::quietHoursEnd, &UP::setQuietHoursEnd, [] { return timeOfDay(8); },
            toLocal),
        setting("showTeamLogos"_L1, &UP::showTeamLogos, &UP::setShowTeamLogos, true),
        setting("showTeamColors"_L1, &UP::showTeamColors, &UP::setShowTeamColors, true),
        setting("compactMode"_L1, &UP::compactMode, &UP::setCompactMode, false),
        setting("useNotch"_L1, &UP::useNotch, &UP::setUseNotch, true),
        setting("notchExpandOnHover"_L1, &UP::notchExpandOnHover, &UP::setNotchExpandOnHover, true),
        setting("focusModeEnabled"_L1, &UP::focusModeEnabled, &UP::setFocusModeEnabled, false),
        setting("hideScoresDuringScreenShare"_L1, &UP::hideScoresDuringScreenShare,
                &UP::setHideScoresDuringScreenShare, true),
        setting("spoilerFreeMode"_L1, &UP::spoilerFreeMode, &UP::setSpoilerFreeMode, false),
        setting("spoilerFreeTeamIds"_L1, &UP::spoilerFreeTeamIds, &UP::setSpoilerFreeTeamIds,
                QSet<QString>()),
        setting("calendarSyncEnabled"_L1, &UP::calendarSyncEnabled, &UP::setCalendarSyncEnabled, false),
        setting("calendarIdentifier"_L1, &UP::calendarIdentifier, &UP::setCalendarIdentifier,
                std::optional<QString>()),
        setting("addGameReminders"_L1, &UP::addGameReminders, &UP::setAddGameReminders, true),
        rangedSetting("reminderMinutesBefore"_L1, &UP::reminderMinutesBefore, &UP::setReminderMinutesBefore,
                      15, UP::reminderMinutesBeforeRange),
        setting("busyMode"_L1, &UP::busyMode, &UP::setBusyMode, false),
        rangedSetting("cacheExpirationHours"_L1, &UP::cacheExpirationHours, &UP::setCacheExpirationHours, 24,
                      UP::cacheExpirationHoursRange),
        setting("debugMode"_L1, &UP::debugMode, &UP::setDebugMode, false),
    };
    return table;
}

QByteArray documentBytes(const QVariant& stored) {
    if (stored.typeId() == QMetaType::QString || stored.typeId() == QMetaType::QByteArray)
        return stored.toByteArray();
    return {};
}

} // namespace

UserPreferences::UserPreferences(SettingsStore& store, const Clock& clock, QObject* parent)
    : QObject(parent), m_store(store), m_clock(clock) {
    resetToDefaults();
    load();
}

void UserPreferences::resetToDefaults() {
    for (const Setting& entry : settings())
        entry.restore(*this, QJsonValue::Undefined);
}

UserPreferences& UserPreferences::shared() {
    static UserPreferences instance(SettingsStore::standard());
    return instance;
}

void UserPreferences::load() {
    if (!m_store.contains(storageKey))
        return;
    const QVariant stored = m_store.value(storageKey);
    const QJsonDocument document = QJsonDocument::fromJson(documentBytes(stored));
    if (!document.isObject()) {
        qCWarning(generalLogger)
            << "Stored preferences are not a JSON object; every setting keeps its default";
        m_unreadableDocument = stored;
        return;
    }
    // Key by key, so that one unreadable value costs only its own setting.
    const QJsonObject object = document.object();
    QStringList badKeys;
    for (const Setting& entry : settings()) {
        if (!entry.restore(*this, object.value(entry.key)))
            badKeys.append(entry.key);
    }
    if (!badKeys.isEmpty()) {
        qCWarning(generalLogger).noquote() << "Stored preferences have unreadable values for"
                                           << badKeys.join(", "_L1) << "- those settings take their defaults";
        m_unreadableDocument = stored;
    }
}

void UserPreferences::keepUnreadableDocument() {
    if (!m_unreadableDocument)
        return;
    m_store.setValue(unreadableKey, *m_unreadableDocument);
    m_store.setValue(unreadableTimeKey, m_clock.now().toUTC().toString(Qt::ISODate));
    m_unreadableDocument.reset();
    qCWarning(generalLogger).noquote()
        << "Saving over stored preferences that could not be read; the old document"
        << "is kept under" << unreadableKey;
}

QJsonObject UserPreferences::makeDocument() const {
    coding::Writer writer;
    for (const Setting& entry : settings())
        entry.store(*this, writer);
    return writer.object();
}

void UserPreferences::save() {
    keepUnreadableDocument();
    const QByteArray json = QJsonDocument(makeDocument()).toJson(QJsonDocument::Compact);
    m_store.setValue(storageKey, QString::fromUtf8(json));
    m_store.sync();
}

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
