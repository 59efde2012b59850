#include "notch/window/NotchOverlayView.h"

#include "FakePointerSource.h"
#include "OverlayGeometry.h"
#include "StubAppState.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include "notch/panels/IdlePanel.h"
#include "notch/panels/OverlayPanels.h"
#include "notch/picker/PickerCardRow.h"
#include "notch/window/ClickThroughWindow.h"
#include "notch/window/FirstMouseHostingView.h"
#include "notch/window/OverlayNotifications.h"

#include <QCoreApplication>
#include <QImage>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalSpy>
#include <QWindow>

#include <gtest/gtest.h>

namespace {

Game hockeyGame(const QString& id, qint64 home, qint64 away) {
    return withStatus(testGame(id, "nhl", QDateTime(QDate(2026, 3, 14), QTime(17, 0), Qt::UTC)),
                      GameStatus::inProgress, home, away);
}

// The window's mask on a 440 wide window: the centred 340 x `height` bar, flat on top with rounded bottom
// corners, and nothing around it (without a compositor, anything outside it would show black).
void expectMaskFitsTheBar(const QRegion& mask, int height) {
    for (const QPoint inside :
         {QPoint(50, 0), QPoint(389, 0), QPoint(220, height / 2), QPoint(60, height - 1)})
        EXPECT_TRUE(mask.contains(inside)) << inside.x() << "," << inside.y();
    for (const QPoint outside : {QPoint(48, 2), QPoint(391, 2), QPoint(220, height + 2),
                                 QPoint(51, height - 1), QPoint(388, height - 1)})
        EXPECT_FALSE(mask.contains(outside)) << outside.x() << "," << outside.y();
}

class NotchOverlayViewTest : public ::testing::Test, protected StubAppState {
protected:
    NotchOverlayViewTest() { view.resize(overlay_geometry::window.size()); }

    void pin(const QList<Game>& games) {
        state.setPinnedGames(games);
        processPendingEvents();
    }
    // Lets every spring come to rest (and every queued step run).
    void settle(double seconds = 2.0) {
        clock.advanceSeconds(seconds);
        processPendingEvents();
    }
    QImage render() { return view.grab().toImage().convertToFormat(QImage::Format_ARGB32); }

    // A view hosted in its click-through window under a fake pointer, as the application runs it.
    struct Hosted {
        explicit Hosted(NotchOverlayViewTest& test)
            : window(overlay_geometry::window, &pointer, &test.clock, &test.center),
              root(new NotchOverlayView(
                  false, new NotchViewModel(test.state, test.api, test.preferences, test.clock), test.state,
                  test.clock, test.center)) {
            window.setContentView(new FirstMouseHostingView(root));
            root->followPointerOf(window);
            window.show();
        }
        FakePointerSource pointer;
        ClickThroughWindow window;
        NotchOverlayView* root;
    };

    OverlayNotificationCenter center;
    NotchOverlayView view{false, new NotchViewModel(state, api, preferences, clock), state, clock, center};
};

} // namespace

