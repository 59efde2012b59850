#include "notch/OverlayPointerTracker.h"

#include "OverlayGeometry.h"

#include <gtest/gtest.h>

using Event = OverlayPointerTracker::Event;
namespace geo = overlay_geometry;

namespace {

const QDateTime start(QDate(2026, 3, 14), QTime(18, 0), Qt::UTC);

ScrollDelta precise(double dx, double dy = 0) {
    return {dx, dy, true};
}

OverlayPointerTracker makeTracker() {
    OverlayPointerTracker tracker(geo::window);
    tracker.setHoverZone(geo::hoverStrip);
    tracker.setExpandedZone(geo::window);
    return tracker;
}

// A tracker with the pointer already on the strip.
OverlayPointerTracker insideTracker() {
    OverlayPointerTracker tracker = makeTracker();
    tracker.pointerMoved(geo::inStrip);
    return tracker;
}

QDateTime at(double seconds) {
    return start.addMSecs(static_cast<qint64>(seconds * 1000));
}

} // namespace

TEST(OverlayZonesTest, EnteringNeedsTheStripStayingNeedsOnlyTheArea) {
    OverlayPointerTracker tracker = makeTracker();
    EXPECT_EQ(tracker.pointerMoved(geo::belowStripInWindow), Event::none);
    EXPECT_FALSE(tracker.isMouseInside());
    EXPECT_EQ(tracker.pointerMoved(geo::inStrip), Event::mouseEntered);
    EXPECT_TRUE(tracker.isMouseInside());
    EXPECT_EQ(tracker.pointerMoved(geo::belowStripInWindow), Event::none);
    EXPECT_EQ(tracker.pointerMoved({geo::window.right(), geo::window.bottom()}), Event::none);
    EXPECT_TRUE(tracker.isMouseInside());
}

TEST(OverlayZonesTest, LeavingTheAreaPostsExactlyOneExit) {
    OverlayPointerTracker tracker = insideTracker();
    EXPECT_EQ(tracker.pointerMoved({geo::window.left() - 1, 300}), Event::mouseExited);
    EXPECT_FALSE(tracker.isMouseInside());
    EXPECT_EQ(tracker.pointerMoved(geo::outside), Event::none);
    EXPECT_EQ(tracker.pointerMoved(geo::belowStripInWindow), Event::none);
    EXPECT_EQ(tracker.pointerMoved(geo::inStrip), Event::mouseEntered);
    EXPECT_EQ(tracker.pointerMoved(geo::inStrip), Event::none);
}

TEST(OverlayZonesTest, StripEndsFortyFourPointsBelowItsTop) {
    OverlayPointerTracker tracker = makeTracker();
    EXPECT_EQ(tracker.pointerMoved({960, 34}), Event::none);
    EXPECT_EQ(tracker.pointerMoved({960, 33}), Event::mouseEntered);
    EXPECT_EQ(tracker.pointerMoved({geo::window.left(), 300}), Event::none); // still inside
    EXPECT_EQ(tracker.pointerMoved({960, geo::window.bottom() + 1}), Event::mouseExited);
    // The strip is narrower than the window.
    EXPECT_EQ(tracker.pointerMoved({geo::hoverStrip.left() - 1, 5}), Event::none);
    EXPECT_EQ(tracker.pointerMoved({geo::hoverStrip.left(), 5}), Event::mouseEntered);
}

TEST(OverlayZonesTest, WithoutZonesTheFrameServesForBoth) {
    OverlayPointerTracker tracker(geo::window);
    EXPECT_EQ(tracker.pointerMoved(geo::belowStripInWindow), Event::mouseEntered);
    EXPECT_EQ(tracker.pointerMoved(geo::outside), Event::mouseExited);
}

TEST(OverlaySwipeTest, ThresholdIsStrictlyFifty) {
    OverlayPointerTracker tracker = insideTracker();
    EXPECT_EQ(tracker.scrolled(precise(25), at(0)), Event::none);
    EXPECT_EQ(tracker.scrolled(precise(25), at(0.1)), Event::none);
    EXPECT_DOUBLE_EQ(tracker.scrollAccumulator(), 50);
    EXPECT_EQ(tracker.scrolled(precise(0.5), at(0.2)), Event::swipeRight);
    EXPECT_DOUBLE_EQ(tracker.scrollAccumulator(), 0);

    OverlayPointerTracker left = insideTracker();
    EXPECT_EQ(left.scrolled(precise(-50), at(0)), Event::none);
    EXPECT_EQ(left.scrolled(precise(-0.5), at(0.1)), Event::swipeLeft);
}

TEST(OverlaySwipeTest, LeavingResetsAHalfBuiltSwipe) {
    OverlayPointerTracker tracker = insideTracker();
    tracker.scrolled(precise(30), at(0));
    tracker.pointerMoved(geo::outside);
    EXPECT_DOUBLE_EQ(tracker.scrollAccumulator(), 0);
    tracker.pointerMoved(geo::inStrip);
    EXPECT_EQ(tracker.scrolled(precise(30), at(0.2)), Event::none);
    EXPECT_DOUBLE_EQ(tracker.scrollAccumulator(), 30);
}

TEST(OverlaySwipeTest, TwoQuickSwipesGiveOneAndTheQuietTimeDropsScrolling) {
    OverlayPointerTracker tracker = insideTracker();
    EXPECT_EQ(tracker.scrolled(precise(60), at(0)), Event::swipeRight);
    EXPECT_EQ(tracker.scrolled(precise(40), at(0.3)), Event::none);
    EXPECT_EQ(tracker.scrolled(precise(40), at(0.59)), Event::none);
    EXPECT_DOUBLE_EQ(tracker.scrollAccumulator(), 0); // nothing built up inside the quiet time
    // Once 0.6 s have passed, scrolling counts again, starting from zero.
    EXPECT_EQ(tracker.scrolled(precise(-30), at(0.6)), Event::none);
    EXPECT_EQ(tracker.scrolled(precise(-30), at(0.7)), Event::swipeLeft);
}

TEST(OverlaySwipeTest, MostlyVerticalScrollingNeverSwipes) {
    OverlayPointerTracker tracker = insideTracker();
    for (int i = 0; i < 100; ++i) {
        EXPECT_EQ(tracker.scrolled(precise(10, 20), at(i * 0.01)), Event::none);
        EXPECT_EQ(tracker.scrolled(precise(-15, 15), at(i * 0.01)), Event::none); // equal is not more
    }
    EXPECT_DOUBLE_EQ(tracker.scrollAccumulator(), 0);
}

TEST(OverlaySwipeTest, OnlyPreciseScrollingOverAClickThroughOverlayCounts) {
    OverlayPointerTracker outside = makeTracker();
    EXPECT_EQ(outside.scrolled(precise(100), at(0)), Event::none);

    OverlayPointerTracker wheel = insideTracker();
    EXPECT_EQ(wheel.scrolled(ScrollDelta{100, 0, false}, at(0)), Event::none);
    EXPECT_DOUBLE_EQ(wheel.scrollAccumulator(), 0);

    OverlayPointerTracker interactive = insideTracker();
    interactive.setInteractive(true);
    EXPECT_EQ(interactive.scrolled(precise(100), at(0)), Event::none);
    interactive.setInteractive(false);
    EXPECT_EQ(interactive.scrolled(precise(100), at(0)), Event::swipeRight);
}
