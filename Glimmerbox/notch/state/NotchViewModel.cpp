#include "notch/state/NotchViewModel.h"

#include "notch/state/CelebrationTimeline.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"

#include <QMetaObject>

#include <span>

NotchViewModel::NotchViewModel(AppState& appState, ScoresService& scores, UserPreferences& preferences,
                               Clock& clock, QObject* parent)
    : QObject(parent), m_appState(appState), m_scores(scores), m_preferences(preferences), m_clock(clock) {
    bindPinnedGames();
}

NotchViewModel::~NotchViewModel() = default;

// --- Setters: store, then publish with the spring of the change in progress ---

void NotchViewModel::setDisplayedGame(const std::optional<Game>& game) {
    const bool otherGame = GameKey::of(m_displayedGame) != GameKey::of(game);
    publish(m_displayedGame, game, &NotchViewModel::displayedGameChanged);
    if (otherGame)
        shownGameChanged();
}

void NotchViewModel::setCycleIndex(int index) {
    publish(m_cycleIndex, index, &NotchViewModel::cycleIndexChanged);
}

void NotchViewModel::setScoreEvent(const std::optional<ScoreEvent>& event) {
    publish(m_scoreEvent, event, &NotchViewModel::scoreEventChanged);
}

void NotchViewModel::setIsScoreChangeExpanded(bool expanded) {
    publish(m_isScoreChangeExpanded, expanded, &NotchViewModel::isScoreChangeExpandedChanged);
}

void NotchViewModel::setCelebrationPhase(CelebrationPhase phase) {
    publish(m_celebrationPhase, phase, &NotchViewModel::celebrationPhaseChanged);
}

void NotchViewModel::setTopScorers(const QList<TopScorer>& scorers) {
    publish(m_topScorers, scorers, &NotchViewModel::topScorersChanged);
}

void NotchViewModel::setIsLoadingLeaders(bool loading) {
    publish(m_isLoadingLeaders, loading, &NotchViewModel::isLoadingLeadersChanged);
}

void NotchViewModel::setIsDeepExpanded(bool expanded) {
    publish(m_isDeepExpanded, expanded, &NotchViewModel::isDeepExpandedChanged);
}

void NotchViewModel::setSwipeDirection(SwipeDirection direction) {
    publish(m_swipeDirection, direction, &NotchViewModel::swipeDirectionChanged);
}

void NotchViewModel::setIsJumboExpanded(bool expanded) {
    publish(m_isJumboExpanded, expanded, &NotchViewModel::isJumboExpandedChanged);
}

bool NotchViewModel::isBusy() const {
    return m_preferences.busyMode();
}

// --- Pinned games ---

void NotchViewModel::bindPinnedGames() {
    connect(&m_appState, &AppState::pinnedGamesChanged, this, &NotchViewModel::pinnedGamesChanged,
            Qt::QueuedConnection);
    QMetaObject::invokeMethod(
        this, [this] { pinnedGamesChanged(m_appState.pinnedGames()); }, Qt::QueuedConnection);
}

void NotchViewModel::pinnedGamesChanged(const QList<Game>& pinned) {
    const int count = static_cast<int>(pinned.size());
    if (count == 0) {
        setDisplayedGame(std::nullopt);
        m_cycleTimer.reset();
        m_previousScores.clear();
        m_wasInBreak.clear();
        m_lastPinnedCount = 0;
        return;
    }
    const Game& game = pinned[m_cycleIndex % count];
    checkScoreChange(game);
    checkBreakResume(game);
    setDisplayedGame(game);
    const int oldCount = std::exchange(m_lastPinnedCount, count);
    if (count == 1)
        m_cycleTimer.reset();
    else if (count != oldCount || !m_cycleTimer)
        startCycling();
}

// --- Scores and breaks ---

void NotchViewModel::checkScoreChange(const Game& game) {
    const std::pair<qint64, qint64> score{game.homeScore, game.awayScore};
    const GameKey key = GameKey::of(game);
    const auto previous = m_previousScores.constFind(key);
    const bool firstSight = previous == m_previousScores.cend();
    const std::pair<qint64, qint64> before = firstSight ? score : *previous;
    m_previousScores.insert(key, score);
    if (!game.isLive() || firstSight)
        return;
    const qint64 homeDelta = score.first - before.first;
    const qint64 awayDelta = score.second - before.second;
    // Both sides scoring between two checks celebrates the home side; a correction downwards is silent.
    if (homeDelta >= 1)
        startCelebration(scoreEventFor(game, true, homeDelta));
    else if (awayDelta >= 1)
        startCelebration(scoreEventFor(game, false, awayDelta));
}

void NotchViewModel::checkBreakResume(const Game& game) {
    const GameKey key = GameKey::of(game);
    if (!game.isLive()) {
        m_wasInBreak.insert(key, false);
        return;
    }
    const bool inBreak = game.breakKind().has_value();
    const bool was = m_wasInBreak.value(key, false);
    m_wasInBreak.insert(key, inBreak);
    if (was && !inBreak)
        expandAfterBreak();
}

void NotchViewModel::expandAfterBreak() {
    if (m_celebrationPhase != CelebrationPhase::none || isBusy())
        return;
    m_resumeTimer.reset();
    animate(showGameSpring, [this] { setIsScoreChangeExpanded(true); });
    // A celebration starting within these 2 s leaves this timer running.
    m_resumeTimer = m_clock.singleShot(secondsToMilliseconds(resumeDuration), this, [this] {
        animate(showGameSpring, [this] { setIsScoreChangeExpanded(false); });
    });
}

// --- Celebration ---

void NotchViewModel::startCelebration(const ScoreEvent& event) {
    if (isBusy())
        return;
    m_celebrationTimers.clear(); // a new score restarts the timeline
    setScoreEvent(event);
    setIsScoreChangeExpanded(true);
    // The first step at once, the others on their timers.
    const CelebrationStep& first = celebrationTimeline[0];
    animate(first.spring, [this, &first] { setCelebrationPhase(first.phase); });
    for (const CelebrationStep& step : std::span(celebrationTimeline).subspan(1))
        scheduleCelebrationStep(step.at, step.spring, step.phase);
}

void NotchViewModel::scheduleCelebrationStep(double delay, SpringSpec spring, CelebrationPhase phase) {
    // Fired steps stay in the list until the next celebration empties it; nothing else cancels them.
    m_celebrationTimers.push_back(
        m_clock.singleShot(secondsToMilliseconds(delay), this, [this, spring, phase] {
            animate(spring, [this, phase] {
                setCelebrationPhase(phase);
                if (phase == CelebrationPhase::none) {
                    setIsScoreChangeExpanded(false);
                    setScoreEvent(std::nullopt);
                }
            });
        }));
}

// --- Rotation ---

void NotchViewModel::startCycling() {
    // Busy mode is read here only: switching it on leaves a running rotation alone until the next restart.
    m_cycleTimer.reset();
    if (isBusy())
        return;
    m_cycleTimer = m_clock.repeating(secondsToMilliseconds(cycleInterval), this, [this] { cycleTick(); });
}

void NotchViewModel::cycleTick() {
    if (m_isDeepExpanded || m_isJumboExpanded || m_celebrationPhase != CelebrationPhase::none)
        return;
    const QList<Game> pinned = m_appState.pinnedGames();
    if (pinned.isEmpty())
        return;
    setSwipeDirection(SwipeDirection::left);
    setCycleIndex((m_cycleIndex + 1) % static_cast<int>(pinned.size()));
    const Game& game = pinned[m_cycleIndex];
    checkScoreChange(game);
    animate(rotationSpring, [this, &game] { setDisplayedGame(game); });
}
