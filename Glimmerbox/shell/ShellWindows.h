#pragma once

#include "OverlayGeometry.h"

#include <QRect>

#include <functional>
#include <memory>
#include <optional>

class QMenu;
class QWidget;
struct UpdateCheckResult;

// The windows the delegate opens. DesktopShellWindows makes the real ones; tests record the requests.
class ShellWindows {
public:
    virtual ~ShellWindows() = default;

    virtual void showSettings() = 0;
    virtual void showAbout() = 0;
    virtual void showUpdateResult(const UpdateCheckResult& result) = 0;
    // Pops the status menu up at the pointer; returns at once.
    virtual void popUpStatusMenu(QMenu* menu) = 0;

    // The primary screen's geometry, none without a screen.
    virtual std::optional<QRect> primaryScreenGeometry() const = 0;

    // The popover, built but not shown.
    virtual std::unique_ptr<QWidget> createPopover() = 0;
    // The overlay window, placed, shown, tracking the pointer and click-through.
    virtual std::unique_ptr<QWidget> createOverlayWindow(const OverlayGeometry& geometry,
                                                         bool hasPhysicalNotch) = 0;
    // The onboarding window, centred and shown; `onComplete` runs when the user finishes it.
    virtual std::unique_ptr<QWidget> createOnboardingWindow(std::function<void()> onComplete) = 0;
};
