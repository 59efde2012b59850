// Pinned games: pinning with a bound, toggling, the synchronisation after every refresh and the saved ids.
#include "AppState.h"

#include "GameChangeRules.h"
#include "model/UserPreferences.h"
#include "platform/desktop/SettingsStore.h"

#include <QStringList>

#include <algorithm>

namespace {

// A favourite's scheduled game is followed from 30 minutes before its start until a minute after it.
constexpr double autoFollowLeadSeconds = 1800.0;
constexpr double autoFollowGraceSeconds = 60.0;
// A finished pinned game goes this long after it was first seen final, or after it was pinned when that came
// later.
constexpr double finalPinLifetimeSeconds = 300.0;

double secondsBetween(const QDateTime& from, const QDateTime& to) {
    return static_cast<double>(from.msecsTo(to)) / 1000.0;
}

bool isAutoFollowEligible(const Game& game, const QDateTime& now) {
    if (game.isLive())
        return true;
    if (game.status != GameStatus::scheduled)
        return false;
    const double untilStart = secondsBetween(now, game.startTime);
    return -autoFollowGraceSeconds < untilStart && untilStart < autoFollowLeadSeconds;
}

} // namespace

void AppState::pinGame(const Game& game) {
    const GameKey key = GameKey::of(game);
    if (holdsGame(m_pinnedGames, key))
        return;
    while (m_pinnedGames.size() >= m_preferences.maxPinnedGames() && !m_pinnedGames.isEmpty()) {
        m_pinnedGames.removeFirst();
        emit pinnedGamesChanged(m_pinnedGames);
    }
    m_pinnedGames.append(game);
    m_pinnedAt.insert(key, m_clock.monotonicNow());
    publishUserPinChange();
}

void AppState::togglePin(const Game& game) {
    const GameKey key = GameKey::of(game);
    if (!holdsGame(m_pinnedGames, key)) {
        pinGame(game);
        return;
    }
    unpin(key);
}

void AppState::unpin(const GameKey& key) {
    m_pinnedGames.removeIf([&](const Game& pinned) { return GameKey::of(pinned) == key; });
    publishUserPinChange();
}

void AppState::clearPins() {
    m_pinnedGames.clear();
    publishUserPinChange();
}

void AppState::publishUserPinChange() {
    emit pinnedGamesChanged(m_pinnedGames);
    savePinnedGameIds();
    schedulePinnedRefresh();
}

void AppState::autoPinFavoriteGames(const QList<Game>& allGames) {
    const QSet<QString>& favorites = m_preferences.favoriteTeamIds();
    if (!m_preferences.autoFollowFavorites() || favorites.isEmpty())
        return;
    for (const Game& game : allGames) {
        if (!involvesTeam(game, favorites) || !isAutoFollowEligible(game, m_clock.now()))
            continue;
        const GameKey key = GameKey::of(game);
        if (holdsGame(m_pinnedGames, key) || m_pinnedGames.size() >= m_preferences.maxPinnedGames())
            continue;
        m_pinnedGames.append(game);
        m_pinnedAt.insert(key, m_clock.monotonicNow());
        emit pinnedGamesChanged(m_pinnedGames);
    }
}

void AppState::noteFinishedGames(const QList<Game>& games) {
    for (const Game& game : games) {
        const GameKey key = GameKey::of(game);
        if (game.status == GameStatus::final_ && !m_firstSeenFinal.contains(key))
            m_firstSeenFinal.insert(key, m_clock.monotonicNow());
    }
}

void AppState::syncPinnedGames() {
    const QList<Game> allGames = allHeldGames();
    autoPinFavoriteGames(allGames);

    QList<Game> refreshed = m_pinnedGames;
    for (Game& pinned : refreshed) {
        if (const qsizetype fresh = indexOfGame(allGames, GameKey::of(pinned)); fresh >= 0)
            pinned = allGames.at(fresh);
    }
    setPinnedGames(refreshed);

    noteFinishedGames(allGames);
    noteFinishedGames(m_pinnedGames);
    // Elapsed time: a wall clock set back would keep a finished game pinned for hours. Counted from the pin
    // when that came later, so that a game picked long after it ended is not dropped at the next refresh.
    const MonotonicTime now = m_clock.monotonicNow();
    m_pinnedGames.removeIf([&](const Game& pinned) {
        const GameKey key = GameKey::of(pinned);
        const MonotonicTime since = std::max(m_firstSeenFinal.value(key), m_pinnedAt.value(key));
        return pinned.status == GameStatus::final_ &&
               now - since > std::chrono::duration<double>(finalPinLifetimeSeconds);
    });
    m_pinnedAt.removeIf([&](const auto& entry) { return !holdsGame(m_pinnedGames, entry.key()); });
    emit pinnedGamesChanged(m_pinnedGames);

    savePinnedGameIds();
}

void AppState::savePinnedGameIds() {
    QStringList ids;
    for (const Game& game : m_pinnedGames)
        ids.append(game.id);
    // Every refresh lands here; rewriting an unchanged list would rewrite the settings file every few
    // seconds.
    if (m_settings.contains(pinnedGameIdsKey) && m_settings.value(pinnedGameIdsKey).toStringList() == ids)
        return;
    m_settings.setValue(pinnedGameIdsKey, ids);
}