TEST_F(NotchOverlayViewTest, BarOpensFromTheHiddenWidthToACentredCompactBarAndACelebrationGrowsIt) {
    EXPECT_TRUE(view.panelRect().isEmpty());
    state.setPinnedGames({hockeyGame("a", 2, 1)});
    processPendingEvents();
    EXPECT_EQ(view.panelRect().width(), 60) << "the hidden bar before it slides open";
    EXPECT_TRUE(view.animationDriver().isTicking());
    settle();
    EXPECT_FALSE(view.animationDriver().isTicking()) << "an overlay at rest wakes nothing";
    const QRectF bar = view.panelRect();
    EXPECT_EQ(bar.size(), QSizeF(340, 34));
    EXPECT_EQ(bar.center().x(), view.width() / 2.0);
    EXPECT_EQ(bar.top(), 0);
    EXPECT_EQ(view.presentation().bottomRadius, 14);

    const QImage image = render();
    EXPECT_EQ(qAlpha(image.pixel(int(bar.left()) + 3, 2)), 255);
    EXPECT_EQ(qAlpha(image.pixel(int(bar.left()) + 1, 33)), 0) << "rounded bottom corner";
    EXPECT_EQ(qAlpha(image.pixel(int(bar.left()) - 3, 2)), 0);
    EXPECT_EQ(qAlpha(image.pixel(view.width() / 2, 60)), 0);
    expectMaskFitsTheBar(view.mask(), 34);

    // A score grows the panel to the celebration's fixed height, and it comes back to rest afterwards.
    pin({hockeyGame("a", 3, 1)});
    settle(0.5);
    EXPECT_EQ(view.presentation().bottomRadius, 12);
    EXPECT_NEAR(view.panelRect().height(), 154, 0.5);
    EXPECT_TRUE(view.mask().contains(QPoint(220, 150)));
    EXPECT_FALSE(view.mask().contains(QPoint(220, 160)));
    settle(2.6); // the celebration ends 3.1 s after the score
    settle();
    EXPECT_EQ(view.panelRect().size(), QSizeF(340, 34));
    EXPECT_FALSE(view.animationDriver().isTicking());
}

TEST_F(NotchOverlayViewTest, AnOpenScoreCardRelabelsItsStartTimeWhenTheDayChanges) {
    clock.setNow(QDateTime(QDate(2026, 3, 14), QTime(23, 30), Qt::LocalTime).toUTC());
    const QDateTime start = QDateTime(QDate(2026, 3, 15), QTime(19, 30), Qt::LocalTime).toUTC();
    pin({withStatus(testGame("s", "nhl", start), GameStatus::scheduled)});
    settle();
    view.handleMouseEntered();
    settle(3.0); // past the deep panel's opening, the last change before midnight
    ASSERT_TRUE(view.presentation().scoreCard);
    const auto startLabel = [&] { return view.scoreCard().centre.value(1).text; };
    EXPECT_TRUE(startLabel().startsWith("Tomorrow @ ")) << startLabel().toStdString();
    clock.advanceSeconds(40 * 60);
    processPendingEvents();
    ASSERT_TRUE(view.presentation().scoreCard);
    EXPECT_TRUE(startLabel().startsWith("Today @ ")) << startLabel().toStdString();
}

TEST_F(NotchOverlayViewTest, PhysicalNotchHidesTheBarBehindTheHousingWidth) {
    NotchOverlayView notched{true, new NotchViewModel(state, api, preferences, clock), state, clock, center};
    notched.resize(overlay_geometry::window.size());
    state.setPinnedGames({hockeyGame("a", 2, 1)});
    processPendingEvents();
    EXPECT_EQ(notched.panelRect().width(), 180);
    settle();
    EXPECT_EQ(notched.panelRect().width(), 340);
    // The sides hug the 180 wide housing: the centre stays black, with no text drawn over it.
    const QImage image = notched.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    const int centre = notched.width() / 2;
    for (int x = centre - 85; x <= centre + 85; x += 5)
        EXPECT_EQ(image.pixel(x, 17), qRgb(0, 0, 0)) << x - centre;
}

TEST_F(NotchOverlayViewTest, UnpinActsOnAHalfSecondRestOfAPointerThatMovedOntoIt) {
    pin({hockeyGame("a", 2, 1), hockeyGame("b", 0, 0)});
    settle();
    view.handleMouseEntered();
    settle(2.5); // the deep panel opens 2 s after entering
    ASSERT_EQ(view.presentation().state, OverlayState::Deep);
    const QRectF pill = view.unpinPillRect();
    ASSERT_FALSE(pill.isEmpty());
    const QPoint onPill = view.mapToGlobal(pill.center().toPoint());
    const QPoint belowPill = onPill + QPoint(0, 200);

    // The card opening under a pointer that already stands where the pill comes: the pill never acts, not
    // on the same position read again nor on a small move that stays on it.
    view.handleMouseExited();
    settle();
    view.handleMouseEntered();
    view.pointerMovedTo(onPill);
    settle(2.5);
    ASSERT_EQ(view.unpinPillRect(), pill);
    view.pointerMovedTo(onPill);
    view.pointerMovedTo(onPill + QPoint(1, 0));
    settle(1.0);
    EXPECT_EQ(idsOf(state.pinnedGames()), (QStringList{"a", "b"}));

    // Moved onto it: leaving after 0.49 s unpins nothing; resting 0.5 s unpins.
    view.pointerMovedTo(belowPill);
    view.pointerMovedTo(onPill);
    settle(0.49);
    view.pointerMovedTo(belowPill);
    settle(1.0);
    EXPECT_EQ(idsOf(state.pinnedGames()), (QStringList{"a", "b"}));
    view.pointerMovedTo(onPill);
    settle(0.5);
    EXPECT_EQ(idsOf(state.pinnedGames()), QStringList{"b"});
}

