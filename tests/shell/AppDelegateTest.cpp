// The shell: launch order, status item and menu, overlay placement, onboarding, quit and launch at login.
#include "LogCapture.h"
#include "MemorySettingsStore.h"
#include "ShellFakes.h"
#include "TaskRunner.h"

#include "model/UserPreferences.h"
#include "platform/desktop/Autostart.h"
#include "shell/AppDelegate.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class AppDelegateTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(autostartDir.isValid());
        defaults.setValue("hasCompletedOnboarding", true);
    }

    // The launch callback alone, in place of any earlier shell; launch() also runs what it queued.
    AppDelegate& start(Autostart* otherAutostart = nullptr) {
        delegate.reset();
        delegate = std::make_unique<AppDelegate>(
            AppDelegateServices{core, preferences, defaults, otherAutostart ? *otherAutostart : autostart,
                                updater, windows, [this] { log.append("quit"); }});
        delegate->applicationDidFinishLaunching();
        return *delegate;
    }
    AppDelegate& launch(Autostart* otherAutostart = nullptr) {
        start(otherAutostart);
        processPendingEvents();
        return *delegate;
    }

    CallLog log;
    FakeCoreActions core{log};
    FakeShellWindows windows{log};
    MemorySettingsStore defaults;
    MemorySettingsStore preferencesStore;
    UserPreferences preferences{preferencesStore};
    QTemporaryDir autostartDir;
    Autostart autostart{autostartDir.path() + "/autostart", "test.Glimmerbox", "/opt/Glimmer Box/glimmerbox"};
    Updater updater{std::nullopt, "1.0.0"};
    std::unique_ptr<AppDelegate> delegate;
};

TEST_F(AppDelegateTest, SetUpRunsAfterTheLaunchCallbackReturnsThenFetchesThenArmsTimersThenLoadsTeams) {
    preferences.setUseNotch(true);
    defaults.remove("hasCompletedOnboarding");
    core.holdFreshFetch = true;
    AppDelegate& shell = start();
    EXPECT_TRUE(log.isEmpty());
    EXPECT_EQ(shell.statusItem(), nullptr);
    processPendingEvents();
    EXPECT_NE(shell.statusItem(), nullptr);
    EXPECT_EQ(log, (QStringList{"createPopover", "createOverlayWindow", "registerCategories", "freshFetch",
                                "createOnboardingWindow"}));

    // The timers wait for the fresh fetch to finish.
    core.release();
    processPendingEvents();
    EXPECT_EQ(log.mid(5), (QStringList{"freshFetch done", "schedulePinnedRefresh", "scheduleLeagueRefresh",
                                       "scheduleFullRefresh", "loadAllTeams"}));
}

TEST_F(AppDelegateTest, StatusItemShowsTheSymbolWithoutTextAndThePopoverShowsOnlyThroughTheToggle) {
    AppDelegate& shell = launch();
    ASSERT_NE(shell.statusItem(), nullptr);
    EXPECT_FALSE(shell.statusItem()->icon().isNull());
    EXPECT_EQ(shell.statusItem()->toolTip(), "Glimmerbox");
    const qint64 key = shell.statusItem()->icon().cacheKey();
    ASSERT_NE(shell.popover(), nullptr);
    EXPECT_FALSE(shell.popover()->isVisible());

    // Pins and network changes leave the icon as it is.
    emit core.pinnedGamesChanged();
    emit core.isNetworkAvailableChanged();
    processPendingEvents();
    EXPECT_EQ(shell.statusItem()->icon().cacheKey(), key);

    // The unconnected toggle shows it with a fresh fetch and closes it.
    EXPECT_FALSE(log.contains("createOnboardingWindow")) << "onboarding was completed before";
    log.clear();
    shell.togglePopover();
    EXPECT_TRUE(shell.popover()->isVisible());
    EXPECT_EQ(log, (QStringList{"freshFetch", "freshFetch done"}));
    shell.togglePopover();
    EXPECT_FALSE(shell.popover()->isVisible());
    EXPECT_EQ(log.size(), 2) << "closing fetches nothing";
}

TEST_F(AppDelegateTest,
       OverlayHangsFromTheTopCentreOfThePrimaryScreenOrSitsAtTheOriginAndOnlyWithItsSetting) {
    preferences.setUseNotch(true);
    AppDelegate& shell = launch();
    ASSERT_TRUE(windows.overlayGeometry);
    EXPECT_EQ(windows.overlayGeometry->window, QRect(740, 0, 440, 680));
    EXPECT_EQ(windows.overlayGeometry->hoverZone, QRect(790, -10, 340, 44));
    EXPECT_EQ(windows.overlayGeometry->expandedZone, QRect(740, 0, 440, 680));
    EXPECT_FALSE(windows.overlayHasPhysicalNotch);
    EXPECT_NE(shell.notchWindow(), nullptr);

    // A secondary layout's offset is followed.
    const OverlayGeometry secondary = OverlayGeometry::forScreen(QRect(1280, 200, 2560, 1440));
    EXPECT_EQ(secondary.window, QRect(2340, 200, 440, 680));
    EXPECT_EQ(secondary.hoverZone, QRect(2390, 190, 340, 44));

    // Without a screen: at the origin, without a hover zone.
    windows.screen.reset();
    launch();
    EXPECT_EQ(windows.overlayGeometry->window, QRect(0, 0, 440, 680));
    EXPECT_FALSE(windows.overlayGeometry->hoverZone);
    EXPECT_EQ(windows.overlayGeometry->expandedZone, QRect(0, 0, 440, 680));

    // Without the overlay setting there is none, and turning it on later changes nothing.
    preferences.setUseNotch(false);
    log.clear();
    launch();
    preferences.setUseNotch(true);
    processPendingEvents();
    EXPECT_EQ(delegate->notchWindow(), nullptr);
    EXPECT_FALSE(log.contains("createOverlayWindow"));
}

