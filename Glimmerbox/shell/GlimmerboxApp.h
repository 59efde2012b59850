#pragma once

#include "AppDelegate.h"
#include "CoreActions.h"
#include "DesktopShellWindows.h"
#include "GameDetailWindows.h"
#include "NotificationResponder.h"
#include "platform/desktop/Autostart.h"
#include "platform/desktop/QuitSignals.h"

#include <QObject>

class QApplication;

// The application object: wires the delegate to the shared state, services and windows, and routes every
// way of quitting (menu, signals, end of session) through aboutToQuit, where the settings are saved. The
// session manager's request for the data saves them as well.
class GlimmerboxApp : public QObject {
    Q_OBJECT
public:
    // Names the application and keeps it running without windows; call right after creating it.
    static void configure(QApplication& application);

    GlimmerboxApp();
    ~GlimmerboxApp() override;

    // Launch finished: the delegate builds the tray icon and windows on the next event-loop turn.
    void start();

    void openSettings();

private:
    AppStateCoreActions m_core;
    Autostart m_autostart;
    DesktopShellWindows m_windows;
    AppDelegate m_delegate;
    GameDetailWindows m_gameDetails;
    NotificationResponder m_notificationResponder;
    QuitSignals m_quitSignals;
};
