// The About window: what it shows, and one window at a time.
#include "TaskRunner.h"

#include "settings/OnboardingPage.h"
#include "shell/AboutView.h"
#include "shell/AboutWindowController.h"

#include <QGuiApplication>
#include <QLabel>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

TEST(AboutWindowTest, ShowsNameVersionTaglineAndLegalLine) {
    AboutView view("1.2", "7");
    QStringList texts;
    for (const QLabel* label : view.findChildren<QLabel*>())
        texts.append(label->text());
    EXPECT_TRUE(texts.contains("Glimmerbox"));
    EXPECT_TRUE(texts.contains("Version 1.2 (7)"));
    EXPECT_TRUE(
        texts.contains("Live sports scores at the top of your screen.\nAlways glanceable, never intrusive."));
    EXPECT_TRUE(
        std::any_of(texts.cbegin(), texts.cend(), [](const QString& text) { return text.startsWith("©"); }));

    // Missing version and build fall back; the default view shows the build's own.
    EXPECT_EQ(AboutView(QString(), QString()).versionText(), "Version 1.0.0 (1)");
    EXPECT_EQ(AboutView("2.0", QString()).versionText(), "Version 2.0 (1)");
    AboutView built;
    EXPECT_FALSE(built.appVersion().isEmpty());
    EXPECT_FALSE(built.buildNumber().isEmpty());
}

TEST(AboutWindowTest, TaglineAndTheWelcomesFirstPageSayInTheSameWordsThatTheScoresSitAtTheTopOfTheScreen) {
    const QString tagline = "Live sports scores at the top of your screen.";
    EXPECT_EQ(OnboardingPage::pages().first().description, tagline + " Always glanceable, never intrusive.");
    AboutView view;
    view.show();
    const auto labels = view.findChildren<QLabel*>();
    const auto shown = std::find_if(labels.cbegin(), labels.cend(), [&](const QLabel* label) {
        return label->text().section('\n', 0, 0) == tagline;
    });
    ASSERT_NE(shown, labels.cend());
    EXPECT_LE((*shown)->sizeHint().width(), (*shown)->width()) << "the tagline shows in full";
    for (const QLabel* label : labels)
        EXPECT_FALSE(label->text().contains("menu bar")) << label->text().toStdString();
}

TEST(AboutWindowTest, SecondRequestWhileOpenKeepsOneWindowAClosedOneIsReplacedByANewCentredOne) {
    AboutWindowController& controller = AboutWindowController::shared();
    controller.showAboutWindow();
    QPointer<QWidget> first = controller.window();
    ASSERT_NE(first, nullptr);
    EXPECT_TRUE(first->isVisible());
    EXPECT_EQ(first->windowTitle(), "About Glimmerbox");
    controller.showAboutWindow();
    EXPECT_EQ(controller.window(), first);
    EXPECT_TRUE(first->isVisible());

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
