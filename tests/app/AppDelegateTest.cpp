#include "LogCapture.h"
#include "MemorySettingsStore.h"
#include "ShellFakes.h"
#include "TaskRunner.h"

#include "app/shell/AppDelegate.h"
#include "model/UserPreferences.h"
#include "platform/Autostart.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AppDelegateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(autostartDir.isValid());
        defaults.setValue(QStringLiteral("hasCompletedOnboarding"), true);
    }

    AppDelegate& launch() {
        delegate = std::make_unique<AppDelegate>(
            AppDelegateServices{core, preferences, defaults, autostart, updater, windows,
                                [this] { log.add(QStringLiteral("quit")); }});
        delegate->applicationDidFinishLaunching();
        processPendingEvents();
        return *delegate;
    }

    QAction* menuEntry(QMenu& menu, const QString& title) {
        for (QAction* action : menu.actions()) {
            if (action->text() == title)
                return action;
        }
        return nullptr;
    }

    CallLog log;
    FakeCoreActions core{log};
    FakeShellWindows windows{log};
    MemorySettingsStore defaults;
    MemorySettingsStore preferencesStore;
    UserPreferences preferences{preferencesStore};
    QTemporaryDir autostartDir;
    Autostart autostart{autostartDir.path() + QStringLiteral("/autostart"), QStringLiteral("test.Glimmerbox"),
                        QStringLiteral("/opt/Glimmer Box/glimmerbox")};
    Updater updater{std::nullopt, QStringLiteral("1.0.0")};
    std::unique_ptr<AppDelegate> delegate;
};

TEST_F(AppDelegateTest, SetUpRunsAfterTheLaunchCallbackReturns) {
    delegate = std::make_unique<AppDelegate>(
        AppDelegateServices{core, preferences, defaults, autostart, updater, windows, [] {}});
    delegate->applicationDidFinishLaunching();
    EXPECT_TRUE(log.calls.isEmpty());
    EXPECT_EQ(delegate->statusItem(), nullptr);
    processPendingEvents();
    EXPECT_NE(delegate->statusItem(), nullptr);
}

TEST_F(AppDelegateTest, LaunchBuildsWindowsThenFetchesThenArmsTimersThenLoadsTeams) {
    preferences.setUseNotch(true);
    defaults.remove(QStringLiteral("hasCompletedOnboarding"));
    core.holdFreshFetch = true;
    launch();

    EXPECT_EQ(log.calls, (QStringList{"createPopover", "createOverlayWindow", "registerCategories",
                                      "freshFetch", "createOnboardingWindow"}));
    // The timers wait for the fresh fetch to finish.
    core.release();
    processPendingEvents();
    EXPECT_EQ(log.calls.mid(5),
              (QStringList{"freshFetch done", "schedulePinnedRefresh", "scheduleLeagueRefresh",
                           "scheduleFullRefresh", "loadAllTeams"}));
}

TEST_F(AppDelegateTest, StatusItemShowsTheSymbolWithoutText) {
    AppDelegate& shell = launch();
    ASSERT_NE(shell.statusItem(), nullptr);
    EXPECT_FALSE(shell.statusItem()->icon().isNull());
    EXPECT_EQ(shell.statusItem()->toolTip(), QStringLiteral("Glimmerbox"));
    const qint64 key = shell.statusItem()->icon().cacheKey();

    // Pins and network changes re-apply the same icon.
    emit core.pinnedGamesChanged();
    emit core.isNetworkAvailableChanged();
    processPendingEvents();
    EXPECT_EQ(shell.statusItem()->icon().cacheKey(), key);
}

