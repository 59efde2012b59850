#include "notch/window/ClickThroughWindow.h"

#include "FakePointerSource.h"
#include "ManualClock.h"
#include "OverlayGeometry.h"
#include "notch/window/OverlayNotifications.h"

#include <QCoreApplication>
#include <QEnterEvent>
#include <QSignalSpy>
#include <QWindow>

#include <gtest/gtest.h>

namespace geo = overlay_geometry;

namespace {

class ClickThroughWindowTest : public ::testing::Test {
protected:
    ClickThroughWindowTest() : window(new ClickThroughWindow(geo::window, &pointer, &clock, &center)) {
        window->setHoverZone(geo::hoverStrip);
        window->setExpandedZone(geo::window);
    }
    ~ClickThroughWindowTest() override { delete window; }

    bool isClickThrough() const {
        return window->windowHandle()->flags().testFlag(Qt::WindowTransparentForInput);
    }
    void postSetInteractive(const QVariantMap& userInfo) {
        center.post(OverlayNotificationName::setInteractive, userInfo);
        QCoreApplication::processEvents();
    }

    ManualClock clock;
    OverlayNotificationCenter center;
    FakePointerSource pointer;
    ClickThroughWindow* window;
};

} // namespace

TEST_F(ClickThroughWindowTest,
       TrackingTurnsPointerEventsIntoNotificationsAndASwipesQuietTimeIgnoresTheWallClock) {
    window->show();
    window->startTracking();
    EXPECT_TRUE(isClickThrough());
    EXPECT_TRUE(pointer.started);
    EXPECT_EQ(pointer.areaOfInterest, geo::hoverStrip); // outside, only the strip matters
    QSignalSpy entered(&center, &OverlayNotificationCenter::mouseEntered);
    QSignalSpy exited(&center, &OverlayNotificationCenter::mouseExited);
    QSignalSpy right(&center, &OverlayNotificationCenter::swipeRight);
    EXPECT_FALSE(pointer.scrollTracking);
    pointer.moveTo(geo::inStrip);
    EXPECT_EQ(pointer.areaOfInterest, geo::window.united(geo::hoverStrip));
    pointer.moveTo(geo::belowStripInWindow);
    EXPECT_EQ(entered.count(), 1);
    EXPECT_TRUE(window->isMouseInside());
    EXPECT_TRUE(pointer.scrollTracking); // scrolls matter only while the pointer is inside

    pointer.scroll(60, 0);
    pointer.scroll(60, 0); // inside the quiet time, which the window's clock measures
    EXPECT_EQ(right.count(), 1);
    // A wall clock set forward does not end the quiet time at once; one set back does not make it last hours.
    clock.stepWallClock(std::chrono::hours(2));
    pointer.scroll(60, 0);
    EXPECT_EQ(right.count(), 1);
    clock.stepWallClock(std::chrono::hours(-4));
    clock.advance(std::chrono::milliseconds(600));
    pointer.scroll(60, 0);
    EXPECT_EQ(right.count(), 2);

    pointer.moveTo(geo::outside);
    EXPECT_EQ(exited.count(), 1);
    EXPECT_FALSE(pointer.scrollTracking);
}

