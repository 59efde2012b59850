#pragma once

#include "service/ScoresService.h"

#include <QCoroTask>

#include <coroutine>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

// A scores service whose requests wait until the test answers them, in any order it likes; a responder
// can answer some or all of them at once instead. Everything runs on the GUI thread: answering a request
// resumes its caller right there.
class FakeScoresService : public ScoresService {
public:
    enum class Kind { scoreboard, datedScoreboard, liveScoreboard, teams };
    struct Request {
        Kind kind = Kind::scoreboard;
        League league;
        std::optional<QDateTime> date;
    };
    using GamesResult = ServiceResult<QList<Game>>;
    using TeamsResult = ServiceResult<QList<Team>>;

    FakeScoresService();
    ~FakeScoresService() override;

    // Return a value to answer at once; nothing leaves the request waiting.
    std::function<std::optional<GamesResult>(const Request&)> gamesResponder;
    std::function<std::optional<TeamsResult>(const Request&)> teamsResponder;

    // Every request made, in order.
    const std::vector<Request>& requests() const { return m_requests; }
    int requestCount(Kind kind) const;
    void clearRequests() { m_requests.clear(); }
    int pendingCount() const { return static_cast<int>(m_pendingGames.size() + m_pendingTeams.size()); }
    // The waiting requests, oldest first.
    std::vector<Request> pending() const;

    // Answer the oldest waiting request of this kind and league; false (and a test failure) when none waits.
    bool answer(Kind kind, const QString& leagueId, const GamesResult& result);
    bool answer(Kind kind, const QString& leagueId, const QList<Game>& games) {
        return answer(kind, leagueId, GamesResult(games));
    }
    bool answerTeams(const QString& leagueId, const TeamsResult& result);

    QCoro::Task<GamesResult> fetchScoreboard(League league, std::optional<QDateTime> date = {}) override;
    QCoro::Task<ServiceResult<GameDetail>> fetchGameDetail(QString gameId, League league) override;
    QCoro::Task<TeamsResult> fetchTeams(League league) override;
    QCoro::Task<ServiceResult<QList<TopScorer>>> fetchTopScorers(QString gameId, League league) override;
    QCoro::Task<GamesResult> fetchLiveScoreboard(League league) override;

private:
    template <typename Result>
    struct Pending {
        Request request;
        std::optional<Result> result;
        std::coroutine_handle<> waiter;
    };
    template <typename Result>
    struct Answered {
        std::shared_ptr<Pending<Result>> pending;
        bool await_ready() const noexcept { return pending->result.has_value(); }
        void await_suspend(std::coroutine_handle<> waiter) noexcept { pending->waiter = waiter; }
        Result await_resume() { return std::move(*pending->result); }
    };
    template <typename Result>
    static bool resolve(std::vector<std::shared_ptr<Pending<Result>>>& queue, Kind kind,
                        const QString& leagueId, const Result& result);

    QCoro::Task<GamesResult> requestGames(Request request);

    std::vector<Request> m_requests;
    std::vector<std::shared_ptr<Pending<GamesResult>>> m_pendingGames;
    std::vector<std::shared_ptr<Pending<TeamsResult>>> m_pendingTeams;
};
