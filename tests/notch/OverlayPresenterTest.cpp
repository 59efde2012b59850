#include "notch/OverlayPresenter.h"
#include "notch/CompactRowContent.h"

#include "TestGames.h"

#include <gtest/gtest.h>

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(18, 0), Qt::LocalTime);

Game teamGame(GameStatus status = GameStatus::inProgress) {
    return withStatus(testGame("g", "nba", now), status, 3, 2);
}

Game race(GameStatus status) {
    return withStatus(testGame("r", "f1", now), status);
}

OverlayInputs shown(const Game& game) {
    OverlayInputs inputs;
    inputs.displayedGame = game;
    inputs.isBarVisible = true;
    return inputs;
}

} // namespace

TEST(OverlayPresenterTest, StateTableRowsWidthsAndRadii) {
    OverlayInputs none;
    EXPECT_EQ(presentOverlay(none).state, OverlayState::Empty);
    none.isHovered = true;
    const OverlayPresentation idle = presentOverlay(none);
    EXPECT_EQ(idle.state, OverlayState::Idle);
    EXPECT_EQ(idle.width, 380);
    EXPECT_TRUE(idle.shows(OverlaySlot::idlePanel));

    OverlayInputs in = shown(teamGame());
    OverlayPresentation p = presentOverlay(in);
    EXPECT_EQ(p.state, OverlayState::Compact);
    EXPECT_EQ(p.width, 340);
    EXPECT_EQ(p.fixedHeight, 34);
    EXPECT_EQ(p.bottomRadius, 14);

    in.isBarVisible = false;
    EXPECT_EQ(presentOverlay(in).width, 60);
    in.hasPhysicalNotch = true;
    EXPECT_EQ(presentOverlay(in).width, 180);
    in.isBarVisible = true;

    in.isScoreChangeExpanded = true;
    p = presentOverlay(in);
    EXPECT_EQ(p.state, OverlayState::Expanded);
    EXPECT_TRUE(p.scoreCard);
    EXPECT_FALSE(p.fixedHeight);
    EXPECT_EQ(p.bottomRadius, 12);

    in.isDeepExpanded = true;
    p = presentOverlay(in);
    EXPECT_EQ(p.state, OverlayState::Deep);
    EXPECT_TRUE(p.actionStrip);
    EXPECT_TRUE(p.shows(OverlaySlot::leaders));
    EXPECT_TRUE(p.shows(OverlaySlot::selectPill));
    EXPECT_EQ(p.width, 340);

    in.isJumboExpanded = true;
    p = presentOverlay(in);
    EXPECT_EQ(p.state, OverlayState::Jumbo);
    EXPECT_EQ(p.width, 380);
    EXPECT_TRUE(p.gamePicker);
    EXPECT_FALSE(p.actionStrip);
    EXPECT_FALSE(p.deepSlot);

    // Racing: 420 deep, 380 with the picker; its own panels in place of the score card.
    in.displayedGame = race(GameStatus::inProgress);
    EXPECT_EQ(presentOverlay(in).width, 380);
    in.isJumboExpanded = false;
    p = presentOverlay(in);
    EXPECT_EQ(p.width, 420);
    EXPECT_TRUE(p.shows(OverlaySlot::racingExpanded));
    EXPECT_TRUE(p.shows(OverlaySlot::raceStandings));
    EXPECT_FALSE(p.scoreCard);

    // The deep flag alone, without the panel expanded, shows the compact bar.
    in.isScoreChangeExpanded = false;
    EXPECT_EQ(presentOverlay(in).state, OverlayState::Compact);
}

TEST(OverlayPresenterTest, CelebrationReplacesEverythingOnlyWithAScoreEvent) {
    OverlayInputs in = shown(teamGame());
    in.isDeepExpanded = in.isJumboExpanded = in.isScoreChangeExpanded = true;
    in.hasScoreEvent = true;
    for (const CelebrationPhase phase :
         {CelebrationPhase::flushDown, CelebrationPhase::logoOnly, CelebrationPhase::logoAndPoints,
          CelebrationPhase::logoReturn, CelebrationPhase::flushUp}) {
        in.celebrationPhase = phase;
        const OverlayPresentation p = presentOverlay(in);
        EXPECT_EQ(p.state, OverlayState::Celebration);
        EXPECT_EQ(p.fixedHeight, 154);
        EXPECT_EQ(p.width, 340);
        EXPECT_FALSE(p.actionStrip || p.gamePicker || p.deepSlot);
    }
    in.celebrationPhase = CelebrationPhase::showExpanded;
    EXPECT_EQ(presentOverlay(in).state, OverlayState::Jumbo) << "the panels return at showExpanded";

    // A celebration phase without an event draws the normal content; collapsed its radius is 12.
    in = shown(teamGame());
    in.celebrationPhase = CelebrationPhase::logoOnly;
    const OverlayPresentation p = presentOverlay(in);
    EXPECT_EQ(p.state, OverlayState::Compact);
    EXPECT_EQ(p.bottomRadius, 12);
}

