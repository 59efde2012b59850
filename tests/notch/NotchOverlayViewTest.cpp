#include "notch/NotchOverlayView.h"

#include "FakePointerSource.h"
#include "OverlayGeometry.h"
#include "StubAppState.h"
#include "TestGames.h"

#include "notch/ClickThroughWindow.h"
#include "notch/FirstMouseHostingView.h"
#include "notch/OverlayNotifications.h"

#include <QCoreApplication>
#include <QImage>

#include <gtest/gtest.h>

namespace {

Game scoredGame(const QString& away, qint64 awayScore, qint64 homeScore, const QString& home) {
    Game game = withStatus(Game{}, GameStatus::inProgress, homeScore, awayScore);
    game.id = away + home;
    game.awayTeam.abbreviation = away;
    game.homeTeam.abbreviation = home;
    return game;
}

class NotchOverlayViewTest : public ::testing::Test, protected StubAppState {
protected:
    NotchOverlayViewTest() { view.resize(overlay_geometry::window.size()); }

    QImage render() { return view.grab().toImage().convertToFormat(QImage::Format_ARGB32); }
    QPoint topCentre() const { return {view.width() / 2, NotchOverlayView::barHeight / 2}; }

    NotchOverlayView view{false, state};
};

} // namespace

TEST_F(NotchOverlayViewTest, PaintsTheFirstPinnedGameOnABlackBarAtTheTopCentreAndNothingElse) {
    EXPECT_EQ(view.barText(), QString());
    const QImage empty = render();
    for (const QPoint& point : {topCentre(), QPoint(2, 2), QPoint(topCentre().x(), 300)})
        EXPECT_EQ(qAlpha(empty.pixel(point)), 0) << "nothing to show, nothing painted";

    state.setPinnedGames({scoredGame("BOS", 102, 99, "LAL"), scoredGame("NYK", 1, 2, "MIA")});
    EXPECT_EQ(view.barText(), QStringLiteral("BOS 102 - 99 LAL"));
    const QImage image = render();
    const QRect bar = view.barRect();
    EXPECT_EQ(bar.top(), 0);
    EXPECT_EQ(bar.left(), view.width() - bar.x() - bar.width()); // centred
    EXPECT_EQ(bar.height(), NotchOverlayView::barHeight);

    EXPECT_EQ(qAlpha(image.pixel(bar.left() + 4, 2)), 255);
    EXPECT_EQ(qRed(image.pixel(bar.left() + 4, 2)), 0);
    // Nothing outside the bar; rounded bottom corners, flat top.
    for (const QPoint& point :
         {QPoint(topCentre().x(), 300), QPoint(2, 2), QPoint(bar.right() + 3, 2), bar.bottomLeft()})
        EXPECT_EQ(qAlpha(image.pixel(point)), 0) << point.x() << "," << point.y();
    EXPECT_EQ(qAlpha(image.pixel(bar.left(), 0)), 255);
}

TEST_F(NotchOverlayViewTest, MaskFollowsThePaintedShape) {
    state.setPinnedGames({scoredGame("BOS", 102, 99, "LAL")});
    const QRegion narrow = view.mask();
    EXPECT_EQ(narrow, view.paintedRegion());
    EXPECT_TRUE(narrow.contains(topCentre()));
    EXPECT_FALSE(narrow.contains(QPoint(topCentre().x(), 300)));
    EXPECT_FALSE(narrow.contains(view.barRect().bottomLeft()));

    state.setPinnedGames({scoredGame("Longer Name", 102, 99, "Longest Name Of Them All")});
    EXPECT_EQ(view.mask(), view.paintedRegion());
    EXPECT_GT(view.mask().boundingRect().width(), narrow.boundingRect().width());

    // With nothing to paint the window keeps a single pixel (an empty mask would mean no mask at all).
    state.setPinnedGames({});
    EXPECT_EQ(view.mask(), QRegion(view.width() / 2, 0, 1, 1));
    EXPECT_EQ(view.barText(), QString());
}

TEST_F(NotchOverlayViewTest, MaskReachesTheHostingWindow) {
    FakePointerSource pointer;
    OverlayNotificationCenter center;
    ClickThroughWindow window(overlay_geometry::window, &pointer, &clock, &center);
    auto* root = new NotchOverlayView(false, state);
    window.setContentView(new FirstMouseHostingView(root));
    window.show();
    QCoreApplication::processEvents();
    state.setPinnedGames({scoredGame("BOS", 102, 99, "LAL")});
    EXPECT_EQ(root->size(), overlay_geometry::window.size());
    EXPECT_EQ(window.mask(), root->paintedRegion());
}

TEST_F(NotchOverlayViewTest, RepublishedPinsWithTheSameScoreCauseNoRepaint) {
    view.show();
    state.setPinnedGames({scoredGame("BOS", 102, 99, "LAL")});
    QCoreApplication::processEvents();
    struct PaintCounter : QObject {
        int paints = 0;
        bool eventFilter(QObject*, QEvent* event) override {
            paints += event->type() == QEvent::Paint;
            return false;
        }
    } counter;
    view.installEventFilter(&counter);
    state.setPinnedGames({scoredGame("BOS", 102, 99, "LAL")});
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 0);
    state.setPinnedGames({scoredGame("BOS", 104, 99, "LAL")});
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);
}