TEST_F(ClickThroughWindowTest, SetInteractiveIsAppliedLaterAndOnlyForABool) {
    window->show();
    window->startTracking();
    QSignalSpy right(&center, &OverlayNotificationCenter::swipeRight);
    QSignalSpy exited(&center, &OverlayNotificationCenter::mouseExited);
    pointer.moveTo(geo::inStrip);

    center.postSetInteractive(true);
    EXPECT_FALSE(window->isInteractive()); // not yet: the switch waits for the event loop
    QCoreApplication::processEvents();
    EXPECT_TRUE(window->isInteractive());
    // It takes the mouse but never the keyboard.
    EXPECT_FALSE(window->canBecomeKeyWindow());
    EXPECT_TRUE(window->windowHandle()->flags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_FALSE(window->canBecomeMainWindow());
    EXPECT_FALSE(isClickThrough());
    EXPECT_TRUE(window->isVisible());
    // While interactive the window ignores scrolling but still notices leaving.
    EXPECT_FALSE(pointer.scrollTracking);
    pointer.scroll(80, 0);
    EXPECT_EQ(right.count(), 0);
    pointer.moveTo(geo::outside);
    EXPECT_EQ(exited.count(), 1);

    postSetInteractive({}); // no user info: click-through again
    EXPECT_FALSE(window->isInteractive());
    EXPECT_TRUE(isClickThrough());

    for (const QVariant& notABool : {QVariant(QStringLiteral("true")), QVariant(1), QVariant()}) {
        center.postSetInteractive(true);
        QCoreApplication::processEvents();
        postSetInteractive({{OverlayNotificationName::interactiveKey, notABool}});
        EXPECT_FALSE(window->isInteractive()) << notABool.typeName();
    }
}

TEST_F(ClickThroughWindowTest, SetInteractiveAfterTheWindowIsGoneIsIgnored) {
    window->startTracking();
    center.postSetInteractive(true);
    delete window;
    window = nullptr;
    QCoreApplication::processEvents();
    center.postSetInteractive(false);
    QCoreApplication::processEvents(); // and nothing crashes
}

TEST(OverlayNotificationCenterTest, KnowsTheFiveNamesAndNothingElse) {
    OverlayNotificationCenter center;
    QSignalSpy entered(&center, &OverlayNotificationCenter::mouseEntered);
    QSignalSpy exited(&center, &OverlayNotificationCenter::mouseExited);
    QSignalSpy left(&center, &OverlayNotificationCenter::swipeLeft);
    QSignalSpy right(&center, &OverlayNotificationCenter::swipeRight);
    QSignalSpy interactive(&center, &OverlayNotificationCenter::setInteractive);
    for (const QString& name : OverlayNotificationName::all)
        EXPECT_TRUE(center.post(name, {{QStringLiteral("interactive"), true}})) << name.toStdString();
    EXPECT_FALSE(center.post(QStringLiteral("ClickThroughWindowMouseMoved")));
    EXPECT_EQ(entered.count() + exited.count() + left.count() + right.count() + interactive.count(), 5);
    EXPECT_EQ(interactive.first().first().toMap().value(QStringLiteral("interactive")), QVariant(true));
}

TEST_F(ClickThroughWindowTest, WithoutZonesTheCurrentFrameCounts) {
    window->setHoverZone(std::nullopt);
    window->setExpandedZone(std::nullopt);
    window->show();
    window->startTracking();
    window->move(0, 0);
    QCoreApplication::processEvents();
    pointer.moveTo({10, 600});
    EXPECT_TRUE(window->isMouseInside());
    EXPECT_EQ(pointer.areaOfInterest, QRect(0, 0, 440, 680));
    pointer.moveTo({450, 600});
    EXPECT_FALSE(window->isMouseInside());
}

// A pointer set down elsewhere without raw motion (a warp by a remote-desktop tool or a script) is seen
// through the window's own crossings: each one reads the pointer afresh, and while the window takes the mouse
// its leave is an exit wherever the pointer went.
TEST_F(ClickThroughWindowTest, ItsOwnCrossingsReadThePointerAfreshSoASetDownPointerEntersAndLeaves) {
    window->show();
    window->startTracking();
    QSignalSpy entered(&center, &OverlayNotificationCenter::mouseEntered);
    QSignalSpy exited(&center, &OverlayNotificationCenter::mouseExited);
    QEvent leave(QEvent::Leave);
    pointer.moveTo(geo::inStrip);
    ASSERT_EQ(entered.count(), 1);

    // A leave reads the pointer: within the window's area it still counts as inside, click-through or not.
    pointer.moveUnread(geo::belowStripInWindow);
    QCoreApplication::sendEvent(window, &leave);
    EXPECT_EQ(pointer.position(), geo::belowStripInWindow);
    EXPECT_TRUE(window->isMouseInside());
    postSetInteractive({{OverlayNotificationName::interactiveKey, true}});
    QCoreApplication::sendEvent(window, &leave);
    EXPECT_TRUE(window->isMouseInside());
    EXPECT_EQ(exited.count(), 0);

    // Taking the mouse, a pointer set down far away leaves with the window's leave alone.
    pointer.moveUnread(geo::outside);
    QCoreApplication::sendEvent(window, &leave);
    EXPECT_EQ(exited.count(), 1);
    EXPECT_FALSE(window->isMouseInside());
    EXPECT_EQ(pointer.areaOfInterest, geo::hoverStrip);

    // An entry reads the pointer too: one set down in the strip enters.
    pointer.moveUnread(geo::inStrip);
    QEnterEvent enter(QPointF(220, 20), QPointF(220, 20), QPointF(geo::inStrip));
    QCoreApplication::sendEvent(window, &enter);
    EXPECT_EQ(entered.count(), 2);
    EXPECT_TRUE(window->isMouseInside());

    // Set down far away: one exit, not two.
    pointer.moveUnread(geo::outside);
    QCoreApplication::sendEvent(window, &leave);
    EXPECT_EQ(exited.count(), 2);
}

// A click-through window gets no crossings, and a warp makes no motion: while the pointer counts as inside,
// it is read a few times a second so that one set down far away leaves. Outside, nothing reads it.
TEST_F(ClickThroughWindowTest, WhileInsideThePointerIsReadAFewTimesASecondAndOutsideNotAtAll) {
    window->show();
    window->startTracking();
    QSignalSpy entered(&center, &OverlayNotificationCenter::mouseEntered);
    QSignalSpy exited(&center, &OverlayNotificationCenter::mouseExited);
    EXPECT_EQ(clock.pendingCount(), 0) << "nothing armed at rest";
    pointer.moveTo(geo::inStrip);
    ASSERT_EQ(entered.count(), 1);

    const int readsBefore = pointer.reads;
    clock.advance(std::chrono::seconds(1));
    EXPECT_GE(pointer.reads - readsBefore, 3);
    EXPECT_LE(pointer.reads - readsBefore, 5);
    EXPECT_TRUE(window->isMouseInside());

    // Set down far away, with no motion and no crossing: gone within a read.
    pointer.moveUnread(geo::outside);
    clock.advance(std::chrono::milliseconds(300));
    EXPECT_EQ(exited.count(), 1);
    EXPECT_FALSE(window->isMouseInside());

    // Outside, nothing is armed and nothing reads, so a pointer set down in the strip waits for its next
    // move.
    EXPECT_EQ(clock.pendingCount(), 0);
    const int readsOutside = pointer.reads;
    pointer.moveUnread(geo::inStrip);
    clock.advance(std::chrono::seconds(10));
    EXPECT_EQ(pointer.reads, readsOutside);
    EXPECT_EQ(entered.count(), 1);
    pointer.moveTo(geo::inStrip + QPoint(1, 0));
    EXPECT_EQ(entered.count(), 2);
}
