#include "GlimmerboxApp.h"

#include "BuildInfo.h"
#include "LazyApplicationIcon.h"
#include "app/AppState.h"
#include "app/NotificationService.h"
#include "model/UserPreferences.h"
#include "platform/desktop/SettingsStore.h"
#include "platform/desktop/Updater.h"
#include "service/ESPNAPIService.h"

#include <QApplication>

void GlimmerboxApp::configure(QApplication& application) {
    QApplication::setApplicationName(QStringLiteral("Glimmerbox"));
    QApplication::setOrganizationName(QStringLiteral("Glimmerbox"));
    QApplication::setApplicationVersion(QString::fromLatin1(BuildInfo::version));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(BuildInfo::appId));
    new LazyApplicationIcon(QStringLiteral(":/glimmerbox/icons/glimmerbox.svg"), &application);
    application.setQuitOnLastWindowClosed(false);
}

GlimmerboxApp::GlimmerboxApp()
    : m_core(AppState::shared(), NotificationService::shared()), m_autostart(Autostart::forCurrentUser()),
      m_windows(AppState::shared()),
      m_delegate(AppDelegateServices{m_core, UserPreferences::shared(), SettingsStore::standard(),
                                     m_autostart, Updater::shared(), m_windows,
                                     [] { QCoreApplication::quit(); }}),
      m_gameDetails(AppState::shared(), ESPNAPIService::shared()),
      m_notificationResponder(NotificationService::shared().notifier(), AppState::shared(), m_gameDetails) {
    connect(qApp, &QCoreApplication::aboutToQuit, &m_delegate, &AppDelegate::applicationWillTerminate);
    connect(&m_quitSignals, &QuitSignals::quitRequested, qApp, &QCoreApplication::quit);
    connect(&m_quitSignals, &QuitSignals::saveRequested, this, [] { UserPreferences::shared().save(); });
    m_quitSignals.install();
}

GlimmerboxApp::~GlimmerboxApp() = default;

void GlimmerboxApp::start() {
    m_delegate.applicationDidFinishLaunching();
}

void GlimmerboxApp::openSettings() {
    m_delegate.openSettings();
}
