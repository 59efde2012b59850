#pragma once

#include <QCoroTask>
#include <QMenu>
#include <QObject>
#include <QPointer>
#include <QSystemTrayIcon>

#include <functional>
#include <memory>

class Autostart;
class CoreActions;
class SettingsStore;
class ShellWindows;
class Updater;
class UserPreferences;

// Everything the delegate works with; GlimmerboxApp passes the real ones, tests pass fakes.
struct AppDelegateServices {
    CoreActions& core;
    UserPreferences& preferences;
    SettingsStore& defaults;
    Autostart& autostart;
    Updater& updater;
    ShellWindows& windows;
    std::function<void()> quit; // ends the event loop (QCoreApplication::quit in the application)
};

// Builds what the user sees at launch (tray icon, popover, overlay window, onboarding), starts the first
// fetch and the refresh timers, keeps launch at login in step with the setting, answers the tray icon's
// clicks and menu, and saves the settings when the application quits.
class AppDelegate : public QObject {
    Q_OBJECT
public:
    explicit AppDelegate(AppDelegateServices services, QObject* parent = nullptr);
    ~AppDelegate() override;

    // Queues the set-up for the next event-loop turn and returns.
    void applicationDidFinishLaunching();
    // Saves the settings, a number still being typed included; connected to QCoreApplication::aboutToQuit.
    void applicationWillTerminate();

    void setupStatusItemAndWindows();
    // Right click: the status menu; any other click: the settings window.
    void handleStatusItemClick(QSystemTrayIcon::ActivationReason reason);
    // Nothing calls this: the popover is built at launch but never shown.
    void togglePopover();
    void showStatusMenu();
    // The five-entry status menu, owned by the caller.
    std::unique_ptr<QMenu> buildStatusMenu();

    void showAbout();
    void checkForUpdates();
    void refreshData();
    // The settings window, and the welcome window until the user finishes it; the tray click and a second
    // launch come here too.
    void openSettings();
    void quitApp();

    QSystemTrayIcon* statusItem() const { return m_statusItem.get(); }
    QWidget* popover() const { return m_popover.get(); }
    QWidget* notchWindow() const { return m_notchWindow.get(); }
    QWidget* onboardingWindow() const { return m_onboardingWindow.get(); }
    QMenu* statusMenu() const { return m_statusMenu; }

private:
    void setupPopover();
    void setupNotchWindow();
    void updateStatusItem();
    void syncLaunchAtLogin();
    void showOnboardingIfNeeded();
    void onboardingFinished();
    void subscribe(void (CoreActions::*signal)());

    AppDelegateServices m_services;
    std::unique_ptr<QSystemTrayIcon> m_statusItem;
    std::unique_ptr<QWidget> m_popover;
    std::unique_ptr<QWidget> m_notchWindow;
    std::unique_ptr<QWidget> m_onboardingWindow;
    QPointer<QMenu> m_statusMenu;
};
