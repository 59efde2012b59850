#include "ESPNAPIService.h"

#include "BuildInfo.h"
#include "Logging.h"
#include "ScoresMapping.h"
#include "platform/PoolEnd.h"
#include "platform/network/CappedDownload.h"
#include "platform/network/FreedMemory.h"
#include "platform/network/SharedNetworkAccess.h"

#include <QCoreApplication>
#include <QCoroNetworkReply>
#include <QCoroTimer>
#include <QHash>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>

#include <memory>

namespace {

const QByteArray userAgent = QByteArrayLiteral("Glimmerbox/") + BuildInfo::version;

// Well beyond what mapping the largest reply accepted takes; a bound all the same, so that quitting never
// waits for ever.
constexpr std::chrono::seconds mappingEndBound{5};

// A reply body is taken out of it a megabyte per turn: a reply arrives in pieces of several megabytes while
// the GUI thread is busy, and copying such a piece at once holds that thread for milliseconds.
constexpr qint64 readSlice = 1024 * 1024;

// From this size on, the memory a body's mapping used (the parsed document of the whole body, however few
// of its items were kept) is handed back to the system: the allocator would keep megabytes of it for the
// life of the process.
constexpr qsizetype largeBody = 512 * 1024;

struct ReplyDeleter {
    void operator()(QNetworkReply* reply) const { reply->deleteLater(); }
};

} // namespace

ESPNAPIService::ESPNAPIService(CacheService& cache, const Clock& clock, QString baseURL,
                               std::chrono::milliseconds timeout, QNetworkAccessManager* network)
    : m_cache(cache), m_clock(clock), m_baseURL(std::move(baseURL)), m_timeout(timeout),
      m_ownNetwork(network ? nullptr : std::unique_ptr<QNetworkAccessManager>(newNetworkAccess())),
      m_network(network ? *network : *m_ownNetwork) {
    m_mappingThread.setMaxThreadCount(1);
}

template <typename T, typename Parse>
OffThread<ServiceResult<T>> ESPNAPIService::mapBody(const ServiceResult<CacheService::Reply>& reply,
                                                    const Parse& parse) {
    return OffThread<ServiceResult<T>>(m_mappingThread, m_replyContext, [reply, parse] {
        if (!reply)
            return ServiceResult<T>(reply.error());
        ServiceResult<T> result(parse(reply.value()));
        if (reply.value().data.size() >= largeBody)
            returnFreedMemory();
        return result;
    });
}

ESPNAPIService& ESPNAPIService::shared() {
    // Lives as long as the process; the mapping it runs ends with the application object.
    static ESPNAPIService* service = [] {
        auto* created = new ESPNAPIService(CacheService::shared(), Clock::system(), hosts::apiBaseURL(),
                                           requestTimeout, &sharedNetworkAccess());
        qAddPostRoutine([] { endPool(service->m_mappingThread, mappingEndBound); });
        return created;
    }();
    return *service;
}

QString ESPNAPIService::apiPath(const League& league) {
    static const QHash<QString, QString> paths{
        {QStringLiteral("nfl"), QStringLiteral("football/nfl")},
        {QStringLiteral("nba"), QStringLiteral("basketball/nba")},
        {QStringLiteral("mlb"), QStringLiteral("baseball/mlb")},
        {QStringLiteral("nhl"), QStringLiteral("hockey/nhl")},
        {QStringLiteral("mls"), QStringLiteral("soccer/usa.1")},
        {QStringLiteral("epl"), QStringLiteral("soccer/eng.1")},
        {QStringLiteral("laliga"), QStringLiteral("soccer/esp.1")},
        {QStringLiteral("ncaaf"), QStringLiteral("football/college-football")},
        {QStringLiteral("ncaam"), QStringLiteral("basketball/mens-college-basketball")},
        {QStringLiteral("wnba"), QStringLiteral("basketball/wnba")},
        {QStringLiteral("f1"), QStringLiteral("racing/f1")},
        {QStringLiteral("pga"), QStringLiteral("golf/pga")},
        {QStringLiteral("ucl"), QStringLiteral("soccer/uefa.champions")},
        {QStringLiteral("ufc"), QStringLiteral("mma/ufc")},
        {QStringLiteral("ipl"), QStringLiteral("cricket/ipl")},
        {QStringLiteral("cricket_intl"), QStringLiteral("cricket/intl")},
        {QStringLiteral("atp"), QStringLiteral("tennis/atp")},
        {QStringLiteral("wta"), QStringLiteral("tennis/wta")},
    };
    return paths.value(league.id, QStringLiteral("football/nfl"));
}

