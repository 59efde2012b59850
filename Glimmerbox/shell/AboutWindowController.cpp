#include "AboutWindowController.h"

#include "AboutView.h"
#include "platform/input/WindowPlacement.h"

AboutWindowController& AboutWindowController::shared() {
    // Never destroyed: its window must not outlive the QApplication at exit.
    static auto* controller = new AboutWindowController;
    return *controller;
}

void AboutWindowController::showAboutWindow() {
    windowplacement::presentOrReplace(m_window, [] {
        return windowplacement::hostInWindow(new AboutView, QStringLiteral("About Glimmerbox"),
                                             QSize(AboutView::viewWidth, AboutView::viewHeight));
    });
}
