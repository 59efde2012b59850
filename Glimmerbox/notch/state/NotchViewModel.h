#pragma once

#include "notch/state/CelebrationPhase.h"
#include "notch/state/ScoreEvent.h"
#include "notch/window/SwipeDirection.h"

#include "app/GameKey.h"
#include "model/Game.h"
#include "platform/time/Clock.h"
#include "platform/time/SpringSpec.h"
#include "service/TopScorer.h"

#include <QCoroTask>
#include <QHash>
#include <QList>
#include <QObject>
#include <QSet>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

class AppState;
class ScoresService;
class UserPreferences;

// How a published change is shown: inside a spring animation, or at once (nullopt).
using ChangeAnimation = std::optional<SpringSpec>;

// The overlay's state machine: follows the pinned games, chooses the one shown, rotates through them, notices
// the shown game's scores and runs their celebration, opens the larger panel when play resumes, loads and
// caches the shown game's leaders, runs the hover delays of the deep and jumbo panels, and carries out
// swipes, selection and unpinning. Draws nothing.
//
// Every published field has a getter and a change signal emitted on every assignment (equal values
// included). Each signal carries the spring the change is animated with, so views animate it as intended.
// The pinned games arrive queued: the current list on a later event-loop turn, then each republication.
class NotchViewModel : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isExpanded READ isExpanded NOTIFY isExpandedChanged)
    Q_PROPERTY(int cycleIndex READ cycleIndex NOTIFY cycleIndexChanged)
    Q_PROPERTY(bool isScoreChangeExpanded READ isScoreChangeExpanded NOTIFY isScoreChangeExpandedChanged)
    Q_PROPERTY(bool isLoadingLeaders READ isLoadingLeaders NOTIFY isLoadingLeadersChanged)
    Q_PROPERTY(bool isDeepExpanded READ isDeepExpanded NOTIFY isDeepExpandedChanged)
    Q_PROPERTY(bool isJumboExpanded READ isJumboExpanded NOTIFY isJumboExpandedChanged)
public:
    // Delays, in seconds.
    static constexpr double cycleInterval = 10.0;
    static constexpr double resumeDuration = 2.0;
    static constexpr double deepExpandDelay = 2.0;
    static constexpr double jumboExpandDelay = 0.5;

    // Springs of the animated changes.
    static constexpr SpringSpec rotationSpring{0.45, 0.75};
    static constexpr SpringSpec showGameSpring{0.35, 0.8};  // swipe, selection, unpin, resume panel
    static constexpr SpringSpec openPanelSpring{0.5, 0.75}; // deep and jumbo panels opening
    static constexpr SpringSpec closePanelSpring{0.4, 0.8}; // and closing

    NotchViewModel(AppState& appState, ScoresService& scores, UserPreferences& preferences, Clock& clock,
                   QObject* parent = nullptr);
    ~NotchViewModel() override;

    // --- Published fields ---
    const std::optional<Game>& displayedGame() const { return m_displayedGame; }
    bool isExpanded() const { return m_isExpanded; } // nothing sets it
    int cycleIndex() const { return m_cycleIndex; }
    const std::optional<ScoreEvent>& scoreEvent() const { return m_scoreEvent; }
    bool isScoreChangeExpanded() const { return m_isScoreChangeExpanded; }
    CelebrationPhase celebrationPhase() const { return m_celebrationPhase; }
    const QList<TopScorer>& topScorers() const { return m_topScorers; }
    bool isLoadingLeaders() const { return m_isLoadingLeaders; }
    bool isDeepExpanded() const { return m_isDeepExpanded; }
    SwipeDirection swipeDirection() const { return m_swipeDirection; }
    bool isJumboExpanded() const { return m_isJumboExpanded; }

    // --- Operations for the overlay's views ---
    // A horizontal swipe: between the pins with two or more, else through the shown game's league.
    void navigate(SwipeDirection direction);
    // Fills topScorers for `game`, from the cache or the scores service. Whenever the shown game changes to
    // another while the deep panel is open, the players are emptied and the new game's are loaded.
    void loadLeaders(const Game& game);
    // Pointer entered the overlay: the deep panel opens 2 s later (never in busy mode, mid-celebration or
    // while no game is shown).
    void scheduleDeepExpand();
    // Pointer left the overlay: cancels the deep delay and closes the jumbo and deep panels.
    void collapseDeep();
    // Hovering SELECT: the jumbo panel opens 0.5 s later; ending the hover only cancels that delay.
    void scheduleJumboExpand();
    void cancelJumboExpand();
    void collapseJumbo();
    // A picker row was chosen: pins the game when needed and shows it, closing the jumbo panel.
    void selectGame(const Game& game);
    // Removes the game from the pins and shows the first remaining one.
    void unpinGame(const Game& game);