TEST_F(AppDelegateTest, OnboardingShowsUntilFinishedAndFinishingClosesIt) {
    defaults.remove("hasCompletedOnboarding");
    AppDelegate& shell = launch();
    ASSERT_NE(shell.onboardingWindow(), nullptr);
    ASSERT_TRUE(windows.completeOnboarding);
    windows.completeOnboarding();
    EXPECT_EQ(shell.onboardingWindow(), nullptr);
    processPendingEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windows.onboardingWindow.isNull());
}

TEST_F(AppDelegateTest, MinimisedWelcomeWindowIsRestoredByTheTrayClickUntilFinished) {
    defaults.remove("hasCompletedOnboarding");
    AppDelegate& shell = launch();
    QWidget* welcome = shell.onboardingWindow();
    ASSERT_NE(welcome, nullptr);
    welcome->show();
    welcome->setWindowState(Qt::WindowMinimized);
    log.clear();

    shell.handleStatusItemClick(QSystemTrayIcon::Trigger);
    EXPECT_EQ(log, QStringList{"showSettings"});
    EXPECT_FALSE(welcome->windowState().testFlag(Qt::WindowMinimized));
    EXPECT_TRUE(welcome->isVisible());

    // One the user closed waits for the next launch.
    welcome->close();
    shell.handleStatusItemClick(QSystemTrayIcon::Trigger);
    EXPECT_FALSE(welcome->isVisible());

    // Once finished, the welcome stays gone.
    windows.completeOnboarding();
    shell.handleStatusItemClick(QSystemTrayIcon::Trigger);
    EXPECT_EQ(shell.onboardingWindow(), nullptr);
    EXPECT_EQ(log, (QStringList{"showSettings", "showSettings", "showSettings"}));
}

TEST_F(AppDelegateTest, StatusMenuHasFiveEntriesWithSeparatorsAndShortcutsAndEachRunsItsAction) {
    std::unique_ptr<QMenu> menu = launch().buildStatusMenu();
    log.clear();
    QStringList titles;
    QStringList shortcuts;
    for (QAction* action : menu->actions()) {
        titles.append(action->isSeparator() ? "-" : action->text());
        EXPECT_TRUE(action->icon().isNull());
        if (action->isSeparator())
            continue;
        shortcuts.append(action->shortcut().toString(QKeySequence::PortableText));
        action->trigger();
    }
    EXPECT_EQ(titles, (QStringList{"About Glimmerbox", "-", "Check for Updates…", "-", "Refresh", "-",
                                   "Settings...", "-", "Quit Glimmerbox"}));
    EXPECT_EQ(shortcuts, (QStringList{"", "", "Ctrl+R", "Ctrl+,", "Ctrl+Q"}));
    // Refresh is a league refresh, not a fresh fetch.
    EXPECT_EQ(log, (QStringList{"showAbout", "refreshLeagues", "showSettings", "quit"}));

    // Without a feed the update check says no source is configured.
    processPendingEvents();
    ASSERT_EQ(windows.updateResults.size(), 1);
    EXPECT_EQ(windows.updateResults.first().kind, UpdateCheckResult::Kind::notConfigured);
}

TEST_F(AppDelegateTest, RightClickOpensMenuLeftClickOpensSettingsEvenAfterTheMenu) {
    AppDelegate& shell = launch();
    log.clear();

    shell.handleStatusItemClick(QSystemTrayIcon::Context);
    ASSERT_NE(windows.shownMenu, nullptr);
    EXPECT_EQ(shell.statusMenu(), windows.shownMenu);

    // The menu lives only while it is open.
    windows.shownMenu->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(windows.shownMenu.isNull());

    shell.handleStatusItemClick(QSystemTrayIcon::Trigger);
    shell.handleStatusItemClick(QSystemTrayIcon::DoubleClick);
    EXPECT_EQ(log, (QStringList{"popUpStatusMenu", "showSettings", "showSettings"}));
}

TEST_F(AppDelegateTest, LaunchAtLoginWritesOrRemovesTheEntryAndAFailureIsLoggedAndLaunchGoesOn) {
    preferences.setLaunchAtLogin(true);
    launch();
    EXPECT_TRUE(autostart.isRegistered());
    preferences.setLaunchAtLogin(false);
    launch();
    EXPECT_FALSE(autostart.isRegistered());

    // A file where the autostart folder should be makes registration fail.
    QFile blocker(autostartDir.path() + "/blocked");
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    Autostart failing(blocker.fileName() + "/autostart", "test.Glimmerbox", "/usr/bin/glimmerbox");
    preferences.setLaunchAtLogin(true);

    LogCapture capture;
    log.clear();
    launch(&failing);
    // The log line carries the autostart's own description of the failure.
    EXPECT_EQ(capture.matching("^critical General: Failed to update launch at login: \\S").size(), 1)
        << capture.messages.join('\n').toStdString();
    EXPECT_FALSE(failing.isRegistered());
    EXPECT_TRUE(log.contains("freshFetch"));
}

} // namespace
