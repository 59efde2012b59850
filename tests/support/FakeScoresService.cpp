#include "FakeScoresService.h"

#include <QNetworkReply>

#include <gtest/gtest.h>

#include <algorithm>

FakeScoresService::FakeScoresService() = default;

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

template <typename Result>
bool FakeScoresService::resolve(Queue<Result>& queue, Kind kind, const QString& key, const Result& result) {
    const bool answered = queue.answerFirst(
        [&](const Request& request) {
            return request.kind == kind &&
                   (kind == Kind::topScorers ? request.gameId : request.league.id) == key;
        },
        result);
    if (!answered)
        ADD_FAILURE() << "no waiting request of kind " << static_cast<int>(kind) << " for "
                      << key.toStdString();
    return answered;
}

bool FakeScoresService::answer(Kind kind, const QString& leagueId, const GamesResult& result) {
    return resolve(m_pendingGames, kind, leagueId, result);
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

QCoro::Task<FakeScoresService::GamesResult>
FakeScoresService::fetchScoreboard(League league, std::optional<QDateTime> date) {
    const Kind kind = date ? Kind::datedScoreboard : Kind::scoreboard;
    return enqueue(m_pendingGames, gamesResponder, Request{kind, std::move(league), std::move(date), {}});
}

QCoro::Task<FakeScoresService::GamesResult> FakeScoresService::fetchLiveScoreboard(League league) {
    return enqueue(m_pendingGames, gamesResponder, Request{Kind::liveScoreboard, std::move(league), {}, {}});
}

QCoro::Task<FakeScoresService::TeamsResult> FakeScoresService::fetchTeams(League league) {
    return enqueue(m_pendingTeams, {}, Request{Kind::teams, std::move(league), {}, {}});
}

QCoro::Task<FakeScoresService::DetailResult> FakeScoresService::fetchGameDetail(QString gameId,
                                                                                League league) {
    return enqueue(m_pendingDetails, {}, Request{Kind::gameDetail, std::move(league), {}, std::move(gameId)});
}

QCoro::Task<FakeScoresService::LeadersResult> FakeScoresService::fetchTopScorers(QString gameId,
                                                                                 League league) {
    return enqueue(m_pendingLeaders, {}, Request{Kind::topScorers, std::move(league), {}, std::move(gameId)});
}
