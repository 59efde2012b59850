#include "notch/picker/RefreshControlModel.h"
#include "notch/picker/RefreshControlView.h"

#include "ControlledFetch.h"
#include "ManualClock.h"
#include "TaskRunner.h"

#include <gtest/gtest.h>

namespace {

class RefreshControlModelTest : public ::testing::Test {
protected:
    void tick(int count = 1) {
        for (int i = 0; i < count; ++i)
            clock.advanceSeconds(RefreshControlModel::tickSeconds);
    }

    ManualClock clock;
    ControlledFetch fetch;
    RefreshControlModel control{clock, [this] { return fetch.run(); }};
};

using State = RefreshControlModel::State;

} // namespace

TEST_F(RefreshControlModelTest, LeavingWhileChargingEasesBackAndTheNextChargeFiresOnTheEleventhTick) {
    std::optional<RefreshControlModel::ProgressMotion> lastMotion;
    QObject::connect(&control, &RefreshControlModel::refreshHoverProgressChanged,
                     [&](double, RefreshControlModel::ProgressMotion motion) { lastMotion = motion; });
    control.handleRefreshHover(true);
    tick(10);
    control.handleRefreshHover(false);
    EXPECT_EQ(control.refreshHoverProgress(), 0);
    EXPECT_EQ(lastMotion, RefreshControlModel::ProgressMotion::easeBack);
    tick(20);
    EXPECT_EQ(fetch.calls, 0);
    EXPECT_EQ(control.state(), State::idle);

    control.handleRefreshHover(true);
    EXPECT_EQ(control.state(), State::charging);
    tick(10);
    EXPECT_EQ(fetch.calls, 0);
    EXPECT_LT(control.refreshHoverProgress(), 1.0);
    EXPECT_GT(control.refreshHoverProgress(), 0.99);
    EXPECT_TRUE(control.showsFill());

    tick();
    EXPECT_EQ(fetch.calls, 1);
    EXPECT_EQ(control.state(), State::refreshing);
    EXPECT_EQ(control.refreshHoverProgress(), 0);
    EXPECT_EQ(clock.pendingCount(), 0); // the charge timer is gone
}

TEST_F(RefreshControlModelTest, CoolsDownAloneForThirtySecondsAfterTheFetchReturnsIgnoringThePointer) {
    control.handleRefreshHover(true);
    tick(11);
    // While the fetch runs, the pointer changes nothing.
    control.handleRefreshHover(false);
    control.handleRefreshHover(true);
    EXPECT_EQ(clock.pendingCount(), 0);
    EXPECT_EQ(control.state(), State::refreshing);

    fetch.finish();
    processPendingEvents();
    EXPECT_EQ(control.state(), State::coolingDown);
    EXPECT_EQ(control.labelText(), "Wait");
    EXPECT_DOUBLE_EQ(control.labelOpacity(), 0.2);
    // Another control has a cool-down of its own.
    RefreshControlModel other{clock, [this] { return fetch.run(); }};
    other.handleRefreshHover(true);
    EXPECT_EQ(other.state(), State::charging);
    other.handleRefreshHover(false);

    // Entering during the cool-down shows no fill and starts no timer; leaving does nothing either.
    control.handleRefreshHover(true);
    tick(20);
    control.handleRefreshHover(false);
    EXPECT_FALSE(control.showsFill());
    EXPECT_EQ(fetch.calls, 1);

    clock.advanceSeconds(RefreshControlModel::cooldownSeconds - 1.0 - 20 * RefreshControlModel::tickSeconds);
    EXPECT_TRUE(control.refreshCooldown());
    clock.advanceSeconds(1.0);
    EXPECT_EQ(control.state(), State::idle);
    EXPECT_EQ(control.labelText(), "Refresh");
    // A pointer still resting there starts nothing; the next entry does.
    tick(20);
    EXPECT_EQ(fetch.calls, 1);
    control.handleRefreshHover(true);
    tick(11);
    EXPECT_EQ(fetch.calls, 2);
}

TEST_F(RefreshControlModelTest, TheBarsSpinnerTurnsOnlyWhileShownAndAgainWhenShownMidRefresh) {
    RefreshControlView bar(control, clock);
    bar.setAttribute(Qt::WA_DontShowOnScreen);
    bar.show();
    control.handleRefreshHover(true);
    tick(11);
    ASSERT_EQ(control.state(), State::refreshing);
    clock.advanceSeconds(1); // the bar's fill settles; the fetch still runs
    EXPECT_EQ(clock.pendingCount(), 1);

    bar.hide();
    EXPECT_EQ(clock.pendingCount(), 0);
    bar.show();
    EXPECT_EQ(clock.pendingCount(), 1);
}