TEST_F(AppDelegateTest, OverlayHangsFromTheTopCentreOfThePrimaryScreen) {
    preferences.setUseNotch(true);
    windows.screen = QRect(0, 0, 1920, 1080);
    AppDelegate& shell = launch();

    ASSERT_TRUE(windows.overlayGeometry);
    EXPECT_EQ(windows.overlayGeometry->window, QRect(740, 0, 440, 680));
    EXPECT_EQ(windows.overlayGeometry->hoverZone, QRect(790, -10, 340, 44));
    EXPECT_EQ(windows.overlayGeometry->expandedZone, QRect(740, 0, 440, 680));
    EXPECT_FALSE(windows.overlayHasPhysicalNotch);
    EXPECT_NE(shell.notchWindow(), nullptr);
}

TEST_F(AppDelegateTest, OverlayFollowsASecondaryLayoutOffset) {
    const OverlayGeometry geometry = OverlayGeometry::forScreen(QRect(1280, 200, 2560, 1440));
    EXPECT_EQ(geometry.window, QRect(2340, 200, 440, 680));
    EXPECT_EQ(geometry.hoverZone, QRect(2390, 190, 340, 44));
}

TEST_F(AppDelegateTest, OverlayWithoutScreenSitsAtOriginWithoutHoverZone) {
    preferences.setUseNotch(true);
    windows.screen.reset();
    launch();
    ASSERT_TRUE(windows.overlayGeometry);
    EXPECT_EQ(windows.overlayGeometry->window, QRect(0, 0, 440, 680));
    EXPECT_FALSE(windows.overlayGeometry->hoverZone);
    EXPECT_EQ(windows.overlayGeometry->expandedZone, QRect(0, 0, 440, 680));
}

TEST_F(AppDelegateTest, NoOverlayWithoutUseNotchAndTurningItOnLaterChangesNothing) {
    preferences.setUseNotch(false);
    AppDelegate& shell = launch();
    preferences.setUseNotch(true);
    processPendingEvents();
    EXPECT_EQ(shell.notchWindow(), nullptr);
    EXPECT_FALSE(log.calls.contains(QStringLiteral("createOverlayWindow")));
}

TEST_F(AppDelegateTest, PopoverIsBuiltButNeverShown) {
    AppDelegate& shell = launch();
    ASSERT_NE(shell.popover(), nullptr);
    EXPECT_FALSE(shell.popover()->isVisible());
}

TEST_F(AppDelegateTest, OnboardingShowsUntilFinishedAndFinishingClosesIt) {
    defaults.remove(QStringLiteral("hasCompletedOnboarding"));
    AppDelegate& shell = launch();
    ASSERT_NE(shell.onboardingWindow(), nullptr);
    ASSERT_TRUE(windows.completeOnboarding);

    windows.completeOnboarding();
    EXPECT_EQ(shell.onboardingWindow(), nullptr);
    processPendingEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windows.onboardingWindow.isNull());
}

TEST_F(AppDelegateTest, NoOnboardingOnceCompleted) {
    AppDelegate& shell = launch();
    EXPECT_EQ(shell.onboardingWindow(), nullptr);
    EXPECT_FALSE(log.calls.contains(QStringLiteral("createOnboardingWindow")));
}

TEST_F(AppDelegateTest, StatusMenuHasFiveEntriesWithSeparatorsAndShortcuts) {
    AppDelegate& shell = launch();
    std::unique_ptr<QMenu> menu = shell.buildStatusMenu();
    QStringList titles;
    QStringList shortcuts;
    for (QAction* action : menu->actions()) {
        titles.append(action->isSeparator() ? QStringLiteral("-") : action->text());
        if (!action->isSeparator())
            shortcuts.append(action->shortcut().toString(QKeySequence::PortableText));
        EXPECT_TRUE(action->icon().isNull());
    }
    EXPECT_EQ(titles, (QStringList{"About Glimmerbox", "-", "Check for Updates…", "-", "Refresh", "-",
                                   "Settings...", "-", "Quit Glimmerbox"}));
    EXPECT_EQ(shortcuts, (QStringList{"", "", "Ctrl+R", "Ctrl+,", "Ctrl+Q"}));
}

