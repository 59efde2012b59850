#include "AppDelegate.h"

#include "CoreActions.h"
#include "ShellWindows.h"
#include "StatusIcon.h"
#include "model/UserPreferences.h"
#include "platform/desktop/SettingsStore.h"
#include "platform/desktop/UnconfirmedEdits.h"
#include "platform/desktop/Updater.h"
#include "platform/input/WindowPlacement.h"
#include "settings/LaunchAtLogin.h"
#include "settings/OnboardingView.h"

#include <QMenu>

namespace {

// The launch task: categories, a fresh fetch, the three timers, then the team lists (not awaited).
QCoro::Task<> launchTask(QPointer<CoreActions> core) {
    co_await core->registerCategories();
    if (!core)
        co_return;
    co_await core->freshFetch();
    if (!core)
        co_return;
    core->schedulePinnedRefresh();
    core->scheduleLeagueRefresh();
    core->scheduleFullRefresh();
    // Runs detached; QCoro frees the task when it finishes.
    core->loadAllTeams();
}

} // namespace

AppDelegate::AppDelegate(AppDelegateServices services, QObject* parent)
    : QObject(parent), m_services(std::move(services)) {
    connect(&m_services.updater, &Updater::checkFinished, this,
            [this](const UpdateCheckResult& result) { m_services.windows.showUpdateResult(result); });
}

AppDelegate::~AppDelegate() = default;

void AppDelegate::applicationDidFinishLaunching() {
    // showInDock has no counterpart here: a tray application has no taskbar entry of its own, so the setting
    // changes nothing at launch.
    QMetaObject::invokeMethod(this, &AppDelegate::setupStatusItemAndWindows, Qt::QueuedConnection);
}

void AppDelegate::setupStatusItemAndWindows() {
    // The icon is the same whatever the pins or the network, so it is set once here.
    m_statusItem = std::make_unique<QSystemTrayIcon>(StatusIcon::icon());
    m_statusItem->setToolTip(QStringLiteral("Glimmerbox"));
    connect(m_statusItem.get(), &QSystemTrayIcon::activated, this, &AppDelegate::handleStatusItemClick);
    updateStatusItem();

    setupPopover();
    setupNotchWindow();
    // The popover is a Qt::Popup: it closes itself on any click outside it, so no global monitor is needed.
    syncLaunchAtLogin();
    launchTask(QPointer<CoreActions>(&m_services.core));
    subscribe(&CoreActions::pinnedGamesChanged);
    subscribe(&CoreActions::isNetworkAvailableChanged);
    showOnboardingIfNeeded();
}

void AppDelegate::subscribe(void (CoreActions::*signal)()) {
    // Delivered on a later event-loop turn, the current value included.
    connect(&m_services.core, signal, this, &AppDelegate::updateStatusItem, Qt::QueuedConnection);
    QMetaObject::invokeMethod(this, &AppDelegate::updateStatusItem, Qt::QueuedConnection);
}

void AppDelegate::setupPopover() {
    m_popover = m_services.windows.createPopover();
}

void AppDelegate::setupNotchWindow() {
    // Read once: turning the overlay on or off takes effect at the next launch.
    if (!m_services.preferences.useNotch())
        return;
    // No display here has a camera notch that Qt reports, so the overlay always draws its own bar.
    const bool hasPhysicalNotch = false;
    const OverlayGeometry geometry = OverlayGeometry::forScreen(m_services.windows.primaryScreenGeometry());
    m_notchWindow = m_services.windows.createOverlayWindow(geometry, hasPhysicalNotch);
}

void AppDelegate::showOnboardingIfNeeded() {
    if (m_services.defaults.value(QString(OnboardingView::completedKey)).toBool())
        return;
    QPointer<AppDelegate> self(this);
    m_onboardingWindow = m_services.windows.createOnboardingWindow([self] {
        if (self)
            self->onboardingFinished();
    });
}

void AppDelegate::onboardingFinished() {
    if (!m_onboardingWindow)
        return;
    // The completion action runs inside the window's own button handler: close now, delete later.
    QWidget* window = m_onboardingWindow.release();
    window->close();
    window->deleteLater();
}

void AppDelegate::updateStatusItem() {
    if (m_statusItem)
        m_statusItem->show();
}

void AppDelegate::handleStatusItemClick(QSystemTrayIcon::ActivationReason reason) {
    if (reason == QSystemTrayIcon::Context)
        showStatusMenu();
    else
        openSettings();
}

void AppDelegate::togglePopover() {
    if (!m_popover)
        return;
    if (m_popover->isVisible()) {
        m_popover->close();
        return;
    }
    if (m_statusItem) {
        const QRect anchor = m_statusItem->geometry();
        m_popover->move(anchor.center().x() - m_popover->width() / 2, anchor.bottom());
    }
    m_popover->show();
    m_popover->activateWindow();
    m_services.core.freshFetch();
}

std::unique_ptr<QMenu> AppDelegate::buildStatusMenu() {
    auto menu = std::make_unique<QMenu>();
    menu->addAction(QStringLiteral("About Glimmerbox"), this, &AppDelegate::showAbout);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Check for Updates…"), this, &AppDelegate::checkForUpdates);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Refresh"), QKeySequence(Qt::CTRL | Qt::Key_R), this,
                    &AppDelegate::refreshData);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Settings..."), QKeySequence(Qt::CTRL | Qt::Key_Comma), this,
                    &AppDelegate::openSettings);
    menu->addSeparator();
    menu->addAction(QStringLiteral("Quit Glimmerbox"), QKeySequence(Qt::CTRL | Qt::Key_Q), this,
                    &AppDelegate::quitApp);
    return menu;
}

void AppDelegate::showStatusMenu() {
    // A fresh menu for each right click, gone once it closes, so a later left click reaches the settings.
    QMenu* menu = buildStatusMenu().release();
    menu->setAttribute(Qt::WA_DeleteOnClose);
    m_statusMenu = menu;
    m_services.windows.popUpStatusMenu(menu);
}

void AppDelegate::showAbout() {
    m_services.windows.showAbout();
}

void AppDelegate::checkForUpdates() {
    m_services.updater.checkForUpdates();
}

void AppDelegate::refreshData() {
    // Runs detached; QCoro frees the task when it finishes.
    m_services.core.refreshLeagues();
}

void AppDelegate::openSettings() {
    m_services.windows.showSettings();
    // A welcome still open comes forward with the settings, in front of them, minimised or not; one the user
    // closed waits for the next launch.
    if (m_onboardingWindow && m_onboardingWindow->isVisible())
        windowplacement::present(m_onboardingWindow.get());
}

void AppDelegate::quitApp() {
    m_services.quit();
}

void AppDelegate::syncLaunchAtLogin() {
    // A failure is only logged: the setting stays as it is.
    setLaunchAtLogin(m_services.autostart, m_services.preferences.launchAtLogin());
}

void AppDelegate::applicationWillTerminate() {
    commitUnconfirmedEdits();
    m_services.preferences.save();
}