QString ESPNAPIService::dayParameter(const QDateTime& date) {
    // QDate counts in the proleptic Gregorian calendar; the digits are written by hand to stay ASCII.
    const QDate day = date.toLocalTime().date();
    return QStringLiteral("%1%2%3")
        .arg(day.year(), 4, 10, QLatin1Char('0'))
        .arg(day.month(), 2, 10, QLatin1Char('0'))
        .arg(day.day(), 2, 10, QLatin1Char('0'));
}

QString ESPNAPIService::eventQuery(const QString& gameId) {
    // Encoded, so that an id taken from a reply cannot add to or change the query.
    return QStringLiteral("/summary?event=") + QString::fromLatin1(QUrl::toPercentEncoding(gameId));
}

QCoro::Task<ServiceResult<Scoreboard>> ESPNAPIService::fetchScoreboard(League league,
                                                                       std::optional<QDateTime> date) {
    const QString suffix =
        date ? QStringLiteral("/scoreboard?dates=") + dayParameter(*date) : QStringLiteral("/scoreboard");
    return fetchGames(std::move(league), suffix, CacheUse::readAndStore);
}

QCoro::Task<ServiceResult<GameDetail>> ESPNAPIService::fetchGameDetail(QString gameId, League league) {
    return fetchSummary(std::move(gameId), std::move(league), CacheUse::readAndStore);
}

QCoro::Task<ServiceResult<GameDetail>> ESPNAPIService::fetchLiveGameDetail(QString gameId, League league) {
    return fetchSummary(std::move(gameId), std::move(league), CacheUse::storeOnly);
}

QCoro::Task<ServiceResult<GameDetail>> ESPNAPIService::fetchSummary(QString gameId, League league,
                                                                    CacheUse use) {
    ServiceResult<CacheService::Reply> reply =
        co_await fetchEndpoint(league, eventQuery(gameId), summaryCacheLifetime, use);
    const auto parse = [league, gameId, now = m_clock.now()](const CacheService::Reply& body) {
        return parseSummary(body.data, league, gameId, now);
    };
    OffThread<ServiceResult<GameDetail>> mapped = mapBody<GameDetail>(reply, parse);
    co_await mapped;
    co_return mapped.take();
}

QCoro::Task<ServiceResult<QList<Team>>> ESPNAPIService::fetchTeams(League league) {
    if (league.sport == Sport::tennis)
        co_return QList<Team>{};
    ServiceResult<CacheService::Reply> reply =
        co_await fetchEndpoint(league, QStringLiteral("/teams?limit=%1").arg(teamListLimit(league)),
                               teamsCacheLifetime, CacheUse::readAndStore);
    const auto parse = [league](const CacheService::Reply& body) { return parseTeams(body.data, league); };
    OffThread<ServiceResult<QList<Team>>> mapped = mapBody<QList<Team>>(reply, parse);
    co_await mapped;
    co_return mapped.take();
}

QCoro::Task<ServiceResult<QList<TopScorer>>> ESPNAPIService::fetchTopScorers(QString gameId, League league) {
    // The same URL as the game detail, so one summary serves both.
    ServiceResult<CacheService::Reply> reply = co_await fetchEndpoint(
        std::move(league), eventQuery(gameId), summaryCacheLifetime, CacheUse::readAndStore);
    const auto parse = [](const CacheService::Reply& body) { return parseTopScorers(body.data); };
    OffThread<ServiceResult<QList<TopScorer>>> mapped = mapBody<QList<TopScorer>>(reply, parse);
    co_await mapped;
    co_return mapped.take();
}

QCoro::Task<ServiceResult<Scoreboard>> ESPNAPIService::fetchLiveScoreboard(League league) {
    return fetchGames(std::move(league), QStringLiteral("/scoreboard"), CacheUse::storeOnly);
}