TEST_F(NotchOverlayViewTest, InItsWindowTheMaskFitsTheBarAndUnpinReadsThePointerAgainBeforeActing) {
    Hosted hosted(*this);
    FakePointerSource& pointer = hosted.pointer;
    NotchOverlayView* root = hosted.root;
    hosted.window.startTracking();
    pin({hockeyGame("a", 2, 1), hockeyGame("b", 0, 0)});
    settle();
    EXPECT_EQ(root->size(), overlay_geometry::window.size());
    expectMaskFitsTheBar(hosted.window.mask(), 34);
    pointer.moveTo(overlay_geometry::inStrip);
    settle(2.5);
    ASSERT_EQ(root->presentation().state, OverlayState::Deep);
    const QPoint onPill = root->mapToGlobal(root->unpinPillRect().center().toPoint());

    // Off the pill after 0.49 s, in a motion that no read has reported yet when the half second is up.
    pointer.moveTo(onPill);
    settle(0.49);
    pointer.moveUnread(onPill + QPoint(0, 60));
    settle(0.2);
    EXPECT_EQ(idsOf(state.pinnedGames()), (QStringList{"a", "b"}));
    EXPECT_EQ(root->presentation().state, OverlayState::Deep);

    pointer.moveTo(onPill);
    settle(0.5);
    EXPECT_EQ(idsOf(state.pinnedGames()), QStringList{"b"});
}

TEST_F(NotchOverlayViewTest, IdlePanelTakesTheMouseWhileShownAndSwipesNeedHover) {
    QSignalSpy interactive(&center, &OverlayNotificationCenter::setInteractive);
    view.handleMouseEntered();
    processPendingEvents();
    EXPECT_EQ(view.presentation().state, OverlayState::Idle);
    ASSERT_EQ(interactive.count(), 1);
    EXPECT_TRUE(interactive.at(0).at(0).toMap().value("interactive").toBool());
    view.handleMouseExited();
    processPendingEvents();
    ASSERT_EQ(interactive.count(), 3) << "once from leaving, once from the idle panel going";
    EXPECT_FALSE(interactive.at(2).at(0).toMap().value("interactive").toBool());

    pin({hockeyGame("a", 0, 0), hockeyGame("b", 0, 0)});
    view.handleSwipe(SwipeDirection::left);
    EXPECT_EQ(view.viewModel().displayedGame()->id, "a") << "no swipe over the bar without hover";
    view.handleMouseEntered();
    view.handleSwipe(SwipeDirection::left);
    EXPECT_EQ(view.viewModel().displayedGame()->id, "b");
}

// A pointer set down far away without raw motion (a warp) gives no move to read, only the window's leave: the
// idle panel closes on it and the window lets the mouse through again.
TEST_F(NotchOverlayViewTest, TheIdlePanelClosesOnTheWindowsLeaveWithoutRawMotion) {
    Hosted hosted(*this);
    hosted.window.startTracking();
    hosted.pointer.moveTo(overlay_geometry::inStrip);
    settle();
    ASSERT_EQ(hosted.root->presentation().state, OverlayState::Idle);
    ASSERT_TRUE(hosted.window.isInteractive());

    hosted.pointer.moveUnread(overlay_geometry::outside);
    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&hosted.window, &leave);
    settle();
    EXPECT_FALSE(hosted.root->isHovered());
    EXPECT_EQ(hosted.root->presentation().state, OverlayState::Empty);
    EXPECT_FALSE(hosted.window.isInteractive());
    EXPECT_TRUE(hosted.window.windowHandle()->flags().testFlag(Qt::WindowTransparentForInput));
}

