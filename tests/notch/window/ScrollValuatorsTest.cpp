#include "platform/input/ScrollValuators.h"
#include "platform/input/SystemPointerSource.h"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace {

// A touchpad whose valuators 0 and 1 move the pointer and 2 and 3 scroll sideways and up and down.
ScrollValuators touchpad(double increment = 15) {
    ScrollValuators device;
    device.precise = true;
    device.axes = {ScrollAxis{2, true, increment, false, std::nullopt},
                   ScrollAxis{3, false, increment, false, std::nullopt}};
    return device;
}

using Delta = std::tuple<double, double, bool>; // dx, dy, precise

std::optional<Delta> decode(ScrollValuators& device, std::vector<uint32_t> mask, std::vector<double> values) {
    const std::optional<ScrollDelta> delta = device.decode(mask, values);
    return delta ? std::optional(Delta{delta->dx, delta->dy, delta->precise}) : std::nullopt;
}

} // namespace

TEST(ScrollValuatorsTest, ScrollFollowsTheContentAndPointerMotionAloneIsNoScroll) {
    ScrollValuators device = touchpad();
    EXPECT_EQ(decode(device, {0b0111}, {5, 6, -30}), Delta(30, 0, true));
    EXPECT_EQ(decode(device, {0b1000}, {12}), Delta(0, -12, true));
    EXPECT_EQ(decode(device, {0b0011}, {5, 6}), std::nullopt);
    EXPECT_EQ(decode(device, {0b0100}, {0}), std::nullopt);
    // A mask promising more values than the event holds.
    EXPECT_EQ(decode(device, {0b0100}, {}), std::nullopt);
}

TEST(ScrollValuatorsTest, WheelNotchesAbsoluteAxesAndAxesBeyondTheFirstMaskWord) {
    ScrollValuators wheel = touchpad(120);
    wheel.precise = false;
    EXPECT_EQ(decode(wheel, {0b0100}, {120}), Delta(-15, 0, false)) << "one notch is 15 points";

    ScrollValuators absolute = touchpad();
    absolute.axes[0].absolute = true; // the change since the last value
    EXPECT_EQ(decode(absolute, {0b0100}, {1000}), std::nullopt);
    EXPECT_EQ(decode(absolute, {0b0100}, {1040}), Delta(-40, 0, true));

    ScrollValuators high;
    high.axes = {ScrollAxis{33, true, 15, false, std::nullopt}};
    EXPECT_EQ(decode(high, {0b1, 0b10}, {7, -9}), Delta(9, 0, false));
}

TEST(ScrollValuatorsTest, TouchpadsAreKnownByName) {
    EXPECT_TRUE(ScrollValuators::nameLooksLikeTouchpad(QStringLiteral("SynPS/2 Synaptics TouchPad")));
    EXPECT_TRUE(ScrollValuators::nameLooksLikeTouchpad(QStringLiteral("Apple Inc. Magic Trackpad 2")));
    EXPECT_FALSE(ScrollValuators::nameLooksLikeTouchpad(QStringLiteral("Logitech USB Optical Mouse")));
}

TEST(PointerPollingTest, PollsQuicklyOnlyNearTheAreaOfInterest) {
    const QRect strip(790, -10, 340, 44);
    EXPECT_EQ(SystemPointerSource::pollPeriodFor({960, 10}, strip), SystemPointerSource::nearPollMs);
    EXPECT_EQ(SystemPointerSource::pollPeriodFor({960, 33 + SystemPointerSource::nearMargin}, strip),
              SystemPointerSource::nearPollMs);
    EXPECT_EQ(SystemPointerSource::pollPeriodFor({960, 540}, strip), SystemPointerSource::farPollMs);
    EXPECT_EQ(SystemPointerSource::pollPeriodFor({960, 540}, std::nullopt), SystemPointerSource::nearPollMs);

    // A pointer that moves near the overlay is read every frame, so a half-second rest starts on time.
    EXPECT_LE(SystemPointerSource::motionReadPeriodFor({960, 10}, strip), 17);
    EXPECT_EQ(SystemPointerSource::motionReadPeriodFor({960, 540}, strip), SystemPointerSource::farPollMs);
}