QCoro::Task<ServiceResult<Scoreboard>> ESPNAPIService::fetchGames(League league, QString suffix,
                                                                  CacheUse use) {
    ServiceResult<CacheService::Reply> reply =
        co_await fetchEndpoint(league, std::move(suffix), scoreboardCacheLifetime, use);
    const auto parse =
        [league, &boundLog = m_boundLog](const CacheService::Reply& body) -> ServiceResult<Scoreboard> {
        ServiceResult<QList<Game>> games = parseScoreboard(body.data, league, body.requestedAt, boundLog);
        if (!games)
            return games.error();
        return Scoreboard{std::move(games).value(), body.sentAt};
    };
    OffThread<ServiceResult<Scoreboard>> mapped = mapBody<Scoreboard>(reply, parse);
    co_await mapped;
    co_return mapped.take();
}

QCoro::Task<ServiceResult<CacheService::Reply>>
ESPNAPIService::fetchEndpoint(League league, QString suffix, double cacheDuration, CacheUse use) {
    const QUrl url(m_baseURL + u'/' + apiPath(league) + suffix, QUrl::StrictMode);
    if (!url.isValid() || url.scheme().isEmpty() || url.host().isEmpty())
        co_return APIError::invalidURL();
    co_return co_await fetchReply(url, cacheDuration, use);
}

QCoro::Task<ServiceResult<CacheService::Reply>> ESPNAPIService::fetchReply(QUrl url, double cacheDuration,
                                                                           CacheUse use) {
    const QString key = url.toString(QUrl::FullyEncoded);
    if (use == CacheUse::readAndStore) {
        if (std::optional<CacheService::Reply> cached = m_cache.lookup(key))
            co_return *cached;
    }
    CacheService::Reply reply = CacheService::Reply::sentNow(m_clock);
    ServiceResult<QByteArray> body = co_await fetchDataUncached(url);
    if (!body)
        co_return body.error();
    reply.data = std::move(body).value();
    m_cache.set(reply, key, cacheDuration);
    if (std::optional<CacheService::Reply> newer = m_cache.newerThan(key, reply.sentAt))
        co_return *newer;
    co_return reply;
}

QCoro::Task<ServiceResult<QByteArray>> ESPNAPIService::fetchDataUncached(QUrl url) {
    QNetworkRequest request(url);
    request.setAttribute(QNetworkRequest::CacheLoadControlAttribute, QNetworkRequest::AlwaysNetwork);
    request.setAttribute(QNetworkRequest::CacheSaveControlAttribute, false);
    request.setHeader(QNetworkRequest::UserAgentHeader, userAgent);

    std::unique_ptr<QNetworkReply, ReplyDeleter> reply(m_network.get(request));
    // Stopped at the limit rather than read whole into memory. The deadline runs in real time, as the
    // network's own. The headers may take all of it: a slow mobile link holds every answer for seconds, and
    // a shorter bound would fail scores that were on their way.
    CappedDownload download(*reply, DownloadCaps{m_bodyLimit, m_timeout, readSlice, m_timeout},
                            Clock::system());
    co_await reply.get();
    if (download.tooLarge()) {
        qCWarning(apiLogger).noquote() << "Response too large:" << url.toString() << "is over" << m_bodyLimit
                                       << "bytes; reading stopped there";
        // Up to the limit was read for nothing: once the reply and its body are gone, on a later turn, their
        // memory goes back to the system.
        QObject::connect(reply.get(), &QObject::destroyed, [] {
            QMetaObject::invokeMethod(QCoreApplication::instance(), &returnFreedMemory, Qt::QueuedConnection);
        });
        co_return APIError::responseTooLarge();
    }
    if (download.timedOut())
        co_return APIError::transportError(QStringLiteral("Operation timed out"),
                                           QNetworkReply::OperationCanceledError);

    // Qt flags 4xx and 5xx as errors too: the status decides first, and only a reply without one is a
    // transport failure (time-out, refused or dropped connection).
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    if (!status.isValid()) {
        if (reply->error() != QNetworkReply::NoError)
            co_return APIError::transportError(reply->errorString(), reply->error());
        co_return APIError::invalidResponse();
    }
    const int code = status.toInt();
    if (code < 200 || code > 299)
        co_return APIError::httpError(code);
    // A 2xx whose body broke off is not a reply: never hand it on or cache it.
    if (reply->error() != QNetworkReply::NoError)
        co_return APIError::transportError(reply->errorString(), reply->error());
    // What is left, a slice per turn as well.
    while (download.readSlice()) {
        QTimer nextTurn;
        nextTurn.setSingleShot(true);
        nextTurn.start(0);
        co_await nextTurn;
    }
    co_return download.takeBody();
}