// A pinned game's card and deep panel let clicks through, so a pointer set down far away gives neither motion
// nor a leave: they still close within half a second, and once closed nothing reads the pointer.
TEST_F(NotchOverlayViewTest, APinnedGamesCardAndDeepPanelCloseSoonAfterThePointerIsSetDownFarAway) {
    Hosted hosted(*this);
    FakePointerSource& pointer = hosted.pointer;
    NotchOverlayView* root = hosted.root;
    hosted.window.startTracking();
    pin({hockeyGame("a", 2, 1)});
    settle();
    pointer.moveTo(overlay_geometry::inStrip);
    settle(2.5); // the deep panel opens 2 s after entering
    settle();
    ASSERT_EQ(root->presentation().state, OverlayState::Deep);
    ASSERT_GT(root->panelRect().height(), 100);
    ASSERT_FALSE(hosted.window.isInteractive());
    ASSERT_TRUE(hosted.window.windowHandle()->flags().testFlag(Qt::WindowTransparentForInput));

    pointer.moveUnread(overlay_geometry::outside);
    settle(0.5);
    EXPECT_FALSE(root->isHovered());
    EXPECT_FALSE(root->viewModel().isDeepExpanded());
    EXPECT_EQ(root->presentation().state, OverlayState::Compact);
    settle();
    EXPECT_EQ(root->panelRect().size(), QSizeF(340, 34));
    expectMaskFitsTheBar(hosted.window.mask(), 34);

    const int reads = pointer.reads;
    pointer.moveUnread(overlay_geometry::inStrip);
    settle(10.0);
    EXPECT_EQ(pointer.reads, reads) << "the pointer is read while everything is closed";
    EXPECT_EQ(root->presentation().state, OverlayState::Compact);
}

TEST_F(NotchOverlayViewTest, RepublishedPinsWithTheSameScoreCauseNoRepaint) {
    view.show();
    pin({hockeyGame("a", 2, 1)});
    settle();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    view.installEventFilter(&counter);
    Game refetched = hockeyGame("a", 2, 1); // only the fetch time differs
    refetched.lastUpdate = refetched.lastUpdate.addSecs(3);
    pin({refetched});
    EXPECT_EQ(counter.paints, 0);
    EXPECT_FALSE(view.animationDriver().isTicking());
}

TEST_F(NotchOverlayViewTest, RotationStopsTickingOnceTheEnteringPanelPaintsAtRest) {
    pin({hockeyGame("a", 2, 1), hockeyGame("b", 0, 0)});
    settle(9.9);
    for (int step = 0; step < 20 && view.viewModel().displayedGame()->id == "a"; ++step)
        settle(0.016);
    ASSERT_EQ(view.viewModel().displayedGame()->id, "b");
    ASSERT_GT(view.paintedRegion().boundingRect().width(), 340) << "the panels slide through three widths";
    for (int frames = 0; frames < 60 && view.paintedRegion().boundingRect().width() > 340; ++frames)
        settle(0.016);
    // The spring still overshoots and comes back, but that would only repaint the panel where it rests.
    settle(0.016);
    EXPECT_FALSE(view.animationDriver().isTicking());
    EXPECT_EQ(view.panelRect().size(), QSizeF(340, 34));
}

