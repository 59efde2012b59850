#pragma once

#include "AlertPacer.h"
#include "GameKey.h"
#include "GameProgress.h"
#include "model/Game.h"
#include "model/League.h"
#include "model/Team.h"
#include "platform/time/Clock.h"
#include "service/APIError.h"

#include <QCoroTask>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QMap>
#include <QObject>
#include <QString>

#include <optional>

class CacheService;
enum class CurrentScoreboard;
struct LeagueGames;
class GameNotifier;
class NetworkMonitor;
class ScoresService;
class SettingsStore;
class UserPreferences;

// The games of each league, keyed by League::id. A QMap, so iteration runs in league-id order; callers must
// not rely on any particular order of leagues.
using GamesByLeague = QMap<QString, QList<Game>>;

// The one observable application state: every game of the followed leagues, the pinned games and the
// refresh machinery (three roads, three self-rearming timers, the network binding) with change detection.
// Lives on the GUI thread. Each published property has a getter and a change signal that is emitted on
// every assignment and every in-place change, equal values included.
class AppState : public QObject {
    Q_OBJECT
    Q_PROPERTY(bool isLoading READ isLoading NOTIFY isLoadingChanged)
    Q_PROPERTY(bool isNetworkAvailable READ isNetworkAvailable NOTIFY isNetworkAvailableChanged)
public:
    // Timer periods, in seconds.
    static constexpr double pinnedLiveInterval = 3.0;
    static constexpr double pinnedIdleInterval = 15.0;
    static constexpr double leagueRefreshInterval = 30.0;
    static constexpr double fullRefreshInterval = 43200.0;
    // The defaults key under which the pinned ids are written (never read back).
    static constexpr QLatin1StringView pinnedGameIdsKey{"pinnedGameIds"};

    // Subscribes to `networkMonitor` (its current value arrives on the next event-loop turn and starts a
    // league refresh) and records today's day key. Starts no fetch and no timer.
    AppState(ScoresService& apiService, CacheService& cache, GameNotifier& notificationService,
             NetworkMonitor& networkMonitor, UserPreferences& preferences, SettingsStore& settings,
             Clock& clock, QObject* parent = nullptr);
    ~AppState() override;

    // The application's instance, wired to the shared services; created on first use, never destroyed.
    static AppState& shared();

    // --- Published state ---
    const GamesByLeague& games() const { return m_games; }
    const QList<Game>& pinnedGames() const { return m_pinnedGames; }
    const std::optional<Game>& selectedGame() const { return m_selectedGame; }
    bool isLoading() const { return m_isLoading; }
    // Cleared by the fresh fetch and the league refresh; nothing stores an error in it.
    const std::optional<APIError>& error() const { return m_error; }
    const std::optional<QDateTime>& lastRefresh() const { return m_lastRefresh; }
    bool isNetworkAvailable() const { return m_isNetworkAvailable; }
    const QList<Team>& allTeamsList() const { return m_allTeamsList; }

    // Writers for the views. A view that changes the pins goes through the pin operations below, which
    // also store the ids and reschedule the pinned refresh.
    void setGames(const GamesByLeague& games);
    void setLeagueGames(const QString& leagueId, const QList<Game>& games); // one in-place change
    void removeLeagueGames(const QString& leagueId);                        // one in-place change
    void setPinnedGames(const QList<Game>& pinnedGames);
    void setSelectedGame(const std::optional<Game>& game);

    // --- Refresh roads (never fail; failures are logged and the previous data kept) ---
    // Empties the games and the cache, then reloads every followed league.
    QCoro::Task<> freshFetch();
    // Fills allTeamsList with every team of the followed leagues, one league after another.
    QCoro::Task<> loadAllTeams();
    // Refreshes every followed league through the cache; a new local day empties everything first.
    QCoro::Task<> refreshLeagues();
    // Refreshes one league (enabled or not); no notifications, no loading flag.
    QCoro::Task<> refreshLeague(League league);
    // Refetches, uncached, the current scoreboard of each league holding a pinned game.
    QCoro::Task<> refreshPinnedGames();

    // --- Timers (one-shot, re-armed by their own task only after its refresh has returned) ---
    void schedulePinnedRefresh(); // 3 s with a live pin, 15 s otherwise, none without pins
    void scheduleLeagueRefresh(); // 30 s; none once no league is followed
    void scheduleFullRefresh();   // 12 h

    // --- Pinned games ---
    void pinGame(const Game& game);
    void togglePin(const Game& game);
    void unpin(const GameKey& key); // publishes the pins even when the game was not among them
    void clearPins();
    void syncPinnedGames();
    void savePinnedGameIds();

    // One change-detection pass over every held game; sends the notifications it finds.
    QCoro::Task<> checkForGameChanges();

