#include "notch/window/OverlayPointerTracker.h"

#include "OverlayGeometry.h"

#include <gtest/gtest.h>

using Event = OverlayPointerTracker::Event;
using enum OverlayPointerTracker::Event;
namespace geo = overlay_geometry;

namespace {

MonotonicTime at(double seconds) {
    return MonotonicTime{} + std::chrono::milliseconds(qRound64(seconds * 1000));
}

OverlayPointerTracker makeTracker(bool inside = true) {
    OverlayPointerTracker tracker(geo::window);
    tracker.setHoverZone(geo::hoverStrip);
    tracker.setExpandedZone(geo::window);
    if (inside)
        tracker.pointerMoved(geo::inStrip);
    return tracker;
}

// Each move is checked for the crossing it reports and whether the pointer counts as inside afterwards.
void expectMoves(OverlayPointerTracker& tracker,
                 std::initializer_list<std::tuple<QPoint, Event, bool>> moves) {
    int step = 0;
    for (const auto& [to, expected, insideAfter] : moves) {
        SCOPED_TRACE(testing::Message() << "move " << step++);
        EXPECT_EQ(tracker.pointerMoved(to), expected);
        EXPECT_EQ(tracker.isMouseInside(), insideAfter);
    }
}

// Each precise sideways step, taken `seconds` into the test, is checked for the swipe it completes and the
// distance summed afterwards.
void expectScrolls(OverlayPointerTracker& tracker,
                   std::initializer_list<std::tuple<double, double, Event, double>> scrolls) {
    int step = 0;
    for (const auto& [dx, seconds, expected, sumAfter] : scrolls) {
        SCOPED_TRACE(testing::Message() << "scroll " << step++);
        EXPECT_EQ(tracker.scrolled(ScrollDelta{dx, 0, true}, at(seconds)), expected);
        EXPECT_DOUBLE_EQ(tracker.scrollAccumulator(), sumAfter);
    }
}

} // namespace

TEST(OverlayZonesTest, EnteringNeedsTheStripStayingNeedsOnlyTheArea) {
    OverlayPointerTracker tracker = makeTracker(false);
    expectMoves(tracker, {
                             // Inside the window but below or beside the strip is not entering.
                             {geo::belowStripInWindow, none, false},
                             {{960, 34}, none, false}, // the strip ends 44 points below its top
                             {{geo::hoverStrip.left() - 1, 5}, none, false},
                             {{960, 33}, mouseEntered, true},
                             // Anywhere in the 440 x 680 area keeps the pointer inside.
                             {geo::belowStripInWindow, none, true},
                             {{geo::window.right(), geo::window.bottom()}, none, true},
                             {{geo::window.left(), 300}, none, true},
                             // Leaving the area posts exactly one exit.
                             {{geo::window.left() - 1, 300}, mouseExited, false},
                             {geo::outside, none, false},
                             {geo::belowStripInWindow, none, false},
                             {{geo::hoverStrip.left(), 5}, mouseEntered, true},
                             {geo::inStrip, none, true},
                             {{960, geo::window.bottom() + 1}, mouseExited, false},
                         });
}

TEST(OverlaySwipeTest, ThresholdIsStrictlyFiftyAndLeavingResetsAHalfBuiltSwipe) {
    OverlayPointerTracker tracker = makeTracker();
    expectScrolls(tracker, {{25, 0, none, 25},
                            {25, 0.1, none, 50},
                            {0.5, 0.2, swipeRight, 0},
                            {-50, 1, none, -50},
                            {-0.5, 1.1, swipeLeft, 0},
                            {30, 2, none, 30}});
    tracker.pointerMoved(geo::outside);
    EXPECT_DOUBLE_EQ(tracker.scrollAccumulator(), 0);
    tracker.pointerMoved(geo::inStrip);
    expectScrolls(tracker, {{30, 2.2, none, 30}});
}

TEST(OverlaySwipeTest, TwoQuickSwipesGiveOneAndTheQuietTimeDropsScrolling) {
    OverlayPointerTracker tracker = makeTracker();
    expectScrolls(tracker, {{60, 0, swipeRight, 0},
                            // Nothing builds up inside the quiet time.
                            {40, 0.3, none, 0},
                            {40, 0.59, none, 0},
                            // Once 0.6 s have passed, scrolling counts again, starting from zero.
                            {-30, 0.6, none, -30},
                            {-30, 0.7, swipeLeft, 0}});
}

TEST(OverlaySwipeTest, OnlyPreciseMostlySidewaysScrollingOverAClickThroughOverlayCounts) {
    const MonotonicTime now = at(0);
    // Each step alone would pass the threshold were it counted; equally sideways is not mostly sideways.
    OverlayPointerTracker vertical = makeTracker();
    EXPECT_EQ(vertical.scrolled(ScrollDelta{60, 120, true}, now), none);
    EXPECT_EQ(vertical.scrolled(ScrollDelta{-60, 60, true}, now), none);
    EXPECT_DOUBLE_EQ(vertical.scrollAccumulator(), 0);

    OverlayPointerTracker outside = makeTracker(false);
    EXPECT_EQ(outside.scrolled(ScrollDelta{100, 0, true}, now), none);

    OverlayPointerTracker wheel = makeTracker();
    EXPECT_EQ(wheel.scrolled(ScrollDelta{100, 0, false}, now), none);
    EXPECT_DOUBLE_EQ(wheel.scrollAccumulator(), 0);

    OverlayPointerTracker interactive = makeTracker();
    interactive.setInteractive(true);
    EXPECT_EQ(interactive.scrolled(ScrollDelta{100, 0, true}, now), none);
    interactive.setInteractive(false);
    EXPECT_EQ(interactive.scrolled(ScrollDelta{100, 0, true}, now), swipeRight);
}
