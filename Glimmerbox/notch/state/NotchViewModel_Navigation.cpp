// Swipes, leaders, the hover-opened panels, selection and unpinning.
#include "notch/state/NotchViewModel.h"

#include "notch/panels/LeadersContent.h"

#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "service/ScoresService.h"

#include <QPointer>

#include <algorithm>

namespace {

int steppedIndex(int index, int count, SwipeDirection direction) {
    return direction == SwipeDirection::left ? (index + 1) % count : (index - 1 + count) % count;
}

} // namespace

void NotchViewModel::navigate(SwipeDirection direction) {
    if (direction == SwipeDirection::none || m_celebrationPhase != CelebrationPhase::none || !m_displayedGame)
        return;
    const Game current = *m_displayedGame;
    const QList<Game> pinned = m_appState.pinnedGames();
    const int count = static_cast<int>(pinned.size());
    if (count < 2) {
        navigateLeague(current, direction);
        return;
    }
    const int index = static_cast<int>(indexOfGame(pinned, GameKey::of(current)));
    if (index < 0) {
        setSwipeDirection(direction);
        animate(showGameSpring, [&] { setDisplayedGame(pinned.first()); });
        return;
    }
    const int next = steppedIndex(index, count, direction);
    setSwipeDirection(direction);
    setCycleIndex(next);
    animate(showGameSpring, [&] { setDisplayedGame(pinned[next]); });
    startCycling();
}

void NotchViewModel::navigateLeague(const Game& current, SwipeDirection direction) {
    QList<Game> games = m_appState.gamesFor(current.league);
    std::stable_sort(games.begin(), games.end(),
                     [](const Game& a, const Game& b) { return a.startTime < b.startTime; });
    const int index = static_cast<int>(indexOfGame(games, GameKey::of(current)));
    if (games.size() < 2 || index < 0)
        return;
    const Game game = games[steppedIndex(index, static_cast<int>(games.size()), direction)];
    setSwipeDirection(direction);
    // A single pin walks through its league: pin the neighbour, then drop the game it replaces.
    m_appState.pinGame(game);
    removePin(current);
    animate(showGameSpring, [&] { setDisplayedGame(game); });
}

void NotchViewModel::removePin(const Game& game) {
    m_appState.unpin(GameKey::of(game));
}

// --- Leaders ---

void NotchViewModel::shownGameChanged() {
    // Published at once, not inside the spring that moves the games.
    const ChangeAnimation outer = std::exchange(m_animation, std::nullopt);
    if (!m_displayedGame) {
        collapseDeep(); // no deep card without a game, so a game shown later does not open it at once
    } else if (m_isDeepExpanded) {
        setTopScorers({});
        loadLeaders(*m_displayedGame);
    }
    updateLoadingLeaders();
    m_animation = outer;
}

void NotchViewModel::updateLoadingLeaders() {
    const bool loading = m_displayedGame && m_leadersInFlight.contains(GameKey::of(*m_displayedGame));
    if (loading != m_isLoadingLeaders)
        setIsLoadingLeaders(loading);
}

void NotchViewModel::loadLeaders(const Game& game) {
    const GameKey key = GameKey::of(game);
    const auto cached = m_leadersCache.constFind(key);
    if (cached != m_leadersCache.cend())
        setTopScorers(*cached);
    else if (!LeadersContent::sportHasLeaders(game.league.sport))
        setTopScorers({});
    else if (!m_leadersInFlight.contains(key)) {
        m_leadersInFlight.insert(key);
        fetchLeaders(game); // detached; QCoro frees the task when it finishes
    }
    updateLoadingLeaders();
}

QCoro::Task<> NotchViewModel::fetchLeaders(Game game) {
    const QPointer<NotchViewModel> self(this);
    auto result = co_await m_scores.fetchTopScorers(game.id, game.league);
    if (!self)
        co_return;
    const GameKey key = GameKey::of(game);
    m_leadersInFlight.remove(key);
    if (result)
        m_leadersCache.insert(key, result.value());
    // Published only for the game still shown, so a change of game during the fetch never shows another
    // game's players.
    if (m_displayedGame && GameKey::of(*m_displayedGame) == key)
        setTopScorers(result ? result.value() : QList<TopScorer>());
    updateLoadingLeaders();
}

// --- Deep and jumbo panels ---

void NotchViewModel::scheduleDeepExpand() {
    if (isBusy())
        return;
    m_deepExpandTimer =
        m_clock.singleShot(secondsToMilliseconds(deepExpandDelay), this, [this] { deepExpandFired(); });
}

void NotchViewModel::deepExpandFired() {
    // Not retried: neither during a celebration nor with no game (then only the idle picker shows).
    if (m_celebrationPhase != CelebrationPhase::none || !m_displayedGame)
        return;
    loadLeaders(*m_displayedGame);
    animate(openPanelSpring, [this] { setIsDeepExpanded(true); });
}

void NotchViewModel::collapseDeep() {
    m_deepExpandTimer.reset();
    collapseJumbo();
    if (!m_isDeepExpanded)
        return;
    animate(closePanelSpring, [this] { setIsDeepExpanded(false); });
    setTopScorers({});
}

void NotchViewModel::scheduleJumboExpand() {
    m_jumboExpandTimer = m_clock.singleShot(secondsToMilliseconds(jumboExpandDelay), this, [this] {
        animate(openPanelSpring, [this] { setIsJumboExpanded(true); });
    });
}

void NotchViewModel::cancelJumboExpand() {
    m_jumboExpandTimer.reset();
}

void NotchViewModel::collapseJumbo() {
    m_jumboExpandTimer.reset();
    if (m_isJumboExpanded)
        animate(closePanelSpring, [this] { setIsJumboExpanded(false); });
}

// --- Selection and unpinning ---

void NotchViewModel::selectGame(const Game& game) {
    m_appState.pinGame(game); // leaves a game already pinned alone
    // The next pinned-list change shows pinned[cycleIndex mod n]: point it at the chosen game so it stays.
    const int index = static_cast<int>(indexOfGame(m_appState.pinnedGames(), GameKey::of(game)));
    if (index >= 0)
        setCycleIndex(index);
    setSwipeDirection(SwipeDirection::none);
    animate(showGameSpring, [&] {
        setDisplayedGame(game);
        setIsJumboExpanded(false);
    });
}

void NotchViewModel::unpinGame(const Game& game) {
    removePin(game);
    collapseDeep();
    const QList<Game>& pinned = m_appState.pinnedGames();
    // The first remaining pin is shown, so the rotation continues from there.
    setCycleIndex(0);
    animate(showGameSpring,
            [&] { setDisplayedGame(pinned.isEmpty() ? std::nullopt : std::optional<Game>(pinned.first())); });
}
