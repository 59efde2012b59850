#include "StubAppState.h"
#include "TaskRunner.h"

#include "settings/SettingsView.h"
#include "settings/SettingsWindowController.h"

#include <QPointer>
#include <QTabWidget>

#include <gtest/gtest.h>

namespace {

TEST(SettingsWindowControllerTest, OpensOneTitledCentredWindowAndRaisesItWhileOpen) {
    StubAppState app;
    SettingsWindowController& controller = SettingsWindowController::shared();
    controller.showSettings(app.state);
    QWidget* window = controller.window();
    ASSERT_NE(window, nullptr);
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Glimmerbox Settings"));
    EXPECT_EQ(window->size(), QSize(550, 460));
    EXPECT_NE(window->findChild<SettingsView*>(), nullptr);

    controller.showSettings(app.state);
    EXPECT_EQ(controller.window(), window);

    // Closing hides the window; the next request builds a new one on the Leagues tab.
    window->close();
    processPendingEvents();
    QPointer<QWidget> closed = window;
    EXPECT_FALSE(closed.isNull());
    controller.showSettings(app.state);
    EXPECT_TRUE(closed.isNull());
    ASSERT_NE(controller.window(), nullptr);
    EXPECT_TRUE(controller.window()->isVisible());
    auto* tabs = controller.window()->findChild<QTabWidget*>();
    ASSERT_NE(tabs, nullptr);
    EXPECT_EQ(tabs->tabText(tabs->currentIndex()), QStringLiteral("Leagues"));
}

TEST(SettingsViewTest, FooterShowsVersionAndBuildWithFallbacks) {
    EXPECT_EQ(SettingsView::versionText(QStringLiteral("1.2"), QStringLiteral("7")),
              QStringLiteral("Glimmerbox v1.2 (7)"));
    EXPECT_EQ(SettingsView::versionText(QStringLiteral("1.2"), QString()),
              QStringLiteral("Glimmerbox v1.2 (1)"));
    EXPECT_EQ(SettingsView::versionText(QString(), QString()), QStringLiteral("Glimmerbox v1.0.0 (1)"));
}

} // namespace
