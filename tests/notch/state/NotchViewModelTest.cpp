#include "notch/state/NotchViewModel.h"

#include "StubAppState.h"
#include "TaskRunner.h"
#include "TestGames.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

namespace {

using Phase = CelebrationPhase;

Game liveGame(const QString& id, qint64 home, qint64 away, const QString& leagueId = "nba") {
    Game game = withStatus(testGame(id, leagueId, QDateTime(QDate(2026, 3, 14), QTime(17, 0), Qt::UTC)),
                           GameStatus::inProgress, home, away);
    game.situations = GameSituation{};
    game.situations->advantageTeamId = game.homeTeam.id; // no timeout break for a live basketball game
    return game;
}

QList<TopScorer> scorers(const QString& name) {
    return {TopScorer{name, "30 PTS", std::nullopt, true}};
}

class NotchViewModelTest : public ::testing::Test, protected StubAppState {
protected:
    NotchViewModelTest() {
        QObject::connect(
            &model, &NotchViewModel::celebrationPhaseChanged, &model,
            [this](Phase phase, ChangeAnimation animation) { phases.emplace_back(phase, animation); });
    }

    void pin(const QList<Game>& games) {
        state.setPinnedGames(games);
        processPendingEvents();
    }
    QString shownId() const { return model.displayedGame() ? model.displayedGame()->id : QString(); }
    // Asks for the deep card and waits out its delay.
    void openDeepCard() {
        model.scheduleDeepExpand();
        clock.advanceSeconds(2.0);
    }
    QStringList leaderNames() const {
        QStringList names;
        for (const TopScorer& scorer : model.topScorers())
            names.append(scorer.playerName);
        return names;
    }

    NotchViewModel model{state, api, preferences, clock};
    std::vector<std::pair<Phase, ChangeAnimation>> phases;
};

} // namespace

TEST_F(NotchViewModelTest, PinnedGamesArriveOnALaterTurnOfTheEventLoop) {
    state.setPinnedGames({liveGame("a", 0, 0)});
    NotchViewModel late{state, api, preferences, clock};
    EXPECT_FALSE(late.displayedGame());
    processPendingEvents();
    ASSERT_TRUE(late.displayedGame());
    EXPECT_EQ(late.displayedGame()->id, "a");
}

TEST_F(NotchViewModelTest, CelebrationRunsItsTimelineWithItsSpringsAndRestartsOnANewScore) {
    pin({liveGame("a", 2, 1)});
    pin({liveGame("a", 2, 1)});
    EXPECT_TRUE(phases.empty()) << "first sight of a game already scoring never celebrates";

    pin({liveGame("a", 2, 4)});
    ASSERT_TRUE(model.scoreEvent());
    EXPECT_FALSE(model.scoreEvent()->isHomeTeam);
    EXPECT_EQ(model.scoreEvent()->points, 3);
    EXPECT_TRUE(model.isScoreChangeExpanded());
    clock.advanceSeconds(3.1);
    const std::vector<std::pair<Phase, ChangeAnimation>> expected{
        {Phase::flushDown, SpringSpec{0.3, 0.85}},     {Phase::logoOnly, SpringSpec{0.4, 0.6}},
        {Phase::logoAndPoints, SpringSpec{0.4, 0.65}}, {Phase::logoReturn, SpringSpec{0.4, 0.65}},
        {Phase::flushUp, SpringSpec{0.3, 0.85}},       {Phase::showExpanded, SpringSpec{0.35, 0.8}},
        {Phase::none, SpringSpec{0.35, 0.8}}};
    EXPECT_EQ(phases, expected);
    EXPECT_FALSE(model.scoreEvent());
    EXPECT_FALSE(model.isScoreChangeExpanded());

    // Both sides rising between two checks celebrates the home side's points; 1 s in, a new score restarts.
    pin({liveGame("a", 4, 7)});
    EXPECT_TRUE(model.scoreEvent()->isHomeTeam);
    EXPECT_EQ(model.scoreEvent()->points, 2);
    clock.advanceSeconds(1.0);
    EXPECT_EQ(model.celebrationPhase(), Phase::logoAndPoints);
    pin({liveGame("a", 5, 7)});
    EXPECT_EQ(model.celebrationPhase(), Phase::flushDown);
    EXPECT_EQ(model.scoreEvent()->points, 1);
    clock.advanceSeconds(2.2);
    EXPECT_EQ(model.celebrationPhase(), Phase::logoReturn) << "the old steps never fire";

    // Neither an empty pin list nor a correction downwards ends it or starts another.
    pin({});
    clock.advanceSeconds(1.0);
    EXPECT_EQ(model.celebrationPhase(), Phase::none);
    pin({liveGame("a", 6, 7)});
    EXPECT_EQ(model.celebrationPhase(), Phase::none) << "a game pinned again starts without memory";
    pin({liveGame("a", 5, 7)});
    EXPECT_EQ(model.celebrationPhase(), Phase::none);
}

