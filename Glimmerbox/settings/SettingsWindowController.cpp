#include "SettingsWindowController.h"

#include "SettingsView.h"
#include "platform/WindowPlacement.h"

SettingsWindowController& SettingsWindowController::shared() {
    // Never destroyed: its window must not outlive the QApplication at exit.
    static auto* controller = new SettingsWindowController;
    return *controller;
}

void SettingsWindowController::showSettings(AppState& appState) {
    windowplacement::presentOrReplace(m_window, [&appState] {
        return windowplacement::hostInWindow(new SettingsView(appState),
                                             QStringLiteral("Glimmerbox Settings"),
                                             QSize(windowWidth, windowHeight), /*minimizable=*/true);
    });
}
