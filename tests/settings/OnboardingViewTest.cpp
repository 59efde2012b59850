#include "ManualClock.h"
#include "MemorySettingsStore.h"

#include "settings/OnboardingPageDots.h"
#include "settings/OnboardingView.h"

#include <QPushButton>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

class OnboardingViewTest : public ::testing::Test {
protected:
    MemorySettingsStore defaults;
    int completions = 0;
    ManualClock clock;
    OnboardingView view{0, [this] { ++completions; }, OnboardingPage::pages(), defaults, clock};
};

TEST_F(OnboardingViewTest, NextAndBackOnlyMoveAndGetStartedRecordsThenCompletes) {
    EXPECT_EQ(view.currentPage(), 0);
    EXPECT_FALSE(view.isBackVisible());
    EXPECT_EQ(view.primaryButtonTitle(), QStringLiteral("Next"));

    view.goForward();
    EXPECT_EQ(view.currentPage(), 1);
    EXPECT_TRUE(view.isBackVisible());
    view.goBack();
    EXPECT_EQ(view.currentPage(), 0);
    EXPECT_FALSE(defaults.contains(QString(OnboardingView::completedKey)));
    EXPECT_EQ(completions, 0);

    for (int page = 1; page <= 3; ++page)
        view.goForward();
    EXPECT_EQ(view.currentPage(), 3);
    EXPECT_EQ(view.primaryButtonTitle(), QStringLiteral("Get Started"));
    EXPECT_EQ(completions, 0);

    // The button itself, as the user presses it.
    const QList<QPushButton*> buttons = view.findChildren<QPushButton*>();
    const auto getStarted = std::ranges::find(buttons, QStringLiteral("Get Started"), &QPushButton::text);
    ASSERT_NE(getStarted, buttons.end());
    (*getStarted)->click();
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

} // namespace
