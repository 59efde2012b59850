#include "DesktopShellWindows.h"

#include "AboutWindowController.h"
#include "UpdateResultBox.h"
#include "model/UserPreferences.h"
#include "notch/state/NotchViewModel.h"
#include "notch/window/ClickThroughWindow.h"
#include "notch/window/FirstMouseHostingView.h"
#include "notch/window/NotchOverlayView.h"
#include "notch/window/OverlayNotifications.h"
#include "platform/desktop/Updater.h"
#include "platform/input/WindowPlacement.h"
#include "popover/menu/MenuBarView.h"
#include "service/ESPNAPIService.h"
#include "settings/OnboardingPage.h"
#include "settings/OnboardingView.h"
#include "settings/SettingsWindowController.h"

#include <QCursor>
#include <QGuiApplication>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QVBoxLayout>

DesktopShellWindows::DesktopShellWindows(AppState& appState)
    : m_appState(appState), m_popoverServices{appState, ESPNAPIService::shared(), UserPreferences::shared(),
                                              [this] { showSettings(); }},
      m_overlayPanels(UserPreferences::shared(), Clock::system()) {}

void DesktopShellWindows::showSettings() {
    SettingsWindowController::shared().showSettings(m_appState);
}

void DesktopShellWindows::showAbout() {
    AboutWindowController::shared().showAboutWindow();
}

void DesktopShellWindows::showUpdateResult(const UpdateCheckResult& result) {
    windowplacement::present(makeUpdateResultBox(result));
}

void DesktopShellWindows::popUpStatusMenu(QMenu* menu) {
    menu->popup(QCursor::pos());
}

std::optional<QRect> DesktopShellWindows::primaryScreenGeometry() const {
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        return screen->geometry();
    return std::nullopt;
}

std::unique_ptr<QWidget> DesktopShellWindows::createPopover() {
    // A Qt::Popup closes itself on any click outside it.
    auto popover = std::make_unique<QWidget>(nullptr, Qt::Popup);
    auto* layout = new QVBoxLayout(popover.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(new MenuBarView(m_popoverServices));
    popover->resize(MenuBarView::popoverWidth, MenuBarView::popoverHeight);
    return popover;
}

std::unique_ptr<QWidget> DesktopShellWindows::createOverlayWindow(const OverlayGeometry& geometry,
                                                                  bool hasPhysicalNotch) {
    auto window = std::make_unique<ClickThroughWindow>(geometry.window);
    auto* viewModel =
        new NotchViewModel(m_appState, ESPNAPIService::shared(), UserPreferences::shared(), Clock::system());
    auto* view = new NotchOverlayView(hasPhysicalNotch, viewModel, m_appState, Clock::system(),
                                      OverlayNotificationCenter::shared(), &m_overlayPanels);
    view->followPointerOf(*window);
    window->setContentView(new FirstMouseHostingView(view));
    window->setHoverZone(geometry.hoverZone);
    window->setExpandedZone(geometry.expandedZone);
    window->show();
    window->startTracking();
    return window;
}

std::unique_ptr<QWidget> DesktopShellWindows::createOnboardingWindow(std::function<void()> onComplete) {
    auto* view = new OnboardingView(0, std::move(onComplete), OnboardingPage::pages());
    std::unique_ptr<QWidget> window =
        windowplacement::hostInWindow(view, QStringLiteral("Welcome to Glimmerbox"), QSize(500, 600));
    windowplacement::present(window.get());
    return window;
}