TEST_F(NotchViewModelTest, BusyModeSilencesButStillRemembersScores) {
    const Game other = testGame("b", "nba", clock.now());
    pin({liveGame("a", 0, 0), other});
    preferences.setBusyMode(true);
    pin({liveGame("a", 7, 0), other});
    EXPECT_EQ(model.celebrationPhase(), Phase::none);
    openDeepCard();
    EXPECT_FALSE(model.isDeepExpanded());
    clock.advanceSeconds(8.0);
    EXPECT_EQ(shownId(), "b") << "the rotation started before busy mode keeps running";

    pin({liveGame("a", 7, 0), other, testGame("c", "nba", clock.now())}); // restart with busy mode on
    clock.advanceSeconds(30.0);
    EXPECT_EQ(model.cycleIndex(), 1) << "a rotation restarted in busy mode does not run";

    preferences.setBusyMode(false);
    model.navigate(SwipeDirection::right);
    pin({liveGame("a", 7, 0), other, testGame("c", "nba", clock.now())});
    EXPECT_EQ(shownId(), "a");
    EXPECT_EQ(model.celebrationPhase(), Phase::none) << "the goal of busy time is not celebrated afterwards";
}

TEST_F(NotchViewModelTest, PlayResumingAfterABreakOpensThePanelForTwoSeconds) {
    Game game = liveGame("a", 10, 10);
    game.status = GameStatus::halftime;
    pin({game});
    std::vector<ChangeAnimation> springs;
    QObject::connect(&model, &NotchViewModel::isScoreChangeExpandedChanged, &model,
                     [&](bool, ChangeAnimation animation) { springs.push_back(animation); });
    pin({liveGame("a", 10, 10)});
    EXPECT_TRUE(model.isScoreChangeExpanded());
    clock.advanceSeconds(1.99);
    EXPECT_TRUE(model.isScoreChangeExpanded());
    clock.advanceSeconds(0.01);
    EXPECT_FALSE(model.isScoreChangeExpanded());
    EXPECT_EQ(springs, (std::vector<ChangeAnimation>{SpringSpec{0.35, 0.8}, SpringSpec{0.35, 0.8}}));
}

TEST_F(NotchViewModelTest, RotationFollowsThePinCountAndKeepsItsIndex) {
    QList<Game> six;
    for (int index = 0; index < 6; ++index)
        six.append(testGame(QStringLiteral("g%1").arg(index), "nba", clock.now()));
    pin(six);
    clock.advanceSeconds(50.0);
    EXPECT_EQ(model.cycleIndex(), 5);
    EXPECT_EQ(model.swipeDirection(), SwipeDirection::left);

    pin(six.mid(0, 3));
    EXPECT_EQ(shownId(), "g2") << "index 5 of three pins is the third";
    EXPECT_EQ(model.cycleIndex(), 5);

    // Going from 2 to 3 pins restarts the 10 s period; a refresh keeping 3 does not.
    pin(six.mid(0, 2));
    clock.advanceSeconds(4.0);
    pin(six.mid(0, 3));
    clock.advanceSeconds(4.0);
    pin(six.mid(0, 3));
    clock.advanceSeconds(5.9);
    EXPECT_EQ(model.cycleIndex(), 5);
    clock.advanceSeconds(0.1);
    EXPECT_EQ(model.cycleIndex(), 0);

    // The deep panel pauses it; one pin stops it.
    model.scheduleDeepExpand();
    clock.advanceSeconds(30.0);
    EXPECT_EQ(model.cycleIndex(), 0);
    pin(six.mid(0, 1));
    EXPECT_EQ(clock.pendingCount(), 0);
}

