#include "ChildWithText.h"
#include "ManualClock.h"
#include "MemorySettingsStore.h"

#include "settings/OnboardingPageDots.h"
#include "settings/OnboardingView.h"

#include <QLabel>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class OnboardingViewTest : public ::testing::Test {
protected:
    MemorySettingsStore defaults;
    int completions = 0;
    ManualClock clock;
    OnboardingView view{0, [this] { ++completions; }, OnboardingPage::pages(), defaults, clock};

    QPushButton* button(const QString& text) const { return childWithText<QPushButton>(view, text); }
    // The colour painted at a point of a widget.
    static QColor pixelAt(QWidget& widget, QPoint point) {
        return widget.grab().toImage().pixelColor(point * widget.devicePixelRatioF());
    }
};

TEST_F(OnboardingViewTest, NextAndBackOnlyMoveAndGetStartedRecordsThenCompletes) {
    EXPECT_EQ(view.currentPage(), 0);
    EXPECT_FALSE(view.isBackVisible());
    EXPECT_EQ(view.primaryButtonTitle(), QStringLiteral("Next"));

    view.goForward();
    EXPECT_EQ(view.currentPage(), 1);
    EXPECT_TRUE(view.isBackVisible());
    // The Back button itself, as the user presses it.
    QPushButton* back = button("Back");
    ASSERT_NE(back, nullptr);
    back->click();
    EXPECT_EQ(view.currentPage(), 0);
    EXPECT_FALSE(view.isBackVisible());
    EXPECT_FALSE(defaults.contains(QString(OnboardingView::completedKey)));
    EXPECT_EQ(completions, 0);

    for (int page = 1; page <= 3; ++page)
        view.goForward();
    EXPECT_EQ(view.currentPage(), 3);
    EXPECT_EQ(view.primaryButtonTitle(), QStringLiteral("Get Started"));
    EXPECT_EQ(completions, 0);

    QPushButton* getStarted = button("Get Started");
    ASSERT_NE(getStarted, nullptr);
    getStarted->click();
    EXPECT_EQ(defaults.value(QStringLiteral("hasCompletedOnboarding")), QVariant(true));
    EXPECT_EQ(completions, 1);

    // The completion action is optional.
    defaults.remove(QStringLiteral("hasCompletedOnboarding"));
    OnboardingView alone(3, nullptr, OnboardingPage::pages(), defaults);
    alone.goForward();
    EXPECT_EQ(defaults.value(QStringLiteral("hasCompletedOnboarding")), QVariant(true));
}

TEST_F(OnboardingViewTest, OnlyTheCurrentPagesDotIsAccentedAndAPageChangeFadesThenStops) {
    OnboardingPageDots& dots = view.dots();
    EXPECT_EQ(dots.emphasis(0), 1.0);
    EXPECT_EQ(dots.emphasis(1), 0.0);
    view.goForward();
    clock.advanceSeconds(0.1);
    EXPECT_GT(dots.emphasis(1), 0.0);
    EXPECT_LT(dots.emphasis(1), 1.0);
    EXPECT_TRUE(dots.isAnimating());
    clock.advanceSeconds(1.0);
    EXPECT_EQ(dots.emphasis(0), 0.0);
    EXPECT_EQ(dots.emphasis(1), 1.0);
    EXPECT_FALSE(dots.isAnimating()) << "nothing ticks once the dots have settled";
}

TEST_F(OnboardingViewTest, NextIsFilledWithTheAccentAndIdleDotsAreTheSecondaryColourAtThreeTenths) {
    view.resize(500, 500);
    view.show();
    QPushButton* next = button("Next");
    ASSERT_NE(next, nullptr);
    const QColor accent = view.palette().color(QPalette::Highlight);
    // Beside the label, inside the button's rounded outline.
    EXPECT_EQ(pixelAt(*next, QPoint(6, next->height() / 2)), accent);

    // An idle dot over white: the secondary colour (the text colour at 0.55) at 0.3, so 0.165 of the text.
    OnboardingPageDots dots(2, 0);
    QPalette palette = dots.palette();
    palette.setColor(QPalette::Window, Qt::white);
    palette.setColor(QPalette::WindowText, Qt::black);
    dots.setPalette(palette);
    dots.setAutoFillBackground(true);
    const int centre = OnboardingPageDots::dotSize / 2;
    const QColor idle =
        pixelAt(dots, QPoint(OnboardingPageDots::dotSize + OnboardingPageDots::spacing + centre, centre));
    EXPECT_NEAR(idle.red(), qRound(255 * (1 - 0.55 * 0.3)), 2);
}

TEST_F(OnboardingViewTest, TheLastPageSaysWhereTheScoresAreAndEveryDescriptionShowsInFull) {
    const QString last = OnboardingPage::pages().last().description;
    EXPECT_FALSE(last.contains("tray icon")) << "its click opens the settings, which show no scores";
    EXPECT_TRUE(last.contains("bar at the top of your screen"));

    view.resize(500, 500);
    view.show();
    for (const OnboardingPage& page : OnboardingPage::pages()) {
        const QLabel* description = childWithText<QLabel>(view, page.description);
        ASSERT_NE(description, nullptr);
        EXPECT_GE(description->height(), description->heightForWidth(description->width()))
            << page.title.toStdString();
        view.goForward();
    }
}

} // namespace
