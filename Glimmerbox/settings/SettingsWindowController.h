#pragma once

#include "SettingsServices.h"

#include <QWidget>

#include <functional>
#include <memory>

class AppState;

// Owns the settings window: shows the open one, or builds a fresh one when none is visible.
class SettingsWindowController {
public:
    static constexpr int windowWidth = 550;
    static constexpr int windowHeight = 460;

    using ServicesFor = std::function<SettingsServices(AppState&)>;
    explicit SettingsWindowController(ServicesFor services);

    // On the application's shared services.
    static SettingsWindowController& shared();

    // Brings a visible window to the front; otherwise replaces the (closed) window by a new, centred one.
    void showSettings(AppState& appState);

    QWidget* window() const { return m_window.get(); }

private:
    ServicesFor m_services;
    std::unique_ptr<QWidget> m_window;
};
