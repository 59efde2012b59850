#include "LogCapture.h"
#include "SettingsFixture.h"
#include "TestGames.h"

#include "platform/Logging.h"
#include "settings/SettingsController.h"

#include <QDir>
#include <QFile>
#include <QMetaProperty>

namespace {

class SettingsControllerTest : public SettingsFixture {
protected:
    // A value of the setting other than its current one.
    QVariant changedValue(const char* setting) const {
        const QVariant current = preferences.property(setting);
        switch (current.typeId()) {
        case QMetaType::Bool:
            return !current.toBool();
        case QMetaType::LongLong:
            return current.toLongLong() + 1;
        case QMetaType::Double:
            return current.toDouble() == 30.0 ? 60.0 : 15.0;
        case QMetaType::QDateTime:
            return current.toDateTime().addSecs(3600);
        default:
            return QVariant::fromValue(MenuBarDisplayMode::compact);
        }
    }

    SettingsController controller{services};
};

TEST_F(SettingsControllerTest, EachControlSavesAtOnceOrWaitsForTheNextSave) {
    const QByteArrayList atOnce =
        QByteArray("launchAtLogin menuBarDisplayMode refreshInterval busyMode "
                   "notificationsEnabled showTeamLogos compactMode calendarSyncEnabled "
                   "debugMode")
            .split(' ');
    const QByteArrayList later =
        QByteArray(
            "hideWhenNoGames maxPinnedGames autoFollowFavorites fasterRefreshWhenLive liveRefreshInterval "
            "notifyGameStart notifyGameEnd notifyScoreChange notifyCloseGame closeGameThreshold "
            "notifyOvertime notifyFavoritesOnly quietHoursEnabled quietHoursStart quietHoursEnd "
            "showTeamColors useNotch notchExpandOnHover addGameReminders reminderMinutesBefore "
            "cacheExpirationHours")
            .split(' ');
    for (const auto& [settingsList, saves] : {std::pair{atOnce, true}, std::pair{later, false}}) {
        for (const QByteArray& name : settingsList) {
            const char* setting = name.constData();
            settings.remove(QString(UserPreferences::storageKey));
            const QVariant value = changedValue(setting);
            controller.edit(setting, value);
            EXPECT_EQ(preferences.property(setting), value) << setting;
            EXPECT_EQ(hasSavedDocument(), saves) << setting;
        }
    }
    processPendingEvents();
}

TEST_F(SettingsControllerTest, QuietHoursPickersChangeTheTimeOfDayAndKeepTheDate) {
    const QDateTime stored(QDate(2001, 1, 1), QTime(22, 0, 15), Qt::LocalTime);
    const QDateTime edited = SettingsController::withTimeOfDay(stored, QTime(23, 30, 45));
    EXPECT_EQ(edited, QDateTime(QDate(2001, 1, 1), QTime(23, 30), Qt::LocalTime));
    // A value read back from storage in UTC keeps its local date.
    const QDateTime utc = QDateTime(QDate(2024, 6, 2), QTime(1, 0), Qt::LocalTime).toUTC();
    EXPECT_EQ(SettingsController::withTimeOfDay(utc, QTime(7, 5)).date(), QDate(2024, 6, 2));
}

TEST_F(SettingsControllerTest, CalendarAccessIsAskedOnEverySwitchOnAndNeverOnSwitchOff) {
    controller.edit("calendarSyncEnabled", false);
    processPendingEvents();
    EXPECT_EQ(calendarAccess.requests, 0);
    EXPECT_TRUE(hasSavedDocument());

    controller.edit("calendarSyncEnabled", true);
    controller.edit("calendarSyncEnabled", true);
    processPendingEvents();
    EXPECT_EQ(calendarAccess.requests, 2);
    // A refusal changes nothing.
    EXPECT_TRUE(preferences.calendarSyncEnabled());
}

TEST_F(SettingsControllerTest, AFailedRegistrationOrRemovalLeavesTheToggleAsTheEntryIsSavesAndTellsTheUser) {
    // A file where the autostart folder should be: the folder cannot be made.
    QFile blocker(autostartFolder());
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    LogCapture log;
    controller.edit("launchAtLogin", true);
    EXPECT_FALSE(preferences.launchAtLogin());
    EXPECT_FALSE(autostart.isRegistered());
    EXPECT_FALSE(UserPreferences(settings).launchAtLogin()) << "the rolled-back value is what is stored";
    EXPECT_TRUE(controller.launchAtLoginProblem().startsWith("Could not turn on launch at login: "));
    EXPECT_EQ(log.matching("^critical General: Failed to update launch at login: ").size(), 1);

    // Once the folder can be made, the same toggle works and the line goes.
    QFile::remove(autostartFolder());
    controller.edit("launchAtLogin", true);
    EXPECT_TRUE(preferences.launchAtLogin());
    EXPECT_TRUE(autostart.isRegistered());
    EXPECT_TRUE(controller.launchAtLoginProblem().isEmpty());

    // A failed removal keeps the toggle on, since the entry is still there: it turned into a folder with
    // contents.
    QFile::remove(autostart.filePath());
    ASSERT_TRUE(QDir().mkpath(autostart.filePath() + "/keep"));
    controller.edit("launchAtLogin", false);
    EXPECT_TRUE(preferences.launchAtLogin());
    EXPECT_TRUE(UserPreferences(settings).launchAtLogin());
    EXPECT_TRUE(controller.launchAtLoginProblem().startsWith("Could not turn off launch at login: "));
    EXPECT_EQ(log.matching("^critical General: Failed to update launch at login: ").size(), 2);
}

TEST_F(SettingsControllerTest, ResetPutsEverySettingBackSavesItAndClearsThePins) {
    controller.edit("launchAtLogin", true);
    preferences.setEnabledLeagues({"wta"});
    preferences.setFavoriteTeamIds({"2"});
    preferences.setQuietHoursStart(QDateTime(QDate(2001, 1, 1), QTime(23, 30), Qt::LocalTime));
    controller.edit("debugMode", true);
    EXPECT_TRUE(debugLoggingEnabled()) << "the toggle copies the flag to the logging";
    state.setPinnedGames({testGame("1", "nba", clock.now())});
    state.savePinnedGameIds();
    state.schedulePinnedRefresh();
    ASSERT_EQ(clock.pendingCount(), 1);

    controller.resetAllPreferences();

    MemorySettingsStore empty;
    const UserPreferences defaults(empty);
    const QMetaObject* meta = preferences.metaObject();
    for (int i = meta->propertyOffset(); i < meta->propertyCount(); ++i) {
        const char* name = meta->property(i).name();
        EXPECT_EQ(preferences.property(name), defaults.property(name)) << name;
        // And after a restart.
        EXPECT_EQ(UserPreferences(settings).property(name), defaults.property(name)) << name;
    }
    EXPECT_TRUE(state.pinnedGames().isEmpty());
    EXPECT_EQ(settings.value(QString(AppState::pinnedGameIdsKey)).toStringList(), QStringList());
    EXPECT_EQ(clock.pendingCount(), 0) << "no pinned refresh without pins";
    EXPECT_FALSE(autostart.isRegistered());
    EXPECT_FALSE(debugLoggingEnabled());

    // The followed leagues are the default ones again, and they are fetched.
    api.clearRequests();
    processPendingEvents();
    EXPECT_EQ(api.requestCount(FakeScoresService::Kind::scoreboard), 6);
}

TEST_F(SettingsControllerTest, CacheAndUpdateActionsReachTheirServices) {
    cache.set("data", "key", 60);
    controller.clearCache();
    EXPECT_FALSE(cache.get("key"));

    controller.setAutomaticallyChecksForUpdates(true);
    EXPECT_TRUE(updater.automaticallyChecksForUpdates());
    EXPECT_FALSE(hasSavedDocument()) << "the flag is the updater's, not a setting";
    std::optional<UpdateCheckResult> result;
    QObject::connect(&updater, &Updater::checkFinished, [&](const UpdateCheckResult& r) { result = r; });
    controller.checkForUpdates();
    EXPECT_TRUE(spinUntil([&] { return result.has_value(); }));
    EXPECT_EQ(result->kind, UpdateCheckResult::Kind::notConfigured);
}

} // namespace
