#include "TaskRunner.h"

#include "app/shell/AboutView.h"
#include "app/shell/AboutWindowController.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

QStringList labelTexts(const QWidget& widget) {
    QStringList texts;
    for (const QLabel* label : widget.findChildren<QLabel*>()) {
        if (!label->text().isEmpty())
            texts.append(label->text());
    }
    return texts;
}

TEST(AboutWindowTest, ShowsNameVersionTaglineAndLegalLine) {
    AboutView view(QStringLiteral("1.2"), QStringLiteral("7"));
    const QStringList texts = labelTexts(view);
    EXPECT_TRUE(texts.contains(QStringLiteral("Glimmerbox")));
    EXPECT_TRUE(texts.contains(QStringLiteral("Version 1.2 (7)")));
    EXPECT_TRUE(texts.contains(
        QStringLiteral("Live sports scores in your menu bar.\nAlways glanceable, never intrusive.")));
    const bool legal = std::any_of(texts.cbegin(), texts.cend(),
                                   [](const QString& text) { return text.startsWith(QStringLiteral("©")); });
    EXPECT_TRUE(legal);
    EXPECT_EQ(view.size(), QSize(340, 320));
}

TEST(AboutWindowTest, MissingVersionAndBuildFallBack) {
    EXPECT_EQ(AboutView(QString(), QString()).versionText(), QStringLiteral("Version 1.0.0 (1)"));
    EXPECT_EQ(AboutView(QStringLiteral("2.0"), QString()).versionText(), QStringLiteral("Version 2.0 (1)"));
}

TEST(AboutWindowTest, DefaultViewShowsTheBuildsVersion) {
    AboutView view;
    EXPECT_FALSE(view.appVersion().isEmpty());
    EXPECT_FALSE(view.buildNumber().isEmpty());
}

TEST(AboutWindowTest, SecondRequestWhileOpenKeepsOneWindow) {
    AboutWindowController& controller = AboutWindowController::shared();
    controller.showAboutWindow();
    QWidget* first = controller.window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), QStringLiteral("About Glimmerbox"));
    EXPECT_EQ(first->size(), QSize(340, 320));

    controller.showAboutWindow();
    EXPECT_EQ(controller.window(), first);
    EXPECT_TRUE(first->isVisible());
}

TEST(AboutWindowTest, ClosedWindowIsReplacedByANewCentredOne) {
    AboutWindowController& controller = AboutWindowController::shared();
    controller.showAboutWindow();
    QPointer<QWidget> first = controller.window();
    first->close();
    processPendingEvents();
    EXPECT_FALSE(first.isNull()) << "closing hides the window; it is kept until replaced";

    controller.showAboutWindow();
    EXPECT_TRUE(first.isNull()) << "the closed window was released";
    QWidget* second = controller.window();
    ASSERT_NE(second, nullptr);
    EXPECT_TRUE(second->isVisible());
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    // Within a few pixels: the window manager's frame is not part of the content.
    EXPECT_LE(std::abs(second->geometry().center().x() - screen.center().x()), 8);
    EXPECT_LE(std::abs(second->geometry().center().y() - screen.center().y()), 40);
}

} // namespace