TEST_F(NotchViewModelTest, SwipesWrapOverThePinsAndAreIgnoredDuringACelebration) {
    const QList<Game> three{liveGame("a", 0, 0), liveGame("b", 0, 0), liveGame("c", 0, 0)};
    pin(three);
    model.navigate(SwipeDirection::right);
    EXPECT_EQ(shownId(), "c");
    EXPECT_EQ(model.cycleIndex(), 2);
    model.navigate(SwipeDirection::left);
    EXPECT_EQ(shownId(), "a");

    pin({liveGame("a", 1, 0), three[1], three[2]});
    ASSERT_EQ(model.celebrationPhase(), Phase::flushDown);
    model.navigate(SwipeDirection::left);
    EXPECT_EQ(shownId(), "a");
}

TEST_F(NotchViewModelTest, ASinglePinWalksThroughItsLeagueByStartTime) {
    Game early = testGame("early", "nba", clock.now());
    Game late = testGame("late", "nba", clock.now());
    late.startTime = early.startTime.addSecs(3600);
    pin({early}); // after the start-up refresh, which empties the games
    state.setLeagueGames("nba", {late, early});
    model.navigate(SwipeDirection::right); // wraps to the last game
    EXPECT_EQ(shownId(), "late");
    EXPECT_EQ(idsOf(state.pinnedGames()), QStringList{"late"});
    model.navigate(SwipeDirection::left);
    EXPECT_EQ(idsOf(state.pinnedGames()), QStringList{"early"});

    state.setLeagueGames("nba", {early});
    model.navigate(SwipeDirection::left);
    EXPECT_EQ(idsOf(state.pinnedGames()), QStringList{"early"}) << "a league of one game goes nowhere";
}

TEST_F(NotchViewModelTest, LeadersAreCachedPerGameAndOnlyShownUnderTheirOwnGame) {
    const QList<Game> pins{liveGame("a", 0, 0), liveGame("b", 0, 0)};
    pin(pins);
    openDeepCard();
    EXPECT_TRUE(model.isDeepExpanded());
    EXPECT_TRUE(model.isLoadingLeaders());

    // A swipe while a's fetch runs: a's players never appear under b, but are kept for a.
    model.navigate(SwipeDirection::left);
    api.answerTopScorers("a", scorers("Player A"));
    EXPECT_TRUE(model.topScorers().isEmpty());
    EXPECT_TRUE(model.isLoadingLeaders());

    // Back to a while b's fetch runs: a's cached players, and the cache hit clears the spinner.
    model.navigate(SwipeDirection::left);
    EXPECT_EQ(leaderNames(), QStringList{"Player A"});
    EXPECT_FALSE(model.isLoadingLeaders());
    api.answerTopScorers("b", scorers("Player B"));
    EXPECT_EQ(leaderNames(), QStringList{"Player A"});
    model.navigate(SwipeDirection::left);
    EXPECT_EQ(leaderNames(), QStringList{"Player B"});
    EXPECT_EQ(api.requestCount(FakeScoresService::Kind::topScorers), 2);

    model.collapseDeep();
    EXPECT_TRUE(model.topScorers().isEmpty());
    const int requests = api.requestCount(FakeScoresService::Kind::topScorers);
    openDeepCard();
    EXPECT_EQ(api.requestCount(FakeScoresService::Kind::topScorers), requests);
    EXPECT_FALSE(model.isLoadingLeaders());

    // A failed fetch caches nothing; racing has no leaders and asks for none.
    model.loadLeaders(liveGame("x", 0, 0));
    api.answerTopScorers("x", APIError::noData());
    model.loadLeaders(liveGame("f", 0, 0, "f1"));
    EXPECT_EQ(api.requestCount(FakeScoresService::Kind::topScorers), requests + 1);
    model.loadLeaders(liveGame("x", 0, 0));
    EXPECT_EQ(api.requestCount(FakeScoresService::Kind::topScorers), requests + 2);
}

