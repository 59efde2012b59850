#include "FakeScoresService.h"

#include <QNetworkReply>

#include <gtest/gtest.h>

#include <algorithm>

FakeScoresService::FakeScoresService(const Clock& clock) : m_clock(clock) {}

FakeScoresService::~FakeScoresService() {
    cancelPending();
}

APIError FakeScoresService::cancelled() {
    return APIError::transportError(QStringLiteral("Operation canceled"),
                                    QNetworkReply::OperationCanceledError);
}

void FakeScoresService::cancelPending() {
    // Answering one kind may start a request of another.
    for (int round = 0; pendingCount() > 0 && round < 100; ++round) {
        m_pendingGames.answerAll(cancelled());
        m_pendingTeams.answerAll(cancelled());
        m_pendingLeaders.answerAll(cancelled());
        m_pendingDetails.answerAll(cancelled());
    }
}

int FakeScoresService::requestCount(Kind kind) const {
    return static_cast<int>(std::count_if(m_requests.cbegin(), m_requests.cend(),
                                          [kind](const Request& request) { return request.kind == kind; }));
}

bool FakeScoresService::isFor(const Request& request, Kind kind, const QString& key) {
    return request.kind == kind && (kind == Kind::topScorers ? request.gameId : request.league.id) == key;
}

namespace {

void reportNoneWaiting(FakeScoresService::Kind kind, const QString& key) {
    ADD_FAILURE() << "no waiting request of kind " << static_cast<int>(kind) << " for " << key.toStdString();
}

} // namespace

template <typename Result>
bool FakeScoresService::resolve(Queue<Result>& queue, Kind kind, const QString& key, const Result& result) {
    const bool answered =
        queue.answerFirst([&](const Request& request) { return isFor(request, kind, key); }, result);
    if (!answered)
        reportNoneWaiting(kind, key);
    return answered;
}

bool FakeScoresService::answer(Kind kind, const QString& leagueId, const GamesResult& result) {
    return resolve(m_pendingGames, kind, leagueId, result);
}

bool FakeScoresService::answerNewest(Kind kind, const QString& leagueId, const QList<Game>& games) {
    for (int index = m_pendingGames.size() - 1; index >= 0; --index) {
        if (isFor(m_pendingGames.at(index), kind, leagueId)) {
            m_pendingGames.answerAt(index, games);
            return true;
        }
    }
    reportNoneWaiting(kind, leagueId);
    return false;
}

bool FakeScoresService::answerTeams(const QString& leagueId, const TeamsResult& result) {
    return resolve(m_pendingTeams, Kind::teams, leagueId, result);
}

bool FakeScoresService::answerTopScorers(const QString& gameId, const LeadersResult& result) {
    return resolve(m_pendingLeaders, Kind::topScorers, gameId, result);
}

template <typename Result>
QCoro::Task<Result> FakeScoresService::enqueue(Queue<Result>& queue, const Responder<Result>& responder,
                                               Request request) {
    m_requests.push_back(request);
    if (responder) {
        if (auto immediate = responder(request))
            co_return std::move(*immediate);
    }
    co_return co_await queue.wait(std::move(request));
}

QCoro::Task<ServiceResult<Scoreboard>> FakeScoresService::askForGames(Request request) {
    const MonotonicTime sentAt = m_clock.monotonicNow();
    GamesResult games = co_await enqueue(m_pendingGames, gamesResponder, std::move(request));
    if (!games)
        co_return games.error();
    co_return Scoreboard{std::move(games).value(), sentAt};
}

QCoro::Task<ServiceResult<Scoreboard>> FakeScoresService::fetchScoreboard(League league,
                                                                          std::optional<QDateTime> date) {
    const Kind kind = date ? Kind::datedScoreboard : Kind::scoreboard;
    return askForGames(Request{kind, std::move(league), std::move(date), {}});
}

QCoro::Task<ServiceResult<Scoreboard>> FakeScoresService::fetchLiveScoreboard(League league) {
    return askForGames(Request{Kind::liveScoreboard, std::move(league), {}, {}});
}

QCoro::Task<FakeScoresService::TeamsResult> FakeScoresService::fetchTeams(League league) {
    return enqueue(m_pendingTeams, {}, Request{Kind::teams, std::move(league), {}, {}});
}

QCoro::Task<FakeScoresService::DetailResult> FakeScoresService::fetchGameDetail(QString gameId,
                                                                                League league) {
    return enqueue(m_pendingDetails, {}, Request{Kind::gameDetail, std::move(league), {}, std::move(gameId)});
}

QCoro::Task<FakeScoresService::DetailResult> FakeScoresService::fetchLiveGameDetail(QString gameId,
                                                                                    League league) {
    return enqueue(m_pendingDetails, {},
                   Request{Kind::gameDetail, std::move(league), {}, std::move(gameId), true});
}

QCoro::Task<FakeScoresService::LeadersResult> FakeScoresService::fetchTopScorers(QString gameId,
                                                                                 League league) {
    return enqueue(m_pendingLeaders, {}, Request{Kind::topScorers, std::move(league), {}, std::move(gameId)});
}