TEST_F(AppDelegateTest, MenuEntriesRunTheirActions) {
    AppDelegate& shell = launch();
    std::unique_ptr<QMenu> menu = shell.buildStatusMenu();
    log.calls.clear();

    menuEntry(*menu, QStringLiteral("About Glimmerbox"))->trigger();
    menuEntry(*menu, QStringLiteral("Refresh"))->trigger();
    menuEntry(*menu, QStringLiteral("Settings..."))->trigger();
    menuEntry(*menu, QStringLiteral("Quit Glimmerbox"))->trigger();
    // Refresh is a league refresh, not a fresh fetch.
    EXPECT_EQ(log.calls, (QStringList{"showAbout", "refreshLeagues", "showSettings", "quit"}));
}

TEST_F(AppDelegateTest, CheckForUpdatesWithoutFeedSaysNoSourceIsConfigured) {
    AppDelegate& shell = launch();
    std::unique_ptr<QMenu> menu = shell.buildStatusMenu();
    menuEntry(*menu, QStringLiteral("Check for Updates…"))->trigger();
    processPendingEvents();
    ASSERT_EQ(windows.updateResults.size(), 1);
    EXPECT_EQ(windows.updateResults.first().kind, UpdateCheckResult::Kind::notConfigured);
}

TEST_F(AppDelegateTest, RightClickOpensMenuLeftClickOpensSettingsEvenAfterTheMenu) {
    AppDelegate& shell = launch();
    log.calls.clear();

    shell.handleStatusItemClick(QSystemTrayIcon::Context);
    ASSERT_NE(windows.shownMenu, nullptr);
    EXPECT_EQ(windows.shownMenu->actions().size(), 9);
    EXPECT_EQ(shell.statusMenu(), windows.shownMenu);

    // The menu lives only while it is open.
    windows.shownMenu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windows.shownMenu.isNull());

    shell.handleStatusItemClick(QSystemTrayIcon::Trigger);
    shell.handleStatusItemClick(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(log.calls, (QStringList{"popUpStatusMenu", "showSettings", "showSettings"}));
}

TEST_F(AppDelegateTest, QuitSavesPreferencesEvenWhenNothingChanged) {
    AppDelegate& shell = launch();
    preferencesStore.remove(QString(UserPreferences::storageKey));
    ASSERT_FALSE(preferencesStore.contains(QString(UserPreferences::storageKey)));
    shell.applicationWillTerminate();
    EXPECT_TRUE(preferencesStore.contains(QString(UserPreferences::storageKey)));
}

TEST_F(AppDelegateTest, LaunchAtLoginWritesOrRemovesTheAutostartEntry) {
    preferences.setLaunchAtLogin(true);
    launch();
    EXPECT_TRUE(autostart.isRegistered());

    preferences.setLaunchAtLogin(false);
    delegate.reset();
    launch();
    EXPECT_FALSE(autostart.isRegistered());
}

TEST_F(AppDelegateTest, LaunchAtLoginFailureIsLoggedAndLaunchGoesOn) {
    // A file where the autostart folder should be makes registration fail.
    QFile blocker(autostartDir.path() + QStringLiteral("/blocked"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Autostart failing(blocker.fileName() + QStringLiteral("/autostart"), QStringLiteral("test.Glimmerbox"),
                      QStringLiteral("/usr/bin/glimmerbox"));
    preferences.setLaunchAtLogin(true);

    LogCapture capture;
    delegate = std::make_unique<AppDelegate>(
        AppDelegateServices{core, preferences, defaults, failing, updater, windows, [] {}});
    delegate->applicationDidFinishLaunching();
    processPendingEvents();

    const bool logged =
        std::any_of(capture.messages.cbegin(), capture.messages.cend(), [](const QString& line) {
            return line.startsWith(QStringLiteral("critical General: Failed to update launch at login: "));
        });
    EXPECT_TRUE(logged) << capture.messages.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(log.calls.contains(QStringLiteral("freshFetch")));
}

} // namespace