TEST_F(NotchViewModelTest, APickedGameStaysShownAcrossTheNextPinnedListChange) {
    pin({liveGame("a", 0, 0), liveGame("b", 0, 0)});
    model.scheduleJumboExpand();
    clock.advanceSeconds(0.5);
    EXPECT_TRUE(model.isJumboExpanded());

    model.selectGame(liveGame("c", 0, 0)); // pinned third, at index 2
    EXPECT_EQ(model.cycleIndex(), 2);
    EXPECT_FALSE(model.isJumboExpanded());
    EXPECT_EQ(model.swipeDirection(), SwipeDirection::none);
    processPendingEvents();
    EXPECT_EQ(shownId(), "c");
    model.selectGame(liveGame("a", 0, 0)); // already pinned
    pin(state.pinnedGames());
    EXPECT_EQ(shownId(), "a");
}

TEST_F(NotchViewModelTest, UnpinningShowsTheFirstRemainingPinAndTheLastLeavesNothing) {
    pin({liveGame("a", 0, 0), liveGame("b", 0, 0)});
    model.navigate(SwipeDirection::left);
    model.unpinGame(liveGame("a", 0, 0));
    EXPECT_EQ(model.cycleIndex(), 0);
    pin(state.pinnedGames());
    EXPECT_EQ(shownId(), "b");

    openDeepCard();
    model.scheduleJumboExpand();
    clock.advanceSeconds(0.5);
    model.unpinGame(liveGame("b", 0, 0));
    EXPECT_FALSE(model.displayedGame());
    EXPECT_FALSE(model.isDeepExpanded());
    EXPECT_FALSE(model.isJumboExpanded());
    EXPECT_TRUE(state.pinnedGames().isEmpty());
}

TEST_F(NotchViewModelTest, APickWithTheCardOpenBringsThePickedGamesLeaders) {
    using Kind = FakeScoresService::Kind;
    pin({liveGame("a", 0, 0), liveGame("b", 0, 0), liveGame("c", 0, 0)});
    openDeepCard();
    ASSERT_TRUE(model.isLoadingLeaders());

    // Picked while a's fetch runs: b's leaders are asked for, and a's answer shows nowhere.
    model.selectGame(liveGame("b", 0, 0));
    EXPECT_EQ(api.requestCount(Kind::topScorers), 2);
    api.answerTopScorers("a", scorers("Player A"));
    EXPECT_TRUE(model.topScorers().isEmpty());
    EXPECT_TRUE(model.isLoadingLeaders());
    api.answerTopScorers("b", scorers("Player B"));
    EXPECT_EQ(leaderNames(), QStringList{"Player B"});
    EXPECT_FALSE(model.isLoadingLeaders());

    // From b's players to c, not yet fetched: b's players leave at once and the spinner shows.
    model.selectGame(liveGame("c", 0, 0));
    EXPECT_TRUE(model.topScorers().isEmpty());
    EXPECT_TRUE(model.isLoadingLeaders());
    // Back to a, cached: its players at once, no request, no spinner, though c's fetch still runs.
    model.selectGame(liveGame("a", 0, 0));
    EXPECT_EQ(leaderNames(), QStringList{"Player A"});
    EXPECT_FALSE(model.isLoadingLeaders());
    EXPECT_EQ(api.requestCount(Kind::topScorers), 3);
    // A race has no leaders: nothing to wait for.
    model.selectGame(liveGame("f", 0, 0, "f1"));
    EXPECT_TRUE(model.topScorers().isEmpty());
    EXPECT_FALSE(model.isLoadingLeaders());
}

TEST_F(NotchViewModelTest, APinnedListThatSwapsTheShownGameUnderTheOpenCardLoadsItsLeaders) {
    using Kind = FakeScoresService::Kind;
    const Game a = liveGame("a", 0, 0), b = liveGame("b", 0, 0), c = liveGame("c", 0, 0);
    pin({a, b, c});
    model.navigate(SwipeDirection::right);
    openDeepCard();
    ASSERT_EQ(shownId(), "c");
    ASSERT_TRUE(model.isLoadingLeaders());

    pin({b, c}); // index 2 of two pins is the first: b
    ASSERT_EQ(shownId(), "b");
    ASSERT_EQ(api.requestCount(Kind::topScorers), 2);
    EXPECT_EQ(api.requests().back().gameId, "b");
    api.answerTopScorers("c", scorers("Player C"));
    EXPECT_TRUE(model.isLoadingLeaders()) << "b's fetch still runs";
    EXPECT_TRUE(model.topScorers().isEmpty());
    api.answerTopScorers("b", scorers("Player B"));
    EXPECT_FALSE(model.isLoadingLeaders());
    EXPECT_EQ(leaderNames(), QStringList{"Player B"});

    // A republished list keeping b asks for nothing more.
    pin({b, c});
    EXPECT_EQ(api.requestCount(Kind::topScorers), 2);
    EXPECT_EQ(leaderNames(), QStringList{"Player B"});
}