TEST(OverlayPresenterTest, AdvantageMarkerOnlyForALiveGameNamingOneOfItsTeams) {
    Game game = teamGame();
    game.situations = GameSituation{};
    EXPECT_EQ(advantageIsAway(game), std::nullopt);
    game.situations->advantageTeamId = game.awayTeam.id;
    EXPECT_EQ(advantageIsAway(game), true);
    CompactRowContent row = CompactRowContent::make(game, false);
    EXPECT_TRUE(row.away.advantageMarker);
    EXPECT_FALSE(row.home.advantageMarker);
    game.situations->advantageTeamId = game.homeTeam.id;
    EXPECT_EQ(advantageIsAway(game), false);
    game.situations->advantageTeamId = "someone-else";
    EXPECT_EQ(advantageIsAway(game), std::nullopt);
    row = CompactRowContent::make(game, false);
    EXPECT_FALSE(row.away.advantageMarker || row.home.advantageMarker);
    game.situations->advantageTeamId = game.homeTeam.id;
    game.status = GameStatus::scheduled;
    EXPECT_EQ(advantageIsAway(game), std::nullopt);
}

TEST(OverlayPresenterTest, CompactRowSwitchesToAbbreviationsWhileExpandedAndRacesShowTheirStatus) {
    const CompactRowContent rest = CompactRowContent::make(teamGame(), false);
    EXPECT_EQ(rest.away.text, "2");
    EXPECT_EQ(rest.home.text, "3");
    EXPECT_EQ(rest.home.logoSize, 18);
    EXPECT_TRUE(rest.home.textIsScore);
    const CompactRowContent hovered = CompactRowContent::make(teamGame(), true);
    EXPECT_EQ(hovered.home.text, teamGame().homeTeam.abbreviation);
    EXPECT_EQ(hovered.home.logoSize, 16);
    EXPECT_FALSE(hovered.home.textIsScore);

    using Kind = CompactRacingStatus::Kind;
    Game live = race(GameStatus::inProgress);
    EXPECT_EQ(CompactRowContent::racingStatusOf(live).kind, Kind::live);
    EXPECT_EQ(CompactRowContent::racingStatusOf(live).text, QString()) << "no period: the red dot alone";
    Game scheduled = race(GameStatus::scheduled);
    EXPECT_EQ(CompactRowContent::racingStatusOf(scheduled).text, scheduled.homeTeam.abbreviation);
    scheduled.venue = "Monza";
    EXPECT_EQ(CompactRowContent::racingStatusOf(scheduled).text, "Monza");
    Game finished = race(GameStatus::final_);
    EXPECT_EQ(CompactRowContent::racingStatusOf(finished).kind, Kind::nothing);
    finished.raceStandings = QList<RaceDriver>{RaceDriver{}, RaceDriver{}};
    (*finished.raceStandings)[0].name = "Ayrton Racer";
    EXPECT_EQ(CompactRowContent::racingStatusOf(finished).text, "Racer");
    (*finished.raceStandings)[0].name = "Mononym";
    EXPECT_EQ(CompactRowContent::racingStatusOf(finished).text, "Mononym");
    (*finished.raceStandings)[0].name = " ";
    (*finished.raceStandings)[0].shortName = "SHO";
    EXPECT_EQ(CompactRowContent::racingStatusOf(finished).text, "SHO");
}

TEST(OverlayPresenterTest, BarShapeHasAFlatTopAndUnclampedQuadraticBottomCorners) {
    const QPainterPath path = notchBarPath(QRectF(0, 0, 100, 34), 14);
    EXPECT_TRUE(path.contains(QPointF(0.5, 0.5)));
    EXPECT_TRUE(path.contains(QPointF(99.5, 0.5)));
    EXPECT_FALSE(path.contains(QPointF(1, 33.5)));
    EXPECT_TRUE(path.contains(QPointF(50, 33.5)));
    // A radius beyond half the height is drawn as given: the corner curves start above the top edge.
    const QPainterPath huge = notchBarPath(QRectF(0, 0, 100, 34), 50);
    EXPECT_LT(huge.boundingRect().top(), 0);
}
