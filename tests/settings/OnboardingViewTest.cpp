#include "MemorySettingsStore.h"

#include "settings/OnboardingView.h"

#include <QPushButton>

#include <gtest/gtest.h>

namespace {

class OnboardingViewTest : public ::testing::Test {
protected:
    MemorySettingsStore defaults;
    int completions = 0;
    OnboardingView view{0, [this] { ++completions; }, OnboardingPage::pages(), defaults};
};

TEST_F(OnboardingViewTest, HasTheFourPagesInOrder) {
    QStringList titles;
    for (const OnboardingPage& page : OnboardingPage::pages())
        titles.append(page.title);
    EXPECT_EQ(titles, (QStringList{"Welcome to Glimmerbox", "Pick Your Teams", "Smart Notifications",
                                   "You're Ready!"}));
    EXPECT_EQ(OnboardingPage::pages().first().icon, QStringLiteral("sportscourt.fill"));
}

TEST_F(OnboardingViewTest, NextAdvancesWithoutRecordingAndBackReturns) {
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
}

TEST_F(OnboardingViewTest, GetStartedOnTheLastPageRecordsThenCompletes) {
    view.goForward();
    view.goForward();
    view.goForward();
    EXPECT_EQ(view.currentPage(), 3);
    EXPECT_EQ(view.primaryButtonTitle(), QStringLiteral("Get Started"));
    EXPECT_EQ(completions, 0);

    // The button itself, as the user presses it.
    QPushButton* getStarted = nullptr;
    for (QPushButton* button : view.findChildren<QPushButton*>()) {
        if (button->text() == QStringLiteral("Get Started"))
            getStarted = button;
    }
    ASSERT_NE(getStarted, nullptr);
    getStarted->click();
    EXPECT_EQ(defaults.value(QStringLiteral("hasCompletedOnboarding")), QVariant(true));
    EXPECT_EQ(completions, 1);
}

TEST_F(OnboardingViewTest, CompletionActionIsOptional) {
    OnboardingView alone(3, nullptr, OnboardingPage::pages(), defaults);
    alone.goForward();
    EXPECT_EQ(defaults.value(QStringLiteral("hasCompletedOnboarding")), QVariant(true));
}

} // namespace