TEST_F(NotchViewModelTest, TheDeepCardNeverOpensWithoutAGame) {
    openDeepCard();
    EXPECT_FALSE(model.isDeepExpanded()) << "nothing pinned, nothing shown";
    model.selectGame(liveGame("a", 0, 0)); // a pick in the idle panel
    processPendingEvents();
    EXPECT_FALSE(model.isDeepExpanded());

    // The last pin leaving with the card open closes it, so a later pick does not open it at once.
    openDeepCard();
    ASSERT_TRUE(model.isDeepExpanded());
    pin({});
    EXPECT_FALSE(model.isDeepExpanded());
    model.selectGame(liveGame("b", 0, 0));
    processPendingEvents();
    EXPECT_FALSE(model.isDeepExpanded());
}

// The idle picker offers a game that ended long ago: picked, the bar shows it through the pinned refreshes
// for five minutes, then the bar empties.
TEST_F(NotchViewModelTest, AFinalPickedLongAfterItEndedStaysOnTheBarFiveMinutes) {
    const Game ended = withStatus(testGame("ended", "nba", clock.now()), GameStatus::final_, 100, 98);
    api.gamesResponder = [ended](const FakeScoresService::Request&) {
        return std::optional<FakeScoresService::GamesResult>(QList<Game>{ended});
    };
    state.setLeagueGames("nba", {ended});
    state.syncPinnedGames();
    clock.advanceSeconds(600);

    model.selectGame(ended);
    processPendingEvents();
    ASSERT_EQ(shownId(), "ended");
    const auto refreshFor = [&](int seconds) {
        for (int second = 0; second < seconds; ++second) {
            clock.advanceSeconds(1);
            processPendingEvents();
        }
    };
    refreshFor(300);
    EXPECT_EQ(shownId(), "ended") << "300 s after the pick";
    EXPECT_EQ(api.requestCount(FakeScoresService::Kind::liveScoreboard), 20);
    refreshFor(15);
    EXPECT_EQ(shownId(), "") << "315 s after the pick";
}

// Each league numbers its games on its own: an NHL game under the id of an NBA game is another game, with its
// own score, place in the rotation, leaders and pin.
TEST_F(NotchViewModelTest, PinnedGamesOfTwoLeaguesUnderOneIdAreToldApart) {
    const Game nba = liveGame("g", 10, 0);
    const Game nhl = liveGame("g", 1, 0, "nhl");
    const auto shownLeague = [&] {
        return model.displayedGame() ? model.displayedGame()->league.id : QString();
    };
    pin({nba, nhl});
    ASSERT_EQ(shownLeague(), "nba");
    clock.advanceSeconds(10.0);
    EXPECT_EQ(shownLeague(), "nhl");
    clock.advanceSeconds(10.0);
    EXPECT_EQ(shownLeague(), "nba");
    EXPECT_TRUE(phases.empty()) << "neither game scored";

    openDeepCard();
    api.answerTopScorers("g", scorers("Basketball Player"));
    EXPECT_EQ(leaderNames(), QStringList{"Basketball Player"});
    model.navigate(SwipeDirection::left);
    EXPECT_EQ(shownLeague(), "nhl");
    EXPECT_TRUE(model.topScorers().isEmpty()) << "the NBA game's players never show under the NHL game";
    EXPECT_TRUE(model.isLoadingLeaders());
    api.answerTopScorers("g", scorers("Hockey Player"));
    EXPECT_EQ(leaderNames(), QStringList{"Hockey Player"});
    model.navigate(SwipeDirection::left);
    EXPECT_EQ(shownLeague(), "nba");
    EXPECT_EQ(leaderNames(), QStringList{"Basketball Player"});

    model.unpinGame(nhl);
    ASSERT_EQ(state.pinnedGames().size(), 1);
    EXPECT_EQ(state.pinnedGames().first().league.id, "nba");
}
