#include "notch/state/CelebrationMotion.h"
#include "notch/state/CelebrationTimeline.h"

#include <gtest/gtest.h>

#include <QLineF>

namespace {

using Phase = CelebrationPhase;

class CelebrationMotionTest : public ::testing::Test {
protected:
    CelebrationMotionTest() {
        event.points = 3;
        event.teamColor = QColor(0x55, 0x25, 0x83);
        event.playText = QStringLiteral("Austin Reaves makes driving layup, assisted by a teammate");
    }

    // Runs the timeline up to and including `last`; the motion then stands at that step's start.
    void runTo(Phase last) {
        for (const CelebrationStep& step : celebrationTimeline) {
            now = step.at;
            phase = step.phase;
            motion.enter(step.phase, CelebrationContent::make(step.phase, event), step.spring, now);
            if (step.phase == last)
                return;
        }
    }
    CelebrationLayout layoutAt(double t) const {
        return CelebrationLayout::make(block, CelebrationContent::make(phase, event), motion.frameAt(t));
    }
    QPointF logoAt(double t) const { return layoutAt(t).logoCentre; }

    ScoreEvent event;
    CelebrationMotion motion;
    Phase phase = Phase::none;
    double now = 0;
    const QRectF block{-170, 0, 340, 154};
};

} // namespace

TEST_F(CelebrationMotionTest, LogoGlidesBesideThePointsAndNeverJumps) {
    for (const bool home : {false, true}) {
        event.isHomeTeam = home;
        motion = CelebrationMotion();
        runTo(Phase::logoOnly);
        const QPointF alone = logoAt(now + 0.45);
        EXPECT_NEAR(alone.x(), block.center().x(), 0.01) << "alone, the logo stands in the middle";

        runTo(Phase::logoAndPoints);
        EXPECT_LT(QLineF(logoAt(now), alone).length(), 0.5) << "no jump when the points come";
        const QPointF beside = logoAt(now + 0.9);
        // Away: logo, then points; home: points, then logo. The pair is centred together.
        EXPECT_GT(std::abs(beside.x() - alone.x()), 20);
        EXPECT_EQ(beside.x() > alone.x(), home);
        EXPECT_LT(std::abs(logoAt(now + 0.05).x() - alone.x()), std::abs(beside.x() - alone.x()))
            << "on its way";
        EXPECT_NEAR(beside.y(), alone.y(), 0.01);
    }
}

TEST_F(CelebrationMotionTest, LogoReturnComesInAgainWhileTheLogoBesideThePointsFadesWhereItStands) {
    runTo(Phase::logoAndPoints);
    const QPointF beside = logoAt(now + 0.99);
    runTo(Phase::logoReturn);
    const CelebrationFrame start = motion.frameAt(now);
    EXPECT_NEAR(start.logoScale, CelebrationContent::logoEntryScale, 1e-9);
    EXPECT_NEAR(start.logoOpacity, 0, 1e-9);
    EXPECT_NEAR(start.leavingLogoOpacity, 1, 0.01);
    EXPECT_LT(QLineF(layoutAt(now).leavingLogoCentre, beside).length(), 0.5);
    EXPECT_NEAR(logoAt(now).x(), block.center().x(), 0.01);

    const CelebrationFrame settled = motion.frameAt(now + 0.49);
    EXPECT_NEAR(settled.logoScale, 1, 0.05);
    EXPECT_NEAR(settled.logoOpacity, 1, 0.05);
    EXPECT_NEAR(settled.leavingLogoOpacity, 0, 0.05);
    EXPECT_NEAR(settled.pointsOpacity, 0, 0.05);
}

TEST_F(CelebrationMotionTest, FlushUpSendsTheLogoStraightUpAndFadesThePlayText) {
    runTo(Phase::logoReturn);
    const QPointF returned = logoAt(now + 0.49);
    const CelebrationLayout before = layoutAt(now + 0.49);
    ASSERT_TRUE(before.playText);
    runTo(Phase::flushUp);
    EXPECT_LT(QLineF(logoAt(now), returned).length(), 0.5) << "the play text leaving moves nothing";
    const CelebrationLayout fading = layoutAt(now + 0.05);
    ASSERT_TRUE(fading.playText) << "the text fades out rather than vanishing";
    EXPECT_GT(motion.frameAt(now + 0.05).playTextOpacity, 0.2);
    EXPECT_NEAR(fading.logoCentre.x(), returned.x(), 0.01);
    EXPECT_LT(fading.logoCentre.y(), returned.y());
    EXPECT_NEAR(logoAt(now + 0.6).y(), returned.y() + CelebrationContent::flushUpOffset, 1);
    EXPECT_FALSE(layoutAt(now + 0.6).playText);
}
