#include "SettingsController.h"

#include "CalendarService.h"
#include "LaunchAtLogin.h"
#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "platform/Logging.h"
#include "platform/desktop/Autostart.h"
#include "platform/desktop/Updater.h"
#include "service/CacheService.h"

#include <array>

namespace {

// The controls whose change is written to storage right away; every other change waits for the next save
// (any of these, the window closing, or the application quitting).
constexpr std::array<QByteArrayView, 9> savedAtOnce{
    "launchAtLogin", "menuBarDisplayMode", "refreshInterval",     "busyMode",  "notificationsEnabled",
    "showTeamLogos", "compactMode",        "calendarSyncEnabled", "debugMode",
};

QCoro::Task<> askForCalendarAccess(CalendarService& calendar) {
    // Granted or not, nothing changes here: the setting stays on and nothing is shown.
    co_await calendar.requestFullAccess();
}

} // namespace

SettingsController::SettingsController(SettingsServices services, QObject* parent)
    : QObject(parent), m_services(services) {
    connect(&m_services.updater, &Updater::automaticallyChecksForUpdatesChanged, this,
            &SettingsController::automaticallyChecksForUpdatesChanged);
}

bool SettingsController::savesAtOnce(QByteArrayView setting) {
    return std::ranges::find(savedAtOnce, setting) != savedAtOnce.end();
}

void SettingsController::edit(const char* setting, const QVariant& value) {
    if (!prefs().setProperty(setting, value)) {
        qCCritical(generalLogger) << "No setting" << setting << "takes" << value;
        return;
    }
    if (savesAtOnce(setting))
        save();
    const QByteArrayView name(setting);
    if (name == "launchAtLogin")
        applyLaunchAtLogin();
    else if (name == "calendarSyncEnabled" && prefs().calendarSyncEnabled())
        requestCalendarAccess();
    else if (name == "debugMode")
        copyDebugFlag();
}

void SettingsController::save() {
    prefs().save();
}

QDateTime SettingsController::withTimeOfDay(const QDateTime& stored, QTime time) {
    QDateTime result = stored.toLocalTime();
    result.setTime(QTime(time.hour(), time.minute()));
    return result;
}

void SettingsController::applyLaunchAtLogin() {
    const bool wanted = prefs().launchAtLogin();
    const std::optional<QString> failure = setLaunchAtLogin(m_services.autostart, wanted);
    if (!failure) {
        setLaunchAtLoginProblem({});
        return;
    }
    // Show and keep what is true on disk, so that the toggle never claims a login item that is not there.
    prefs().setLaunchAtLogin(m_services.autostart.isRegistered());
    save();
    setLaunchAtLoginProblem((wanted ? QStringLiteral("Could not turn on launch at login: ")
                                    : QStringLiteral("Could not turn off launch at login: ")) +
                            *failure);
}

void SettingsController::requestCalendarAccess() {
    // Asked on every switch-on; the request runs on a later turn of the event loop.
    QMetaObject::invokeMethod(
        this, [this] { askForCalendarAccess(m_services.calendar); }, Qt::QueuedConnection);
}

void SettingsController::copyDebugFlag() {
    setDebugLoggingEnabled(prefs().debugMode());
}

void SettingsController::setLaunchAtLoginProblem(const QString& problem) {
    m_launchAtLoginProblem = problem;
    emit launchAtLoginProblemChanged(problem);
}

bool SettingsController::automaticallyChecksForUpdates() const {
    return m_services.updater.automaticallyChecksForUpdates();
}

void SettingsController::setAutomaticallyChecksForUpdates(bool enabled) {
    m_services.updater.setAutomaticallyChecksForUpdates(enabled);
}

void SettingsController::checkForUpdates() {
    m_services.updater.checkForUpdates();
}

void SettingsController::clearCache() {
    m_services.cache.clearAll();
}

void SettingsController::resetAllPreferences() {
    prefs().resetToDefaults();
    save();
    AppState& state = appState();
    state.clearPins();
    // What the changed settings drive follows at once, as after the user's own change of each.
    applyLaunchAtLogin();
    copyDebugFlag();
    QMetaObject::invokeMethod(
        &state, [&state] { state.refreshLeagues(); }, Qt::QueuedConnection);
}
