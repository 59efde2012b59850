#include "SettingsWindowController.h"

#include "SettingsView.h"
#include "platform/input/WindowPlacement.h"

SettingsWindowController::SettingsWindowController(ServicesFor services) : m_services(std::move(services)) {}

SettingsWindowController& SettingsWindowController::shared() {
    // Never destroyed: its window must not outlive the QApplication at exit.
    static auto* controller = new SettingsWindowController(&SettingsServices::shared);
    return *controller;
}

void SettingsWindowController::showSettings(AppState& appState) {
    windowplacement::presentOrReplace(m_window, [this, &appState] {
        return windowplacement::hostInWindow(new SettingsView(m_services(appState)),
                                             QStringLiteral("Glimmerbox Settings"),
                                             QSize(windowWidth, windowHeight),
                                             /*minimizable=*/true);
    });
}
