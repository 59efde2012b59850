#include "AppState.h"

#include "GameListing.h"
#include "model/UserPreferences.h"
#include "service/NetworkMonitor.h"
#include "service/ScoresService.h"

#include <QSet>

#include <algorithm>
#include <utility>

AppState::AppState(ScoresService& apiService, CacheService& cache, GameNotifier& notificationService,
                   NetworkMonitor& networkMonitor, UserPreferences& preferences, SettingsStore& settings,
                   Clock& clock, QObject* parent)
    : QObject(parent), m_apiService(apiService), m_cache(cache), m_notificationService(notificationService),
      m_networkMonitor(networkMonitor), m_preferences(preferences), m_settings(settings), m_clock(clock) {
    setupNetworkMonitoring();
    m_lastFetchDay = todayKey();
}

AppState::~AppState() = default;

// --- Published state ---

void AppState::setGames(const GamesByLeague& games) {
    GamesByLeague replaced = std::exchange(m_games, games);
    m_gamesSentAt.clear();
    emit gamesChanged(m_games);
    for (QList<Game>& leagueGames : replaced)
        release(std::move(leagueGames));
}

void AppState::setLeagueGames(const QString& leagueId, const QList<Game>& games) {
    QList<Game> replaced = std::exchange(m_games[leagueId], games);
    m_gamesSentAt.remove(leagueId);
    emit gamesChanged(m_games);
    release(std::move(replaced));
}

void AppState::removeLeagueGames(const QString& leagueId) {
    QList<Game> removed = m_games.take(leagueId);
    m_gamesSentAt.remove(leagueId);
    emit gamesChanged(m_games);
    release(std::move(removed));
}

void AppState::release(QList<Game> games) {
    if (!games.isEmpty())
        m_apiService.release(std::move(games));
}

void AppState::setPinnedGames(const QList<Game>& pinnedGames) {
    m_pinnedGames = pinnedGames;
    emit pinnedGamesChanged(m_pinnedGames);
}

void AppState::setSelectedGame(const std::optional<Game>& game) {
    m_selectedGame = game;
    emit selectedGameChanged(m_selectedGame);
}

void AppState::setIsLoading(bool isLoading) {
    m_isLoading = isLoading;
    emit isLoadingChanged(m_isLoading);
}

void AppState::setError(const std::optional<APIError>& error) {
    m_error = error;
    emit errorChanged(m_error);
}

void AppState::setLastRefresh(const std::optional<QDateTime>& lastRefresh) {
    m_lastRefresh = lastRefresh;
    emit lastRefreshChanged(m_lastRefresh);
}

void AppState::setIsNetworkAvailable(bool isNetworkAvailable) {
    m_isNetworkAvailable = isNetworkAvailable;
    emit isNetworkAvailableChanged(m_isNetworkAvailable);
}

void AppState::setAllTeamsList(const QList<Team>& teams) {
    m_allTeamsList = teams;
    emit allTeamsListChanged(m_allTeamsList);
}

// --- Helpers shared by the refresh roads ---

QString AppState::todayKey() const {
    return m_clock.now().toLocalTime().toString(QStringLiteral("yyyyMMdd"));
}

QList<League> AppState::followedLeagues() const {
    return gamelisting::enabledLeaguesInCatalogueOrder(m_preferences.enabledLeagues());
}

QList<Game> AppState::allHeldGames() const {
    QList<Game> all;
    for (const QList<Game>& leagueGames : m_games)
        all.append(leagueGames);
    return all;
}

// --- Queries ---

QList<Game> AppState::relevantGames(const QList<Game>& games, const QDateTime& now) {
    const QDateTime horizon = now.addSecs(86400);
    QList<Game> kept;
    std::optional<Game> latestFinal;
    for (const Game& game : games) {
        if (game.isLive()) {
            kept.append(game);
        } else if (game.status == GameStatus::scheduled) {
            if (now < game.startTime && game.startTime <= horizon)
                kept.append(game);
        } else if (game.status == GameStatus::final_) {
            if (!latestFinal || game.startTime > latestFinal->startTime)
                latestFinal = game;
        }
    }
    if (!kept.isEmpty())
        return kept;
    if (latestFinal)
        return {*latestFinal};
    return {};
}

QList<Team> AppState::uniqueTeams(const QList<Team>& teams) {
    QSet<QString> seen;
    QList<Team> unique;
    for (const Team& team : teams) {
        if (!seen.contains(team.leagueTeamId())) {
            seen.insert(team.leagueTeamId());
            unique.append(team);
        }
    }
    return unique;
}

QList<Game> AppState::gamesFor(const League& league) const {
    return relevantGames(m_games.value(league.id), m_clock.now());
}

QList<Game> AppState::enabledLeagueGames() const {
    const QSet<QString>& enabled = m_preferences.enabledLeagues();
    const QDateTime now = m_clock.now();
    QList<Game> result;
    for (auto it = m_games.cbegin(); it != m_games.cend(); ++it) {
        if (enabled.contains(it.key()))
            result.append(relevantGames(it.value(), now));
    }
    return result;
}

QList<Game> AppState::liveGamesOfEnabledLeagues() const {
    QList<Game> live;
    for (const Game& game : enabledLeagueGames()) {
        if (game.isLive())
            live.append(game);
    }
    std::stable_sort(live.begin(), live.end(),
                     [](const Game& a, const Game& b) { return a.startTime < b.startTime; });
    return live;
}
