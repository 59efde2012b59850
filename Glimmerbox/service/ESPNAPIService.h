#pragma once

#include "CacheService.h"
#include "OffThread.h"
#include "ScoreboardBoundLog.h"
#include "ScoresService.h"
#include "platform/network/Hosts.h"
#include "platform/time/Clock.h"

#include <QByteArray>
#include <QNetworkAccessManager>
#include <QString>
#include <QUrl>

#include <chrono>
#include <memory>

// The client of the scores web service: one URL per request, a GET that bypasses Qt's HTTP cache, the
// status check, the response cache with a lifetime per endpoint, and the JSON mappings. Lives on the GUI
// thread; requests overlap while their replies are awaited, and every result is delivered on that thread.
class ESPNAPIService final : public ScoresService {
public:
    // Every request fails as a time-out this long after it started, however its bytes arrive; tests pass a
    // shorter one.
    static constexpr std::chrono::milliseconds requestTimeout{15000};

    // The most of a reply body the client reads; a larger reply fails with APIError::responseTooLarge.
    static constexpr qint64 defaultBodyLimit = 16 * 1024 * 1024;

    static constexpr double scoreboardCacheLifetime = 60;
    static constexpr double summaryCacheLifetime = 30;
    static constexpr double teamsCacheLifetime = 86400;

    // Requests go through `network` when given (it must outlive the service), else through a manager of its
    // own.
    ESPNAPIService(CacheService& cache, const Clock& clock, QString baseURL = hosts::apiBaseURL(),
                   std::chrono::milliseconds timeout = requestTimeout,
                   QNetworkAccessManager* network = nullptr);

    // The one instance, over CacheService::shared() and the shared network manager; created on first use,
    // never released.
    static ESPNAPIService& shared();

    QCoro::Task<ServiceResult<Scoreboard>> fetchScoreboard(League league,
                                                           std::optional<QDateTime> date = {}) override;
    QCoro::Task<ServiceResult<GameDetail>> fetchGameDetail(QString gameId, League league) override;
    QCoro::Task<ServiceResult<GameDetail>> fetchLiveGameDetail(QString gameId, League league) override;
    QCoro::Task<ServiceResult<QList<Team>>> fetchTeams(League league) override;
    QCoro::Task<ServiceResult<QList<TopScorer>>> fetchTopScorers(QString gameId, League league) override;
    QCoro::Task<ServiceResult<Scoreboard>> fetchLiveScoreboard(League league) override;

    // Frees `games` on the mapping thread, after the replies already waiting there.
    void release(QList<Game> games) override { releaseOn(m_mappingThread, std::move(games)); }

    // Tests lower the body limit rather than serve a reply of many megabytes.
    void setBodyLimit(qint64 bytes) { m_bodyLimit = bytes; }

    // The path below the base URL for a league id ("basketball/nba"); unknown ids fall back to
    // "football/nfl".
    static QString apiPath(const League& league);
    // The local calendar day of `date` as Gregorian yyyyMMdd in ASCII digits, whatever the user's locale.
    static QString dayParameter(const QDateTime& date);

private:
    // How an endpoint uses the reply cache: the live scoreboard and summary skip the lookup but still store
    // their answer, so that the cached reads of the same endpoint never fall behind it.
    enum class CacheUse { readAndStore, storeOnly };

    QCoro::Task<ServiceResult<GameDetail>> fetchSummary(QString gameId, League league, CacheUse use);

    static QString eventQuery(const QString& gameId);
    // The reply behind a league's endpoint (base URL, API path, suffix): invalidURL without a request when
    // the text forms no URL.
    QCoro::Task<ServiceResult<CacheService::Reply>> fetchEndpoint(League league, QString suffix,
                                                                  double cacheDuration, CacheUse use);
    // A GET whose 2xx body is stored for `cacheDuration` s; a reply requested later that arrived meanwhile
    // is returned in its place.
    QCoro::Task<ServiceResult<CacheService::Reply>> fetchReply(QUrl url, double cacheDuration, CacheUse use);
    // One GET: its status checked, its body read up to the limit and the deadline; no cache.
    QCoro::Task<ServiceResult<QByteArray>> fetchDataUncached(QUrl url);
    // A scoreboard endpoint's games, stamped with the moment their reply was requested.
    QCoro::Task<ServiceResult<Scoreboard>> fetchGames(League league, QString suffix, CacheUse use);

    // `parse` over a fetched body, run on the mapping thread and awaited on the GUI thread; a failed fetch
    // passes its error through.
    template <typename T, typename Parse>
    OffThread<ServiceResult<T>> mapBody(const ServiceResult<CacheService::Reply>& reply, const Parse& parse);

    CacheService& m_cache;
    const Clock& m_clock;
    QString m_baseURL;
    std::chrono::milliseconds m_timeout;
    qint64 m_bodyLimit = defaultBodyLimit;
    std::unique_ptr<QNetworkAccessManager> m_ownNetwork;
    QNetworkAccessManager& m_network;
    // Mapped replies come back on this object's thread, and never once the service is gone.
    QObject m_replyContext;
    // One for the service's life, so that a league's oversized scoreboard is logged once, not at each
    // refresh.
    ScoreboardBoundLog m_boundLog;
    // One thread: replies map one at a time, off the GUI thread. Declared last, so that a running mapping
    // finishes before the rest goes away.
    QThreadPool m_mappingThread;
};
