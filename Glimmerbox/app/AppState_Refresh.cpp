// The three refresh roads (fresh fetch, league refresh, pinned-games refresh) and team loading. Each road
// fetches its leagues concurrently and writes each league's games as its answer arrives. None guards against
// an overlapping run: every run writes what it receives, and the first to finish clears isLoading.
#include "AppState.h"

#include "LeagueFetch.h"
#include "TaskGroup.h"
#include "model/UserPreferences.h"
#include "platform/Logging.h"
#include "service/CacheService.h"
#include "service/ScoresService.h"

#include <QHash>
#include <QSet>

namespace {

QCoro::Task<LeagueGames> fetchLiveLeague(ScoresService& api, League league) {
    auto live = co_await api.fetchLiveScoreboard(league);
    if (!live.ok())
        co_return LeagueGames{league.id, std::nullopt};
    co_return LeagueGames{league.id, stamped(std::move(live).value())};
}

// The incoming games, each replaced by the held copy of the same game when that one's request was sent
// later: a slow answer, or one read from the cache, never brings back an older score. Held games without
// stamps (set from outside a refresh) give way.
StampedGames keepingFresherCopies(StampedGames incoming, const QList<Game>& held,
                                  const QList<MonotonicTime>& heldSentAt) {
    if (heldSentAt.size() != held.size())
        return incoming;
    // Indexed by id, the first copy of each winning, so that a league of thousands of games is matched in
    // linear time.
    QHash<QString, qsizetype> heldById;
    heldById.reserve(held.size());
    for (qsizetype i = 0; i < held.size(); ++i) {
        if (!heldById.contains(held.at(i).id))
            heldById.insert(held.at(i).id, i);
    }
    // Written through an index only where a held copy wins: the list still shares its games with the
    // answer, and a detach would copy all of them.
    for (qsizetype i = 0; i < incoming.games.size(); ++i) {
        const auto copy = heldById.constFind(incoming.games.at(i).id);
        if (copy != heldById.cend() && heldSentAt.at(*copy) > incoming.sentAt.at(i)) {
            incoming.games[i] = held.at(*copy);
            incoming.sentAt[i] = heldSentAt.at(*copy);
        }
    }
    return incoming;
}

} // namespace

void AppState::startNewDay(const QString& today) {
    setGames({});
    m_cache.clearAll();
    if (today != m_lastFetchDay)
        m_firstSeenFinal.clear();
    m_lastFetchDay = today;
}

void AppState::forgetStatesOfGamesGone(const QList<Game>& held) {
    QSet<GameKey> heldKeys;
    heldKeys.reserve(held.size());
    for (const Game& game : held)
        heldKeys.insert(GameKey::of(game));
    m_previousGameStates.removeIf([&](const auto& entry) { return !heldKeys.contains(entry.key()); });
    m_gameProgress.removeIf([&](const auto& entry) { return !heldKeys.contains(entry.key()); });
}

void AppState::applyLeagueResult(const LeagueGames& result) {
    if (!result.games)
        return;
    StampedGames kept = keepingFresherCopies(*result.games, m_games.value(result.leagueId),
                                             m_gamesSentAt.value(result.leagueId));
    setLeagueGames(result.leagueId, kept.games);
    m_gamesSentAt.insert(result.leagueId, std::move(kept.sentAt));
}

QCoro::Task<> AppState::reloadFollowedLeagues(CurrentScoreboard source, bool startedAfresh) {
    TaskGroup<LeagueGames> group([this](LeagueGames result) { applyLeagueResult(result); });
    for (const League& league : followedLeagues())
        group.add(fetchLeagueGames(m_apiService, m_clock, league, source));
    co_await group.waitForAll();

    if (startedAfresh)
        forgetStatesOfGamesGone(allHeldGames());
    syncPinnedGames();
    co_await checkForGameChanges();

    setLastRefresh(m_clock.now());
    setIsLoading(false);
}

QCoro::Task<> AppState::freshFetch() {
    setIsLoading(true);
    setError(std::nullopt);
    startNewDay(todayKey());

    co_await reloadFollowedLeagues(CurrentScoreboard::uncached, true);

    qsizetype gameCount = 0;
    for (const QList<Game>& leagueGames : m_games)
        gameCount += leagueGames.size();
    qCInfo(apiLogger, "%s",
           qUtf8Printable(QStringLiteral("Fresh fetch complete — %1 games loaded").arg(gameCount)));
}

QCoro::Task<> AppState::loadAllTeams() {
    QList<Team> teams;
    for (const League& league : followedLeagues()) {
        auto leagueTeams = co_await m_apiService.fetchTeams(league);
        if (leagueTeams.ok()) {
            teams.append(leagueTeams.value());
        } else {
            qCCritical(apiLogger, "%s",
                       qUtf8Printable(QStringLiteral("Failed to load teams for ") + league.abbreviation +
                                      QStringLiteral(": ") + leagueTeams.error().errorDescription()));
        }
    }
    setAllTeamsList(uniqueTeams(teams));
}

QCoro::Task<> AppState::refreshLeagues() {
    setIsLoading(true);
    setError(std::nullopt);

    const QString today = todayKey();
    const bool newDay = today != m_lastFetchDay;
    if (newDay)
        startNewDay(today);

    const QSet<QString> enabled = m_preferences.enabledLeagues();
    for (const QString& leagueId : m_games.keys()) {
        if (!enabled.contains(leagueId))
            removeLeagueGames(leagueId);
    }

    co_await reloadFollowedLeagues(CurrentScoreboard::cached, newDay);
}

QCoro::Task<> AppState::refreshLeague(League league) {
    const LeagueGames result =
        co_await fetchLeagueGames(m_apiService, m_clock, league, CurrentScoreboard::cached);
    if (!result.games)
        co_return;
    applyLeagueResult(result);
    syncPinnedGames();
    setLastRefresh(m_clock.now());
}

QCoro::Task<> AppState::refreshPinnedGames() {
    if (m_pinnedGames.isEmpty())
        co_return;

    QSet<QString> pinnedLeagueIds;
    for (const Game& game : m_pinnedGames)
        pinnedLeagueIds.insert(game.league.id);

    TaskGroup<LeagueGames> group([this](LeagueGames result) { applyLeagueResult(result); });
    for (const League& league : League::allLeagues()) {
        if (pinnedLeagueIds.contains(league.id))
            group.add(fetchLiveLeague(m_apiService, league));
    }
    co_await group.waitForAll();

    syncPinnedGames();
    co_await checkForGameChanges();
}
