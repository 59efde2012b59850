#pragma once

#include "ShellWindows.h"
#include "notch/panels/OverlayPanels.h"
#include "popover/menu/PopoverServices.h"

class AppState;

// The real windows: settings and About through their controllers, the popover, the overlay window and the
// onboarding window, and the update check's answer in a message box.
class DesktopShellWindows final : public ShellWindows {
public:
    explicit DesktopShellWindows(AppState& appState);

    void showSettings() override;
    void showAbout() override;
    void showUpdateResult(const UpdateCheckResult& result) override;
    void popUpStatusMenu(QMenu* menu) override;
    std::optional<QRect> primaryScreenGeometry() const override;
    std::unique_ptr<QWidget> createPopover() override;
    std::unique_ptr<QWidget> createOverlayWindow(const OverlayGeometry& geometry,
                                                 bool hasPhysicalNotch) override;
    std::unique_ptr<QWidget> createOnboardingWindow(std::function<void()> onComplete) override;

private:
    AppState& m_appState;
    PopoverServices m_popoverServices;
    // The panels the overlay hosts: racing, leaders, idle picker, game picker, SELECT.
    OverlayPanels m_overlayPanels;
};