TEST_F(NotchOverlayViewTest, APickerShownAgainStartsIdleAndAHiddenOneBuildsNothing) {
    preferences.setEnabledLeagues({"nba"});
    QList<Game> games;
    for (int i = 0; i < 20; ++i)
        games.append(testGame(QString::number(i), "nba", clock.now()));
    state.setGames({{"nba", games}});
    // The refresh's fetches come back at once with the same games.
    api.gamesResponder = [&](const FakeScoresService::Request&) {
        return std::optional(FakeScoresService::GamesResult(games));
    };
    OverlayPanels panels(preferences, clock);
    NotchOverlayView hosting{false,  new NotchViewModel(state, api, preferences, clock), state, clock, center,
                             &panels};
    hosting.setAttribute(Qt::WA_DontShowOnScreen);
    hosting.resize(overlay_geometry::window.size());
    hosting.show();
    const auto shownPicker = [&]() -> GamePickerView* {
        auto* idle = qobject_cast<IdlePanel*>(hosting.hostedPanel(OverlaySlot::idlePanel));
        return idle && idle->isVisible() ? &idle->picker() : nullptr;
    };

    hosting.handleMouseEntered();
    settle();
    GamePickerView* picker = shownPicker();
    ASSERT_TRUE(picker);
    picker->refreshControl().handleRefreshHover(true);
    settle(1.0);
    ASSERT_EQ(picker->refreshControl().labelText(), "Wait");
    QScrollBar& scroll = *picker->scrollArea().verticalScrollBar();
    ASSERT_GT(scroll.maximum(), 0);
    scroll.setValue(scroll.maximum());
    QList<QPointer<PickerCardRow>> firstRows;
    for (PickerCardRow* row : hosting.findChildren<PickerCardRow*>())
        firstRows.append(row);

    // Hidden, the picker builds nothing when the games change.
    hosting.handleMouseExited();
    settle();
    games.removeLast();
    state.setGames({{"nba", games}});
    settle();
    const QList<PickerCardRow*> rowsNow = hosting.findChildren<PickerCardRow*>();
    EXPECT_EQ(std::count_if(rowsNow.begin(), rowsNow.end(),
                            [&](PickerCardRow* row) { return !firstRows.contains(row); }),
              0)
        << "rows built while hidden";

    // Shown again, within the cool-down: idle, at the top, with rows of its own.
    hosting.handleMouseEntered();
    settle();
    picker = shownPicker();
    ASSERT_TRUE(picker);
    EXPECT_EQ(picker->refreshControl().state(), RefreshControlModel::State::idle);
    EXPECT_EQ(picker->refreshControl().labelText(), "Refresh");
    EXPECT_EQ(picker->scrollArea().verticalScrollBar()->value(), 0);
    ASSERT_FALSE(picker->rowWidgets().isEmpty());
    for (QWidget* row : picker->rowWidgets())
        EXPECT_FALSE(firstRows.contains(static_cast<PickerCardRow*>(row)));
}

TEST_F(NotchOverlayViewTest, BarKeepsItsSizeAndMovesOnWhenTheWallClockIsSetBackOrForward) {
    pin({hockeyGame("a", 2, 1)});
    clock.advance(std::chrono::milliseconds(96));
    processPendingEvents();
    for (const auto step : {std::chrono::hours(-2), std::chrono::hours(2)}) {
        SCOPED_TRACE(step.count());
        // Mid-way through a motion, and at rest.
        clock.stepWallClock(step);
        settle();
        EXPECT_EQ(view.panelRect().size(), QSizeF(340, 34));
        clock.stepWallClock(step);
        processPendingEvents();
        EXPECT_EQ(view.panelRect().size(), QSizeF(340, 34));
        EXPECT_FALSE(view.animationDriver().isTicking());

        view.handleMouseEntered();
        processPendingEvents();
        settle(1.0);
        EXPECT_EQ(view.presentation().state, OverlayState::Expanded);
        EXPECT_GT(view.panelRect().height(), 34);
        view.handleMouseExited();
        processPendingEvents();
        settle();
        EXPECT_EQ(view.panelRect().size(), QSizeF(340, 34));
        // The next round starts mid-way through a motion again.
        view.handleMouseEntered();
        processPendingEvents();
        clock.advance(std::chrono::milliseconds(96));
        view.handleMouseExited();
        processPendingEvents();
    }
}