signals:
    void displayedGameChanged(const std::optional<Game>& displayedGame, ChangeAnimation animation);
    void isExpandedChanged(bool isExpanded, ChangeAnimation animation);
    void cycleIndexChanged(int cycleIndex, ChangeAnimation animation);
    void scoreEventChanged(const std::optional<ScoreEvent>& scoreEvent, ChangeAnimation animation);
    void isScoreChangeExpandedChanged(bool isScoreChangeExpanded, ChangeAnimation animation);
    void celebrationPhaseChanged(CelebrationPhase celebrationPhase, ChangeAnimation animation);
    void topScorersChanged(const QList<TopScorer>& topScorers, ChangeAnimation animation);
    void isLoadingLeadersChanged(bool isLoadingLeaders, ChangeAnimation animation);
    void isDeepExpandedChanged(bool isDeepExpanded, ChangeAnimation animation);
    void swipeDirectionChanged(SwipeDirection swipeDirection, ChangeAnimation animation);
    void isJumboExpandedChanged(bool isJumboExpanded, ChangeAnimation animation);

private:
    // Runs `change` with its assignments published inside the spring animation `spring`.
    template <typename Change>
    void animate(SpringSpec spring, Change&& change) {
        const ChangeAnimation outer = std::exchange(m_animation, spring);
        change();
        m_animation = outer;
    }

    template <typename T, typename Value, typename Signal>
    void publish(T& field, const Value& value, Signal signal) {
        field = value;
        emit(this->*signal)(field, m_animation);
    }
    void setDisplayedGame(const std::optional<Game>& game);
    void setCycleIndex(int index);
    void setScoreEvent(const std::optional<ScoreEvent>& event);
    void setIsScoreChangeExpanded(bool expanded);
    void setCelebrationPhase(CelebrationPhase phase);
    void setTopScorers(const QList<TopScorer>& scorers);
    void setIsLoadingLeaders(bool loading);
    void setIsDeepExpanded(bool expanded);
    void setSwipeDirection(SwipeDirection direction);
    void setIsJumboExpanded(bool expanded);

    void bindPinnedGames();
    void pinnedGamesChanged(const QList<Game>& pinned);
    void checkScoreChange(const Game& game);
    void checkBreakResume(const Game& game);
    void expandAfterBreak();
    void startCelebration(const ScoreEvent& event);
    void scheduleCelebrationStep(double delay, SpringSpec spring, CelebrationPhase phase);
    void startCycling();
    void cycleTick();
    void navigateLeague(const Game& current, SwipeDirection direction);
    // The shown game changed (another league or id): the open card's leaders follow it, the card closes
    // without a game.
    void shownGameChanged();
    // isLoadingLeaders: whether a fetch for the shown game is outstanding.
    void updateLoadingLeaders();
    void deepExpandFired();
    QCoro::Task<> fetchLeaders(Game game);
    bool isBusy() const;
    // Removes every pin of `game` (its league and id), then saves the pins and reschedules their refresh.
    void removePin(const Game& game);

    AppState& m_appState;
    ScoresService& m_scores;
    UserPreferences& m_preferences;
    Clock& m_clock;

    std::optional<Game> m_displayedGame;
    bool m_isExpanded = false;
    int m_cycleIndex = 0;
    std::optional<ScoreEvent> m_scoreEvent;
    bool m_isScoreChangeExpanded = false;
    CelebrationPhase m_celebrationPhase = CelebrationPhase::none;
    QList<TopScorer> m_topScorers;
    bool m_isLoadingLeaders = false;
    bool m_isDeepExpanded = false;
    SwipeDirection m_swipeDirection = SwipeDirection::none;
    bool m_isJumboExpanded = false;

    ClockTimerPtr m_cycleTimer;
    std::vector<ClockTimerPtr> m_celebrationTimers;
    QHash<GameKey, std::pair<qint64, qint64>> m_previousScores; // home, away
    QHash<GameKey, bool> m_wasInBreak;
    ClockTimerPtr m_resumeTimer;
    QHash<GameKey, QList<TopScorer>> m_leadersCache;
    QSet<GameKey> m_leadersInFlight; // the games whose leaders are being fetched
    ClockTimerPtr m_jumboExpandTimer;
    ClockTimerPtr m_deepExpandTimer;
    int m_lastPinnedCount = 0;

    ChangeAnimation m_animation; // the spring of the change being published, if any
};
