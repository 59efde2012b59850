#include "notch/state/OverlayPresenter.h"
#include "notch/panels/CelebrationContent.h"
#include "notch/panels/CompactRowContent.h"
#include "notch/panels/ScoreCardContent.h"

#include "TestGames.h"

#include <gtest/gtest.h>

namespace {

const QDateTime now(QDate(2026, 3, 14), QTime(18, 0), Qt::LocalTime);

Game teamGame(GameStatus status = GameStatus::inProgress) {
    return withStatus(testGame("g", "nhl", now), status, 3, 2); // hockey: no timeout without a situation
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

    // The compact bar's size and radius, and the hidden widths, are pinned through the painted view.
    OverlayInputs in = shown(teamGame());
    EXPECT_EQ(presentOverlay(in).state, OverlayState::Compact);
    in.isScoreChangeExpanded = true;
    OverlayPresentation p = presentOverlay(in);
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
    for (const CelebrationPhase phase : {CelebrationPhase::flushDown, CelebrationPhase::flushUp}) {
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
    const CompactRowContent row = CompactRowContent::make(game, false);
    EXPECT_TRUE(row.away.advantageMarker);
    EXPECT_FALSE(row.home.advantageMarker);
    game.situations->advantageTeamId = game.homeTeam.id;
    EXPECT_EQ(advantageIsAway(game), false);
    game.situations->advantageTeamId = "someone-else";
    EXPECT_EQ(advantageIsAway(game), std::nullopt);
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

TEST(ScoreCardContentTest, ScoresCentreColumnAndLastScoreLine) {
    Game game = teamGame();
    game.homeScore = game.awayScore = 5;
    ScoreCardContent card = ScoreCardContent::make(game, std::nullopt, CelebrationPhase::none, now);
    EXPECT_FALSE(card.away.dimmed || card.home.dimmed) << "a tie shows both in full white";
    game.awayScore = 4;
    card = ScoreCardContent::make(game, std::nullopt, CelebrationPhase::none, now);
    EXPECT_TRUE(card.away.dimmed);
    EXPECT_FALSE(card.home.dimmed);
    ASSERT_EQ(card.centre.size(), 1) << "no period, no clock: the badge alone";
    EXPECT_EQ(card.centre[0].text, "LIVE");
    EXPECT_FALSE(card.lastScoreText);

    game.status = GameStatus::endOfPeriod;
    game.period = "3rd";
    game.clock = "0:00";
    card = ScoreCardContent::make(game, std::nullopt, CelebrationPhase::none, now);
    ASSERT_EQ(card.centre.size(), 3);
    EXPECT_EQ(card.centre[0].text, "END OF PERIOD");
    EXPECT_EQ(card.centre[1].text, "3rd");
    EXPECT_EQ(card.centre[2].style, ScoreCardCentreLine::Style::clock);

    const QList<ScoreCardCentreLine> scheduled =
        ScoreCardContent::centreLines(testGame("s", "nba", now), now);
    ASSERT_EQ(scheduled.size(), 2);
    EXPECT_EQ(scheduled[0].text, "Scheduled");
    EXPECT_TRUE(scheduled[1].text.startsWith("Today @ "));
    EXPECT_EQ(ScoreCardContent::centreLines(teamGame(GameStatus::final_), now).first().text, "Final");
    EXPECT_EQ(ScoreCardContent::centreLines(teamGame(GameStatus::postponed), now).first().text, "Postponed");

    ScoreEvent event;
    event.teamName = "BOS";
    event.points = 1;
    event.playText = "";
    EXPECT_EQ(ScoreCardContent::lastScoreLine(event), "BOS scored 1 pt");
    event.points = 3;
    event.playText.reset();
    EXPECT_EQ(ScoreCardContent::lastScoreLine(event), "BOS scored 3 pts");
    // A name that reads as a placeholder is shown as it is, never filled with the points.
    event.teamName = "%2";
    EXPECT_EQ(ScoreCardContent::lastScoreLine(event), "%2 scored 3 pts");
    event.teamName = "%1%3";
    EXPECT_EQ(ScoreCardContent::lastScoreLine(event), "%1%3 scored 3 pts");
    event.playText = "Three from the corner";
    EXPECT_EQ(ScoreCardContent::lastScoreLine(event), "Three from the corner");
    EXPECT_FALSE(ScoreCardContent::make(game, event, CelebrationPhase::flushUp, now).lastScoreText);
    EXPECT_TRUE(ScoreCardContent::make(game, event, CelebrationPhase::showExpanded, now).lastScoreText);
}

TEST(CelebrationContentTest, EachPhaseShowsItsPartsAndThePlayTextOnlyWithTheLogo) {
    ScoreEvent event;
    event.points = 3;
    event.isHomeTeam = true;
    event.playText = "Deep three";
    event.teamColor = QColor(0, 0, 40); // too dark for black: lightened
    const auto at = [&](CelebrationPhase phase) { return CelebrationContent::make(phase, event); };
    EXPECT_EQ(at(CelebrationPhase::flushDown).logoOpacity, 0);
    EXPECT_EQ(at(CelebrationPhase::flushDown).playTextOpacity, 0);
    EXPECT_EQ(at(CelebrationPhase::logoOnly).logoOpacity, 1);
    EXPECT_EQ(at(CelebrationPhase::logoOnly).pointsOpacity, 0);
    EXPECT_EQ(at(CelebrationPhase::logoOnly).playTextOpacity, 1);
    const CelebrationContent points = at(CelebrationPhase::logoAndPoints);
    EXPECT_EQ(points.pointsOpacity, 1);
    EXPECT_TRUE(points.pointsFirst);
    EXPECT_EQ(points.pointsText, "+3");
    EXPECT_GT(points.accent.valueF(), 0.5);
    EXPECT_EQ(at(CelebrationPhase::logoReturn).pointsOpacity, 0);
    const CelebrationContent up = at(CelebrationPhase::flushUp);
    EXPECT_EQ(up.logoOffsetY, -120);
    EXPECT_EQ(up.logoOpacity, 0);
    EXPECT_EQ(up.playTextOpacity, 0);
    EXPECT_EQ(at(CelebrationPhase::showExpanded).logoOpacity, 0);
    event.playText = "";
    EXPECT_EQ(at(CelebrationPhase::logoOnly).playTextOpacity, 0);
}