    // --- Queries (read-only) ---
    QList<Game> enabledLeagueGames() const;
    QList<Game> gamesFor(const League& league) const;
    QList<Game> liveGamesOfEnabledLeagues() const;
    // Live games and scheduled games starting within the next 86400 s, in input order; else the latest
    // final alone. Reads no state, so the game picker calls it on lists of its own.
    static QList<Game> relevantGames(const QList<Game>& games, const QDateTime& now);
    // The first team of each league and id, in input order.
    static QList<Team> uniqueTeams(const QList<Team>& teams);

    // The clock this state reads; views pass clock().now() to relevantGames().
    Clock& clock() const { return m_clock; }
    // Day key ("yyyyMMdd", local day) of the last fresh fetch or day rollover.
    const QString& lastFetchDay() const { return m_lastFetchDay; }
    // The copy of each game the last pass examined, by league and id.
    const QHash<GameKey, Game>& previousGameStates() const { return m_previousGameStates; }

signals:
    void gamesChanged(const GamesByLeague& games);
    void pinnedGamesChanged(const QList<Game>& pinnedGames);
    void selectedGameChanged(const std::optional<Game>& selectedGame);
    void isLoadingChanged(bool isLoading);
    void errorChanged(const std::optional<APIError>& error);
    void lastRefreshChanged(const std::optional<QDateTime>& lastRefresh);
    void isNetworkAvailableChanged(bool isNetworkAvailable);
    void allTeamsListChanged(const QList<Team>& allTeamsList);

private:
    using Refresh = QCoro::Task<> (AppState::*)();
    using Reschedule = void (AppState::*)();

    void setIsLoading(bool isLoading);
    void setError(const std::optional<APIError>& error);
    void setLastRefresh(const std::optional<QDateTime>& lastRefresh);
    void setIsNetworkAvailable(bool isNetworkAvailable);
    void setAllTeamsList(const QList<Team>& teams);
    // Hands a list this state drops to the service, which frees it off the GUI thread.
    void release(QList<Game> games);

    QString todayKey() const;
    QList<League> followedLeagues() const;
    QList<Game> allHeldGames() const;
    // Empties the games and the cache, and records `today` as the day of the last fetch. The previous
    // states stay, so that a game still listed after the reload is neither reported again nor missed.
    void startNewDay(const QString& today);
    // Drops what change detection keeps of the games no longer among `held`.
    void forgetStatesOfGamesGone(const QList<Game>& held);
    void applyLeagueResult(const LeagueGames& result);
    // The common end of the fresh fetch and the league refresh: every followed league fetched at once and
    // written as it arrives, then pins, change detection, lastRefresh, and isLoading cleared. After a start
    // afresh the previous states of the games no longer held are dropped.
    QCoro::Task<> reloadFollowedLeagues(CurrentScoreboard source, bool startedAfresh);
    void autoPinFavoriteGames(const QList<Game>& allGames);
    // The end of every pin change the user makes: publish the pins, store their ids, re-arm their refresh.
    void publishUserPinChange();
    // Records the moment each finished game among `games` was first seen final, for the pins' expiry.
    void noteFinishedGames(const QList<Game>& games);
    bool isInQuietHours() const;
    // The alerts `game` raises against its previous copy and its progress, which both take it in.
    QList<GameAlert> alertsFor(const Game& game);

    void setupNetworkMonitoring();
    void applyNetworkValue(bool isConnected);
    void launchRefreshTask(Refresh refresh, Reschedule reschedule);
    ClockTimerPtr armTimer(double seconds, Refresh refresh, Reschedule reschedule);

    GamesByLeague m_games;
    // Beside each league's refreshed games, index for index, when the request each came from was sent. A
    // league whose games were set otherwise has none.
    QHash<QString, QList<MonotonicTime>> m_gamesSentAt;
    QList<Game> m_pinnedGames;
    std::optional<Game> m_selectedGame;
    bool m_isLoading = false;
    std::optional<APIError> m_error;
    std::optional<QDateTime> m_lastRefresh;
    bool m_isNetworkAvailable = true;
    QList<Team> m_allTeamsList;

    ClockTimerPtr m_pinnedRefreshTimer;
    ClockTimerPtr m_leagueRefreshTimer;
    ClockTimerPtr m_fullRefreshTimer;

    ScoresService& m_apiService;
    CacheService& m_cache;
    GameNotifier& m_notificationService;
    NetworkMonitor& m_networkMonitor;
    UserPreferences& m_preferences;
    SettingsStore& m_settings;
    Clock& m_clock;

    QHash<GameKey, Game> m_previousGameStates;
    // Beside each previous copy, how far the game has been seen to go.
    QHash<GameKey, GameProgress> m_gameProgress;
    AlertPacer m_alertPacer{m_notificationService, m_clock};
    QString m_lastFetchDay;
    // The moment (monotonic) each game was first seen final; kept for the day, since every copy of a
    // finished game is stamped anew.
    QHash<GameKey, MonotonicTime> m_firstSeenFinal;
    // The moment (monotonic) each game was last pinned, for the same expiry; dropped once it is unpinned.
    QHash<GameKey, MonotonicTime> m_pinnedAt;
};
