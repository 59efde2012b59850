#pragma once

#include "WaitingRequests.h"

#include "service/ScoresService.h"

#include <QCoroTask>

#include <functional>
#include <optional>
#include <vector>

// A scores service whose requests wait until the test answers them, in any order it likes; a responder
// can answer some or all of them at once instead. Everything runs on the GUI thread: answering a request
// resumes its caller right there. Requests still waiting when the fake goes away fail as cancelled. A
// scoreboard is stamped with the moment `clock` read when it was asked for.
class FakeScoresService : public ScoresService {
public:
    explicit FakeScoresService(const Clock& clock = Clock::system());
    ~FakeScoresService() override;

    enum class Kind { scoreboard, datedScoreboard, liveScoreboard, teams, topScorers, gameDetail };
    struct Request {
        Kind kind = Kind::scoreboard;
        League league;
        std::optional<QDateTime> date;
        QString gameId;    // top scorers and game details only
        bool live = false; // a game detail asked for past the cache
    };
    using GamesResult = ServiceResult<QList<Game>>;
    using TeamsResult = ServiceResult<QList<Team>>;
    using LeadersResult = ServiceResult<QList<TopScorer>>;
    using DetailResult = ServiceResult<GameDetail>;
    template <typename Result>
    using Responder = std::function<std::optional<Result>(const Request&)>;

    // Return a value to answer a scoreboard request at once; nothing leaves it waiting.
    Responder<GamesResult> gamesResponder;

    // Every request made, in order.
    const std::vector<Request>& requests() const { return m_requests; }
    int requestCount(Kind kind) const;
    void clearRequests() { m_requests.clear(); }
    int pendingCount() const {
        return m_pendingGames.size() + m_pendingTeams.size() + m_pendingLeaders.size() +
               m_pendingDetails.size();
    }
    // Fails every waiting request, and those that failing them makes, as a cancelled transfer would. For
    // owners of callers that must not outlive them: the callers finish before the owner goes.
    void cancelPending();
    static APIError cancelled();

    // Answer the oldest waiting request of this kind and league; false (and a test failure) when none waits.
    bool answer(Kind kind, const QString& leagueId, const GamesResult& result);
    bool answer(Kind kind, const QString& leagueId, const QList<Game>& games) {
        return answer(kind, leagueId, GamesResult(games));
    }
    // Answer the newest waiting request of this kind and league instead, overtaking the older ones.
    bool answerNewest(Kind kind, const QString& leagueId, const QList<Game>& games);
    bool answerTeams(const QString& leagueId, const TeamsResult& result);
    // Top scorers are answered by game id.
    bool answerTopScorers(const QString& gameId, const LeadersResult& result);
    int waitingDetails() const { return m_pendingDetails.size(); }
    // Answers the waiting game detail request at `index` (0 = the oldest still waiting).
    void answerDetail(int index, const DetailResult& result) { m_pendingDetails.answerAt(index, result); }

    QCoro::Task<ServiceResult<Scoreboard>> fetchScoreboard(League league,
                                                           std::optional<QDateTime> date = {}) override;
    QCoro::Task<DetailResult> fetchGameDetail(QString gameId, League league) override;
    QCoro::Task<DetailResult> fetchLiveGameDetail(QString gameId, League league) override;
    QCoro::Task<TeamsResult> fetchTeams(League league) override;
    QCoro::Task<ServiceResult<QList<TopScorer>>> fetchTopScorers(QString gameId, League league) override;
    QCoro::Task<ServiceResult<Scoreboard>> fetchLiveScoreboard(League league) override;

    // Every list handed over to be freed, kept here instead, in order.
    void release(QList<Game> games) override { released.append(std::move(games)); }
    QList<QList<Game>> released;

private:
    template <typename Result>
    using Queue = WaitingRequests<Request, Result>;

    QCoro::Task<ServiceResult<Scoreboard>> askForGames(Request request);
    template <typename Result>
    QCoro::Task<Result> enqueue(Queue<Result>& queue, const Responder<Result>& responder, Request request);
    // Whether `request` is of `kind` and for `key`: a game id for top scorers, a league id otherwise.
    static bool isFor(const Request& request, Kind kind, const QString& key);
    template <typename Result>
    static bool resolve(Queue<Result>& queue, Kind kind, const QString& key, const Result& result);

    const Clock& m_clock;
    std::vector<Request> m_requests;
    Queue<GamesResult> m_pendingGames{cancelled()};
    Queue<TeamsResult> m_pendingTeams{cancelled()};
    Queue<LeadersResult> m_pendingLeaders{cancelled()};
    Queue<DetailResult> m_pendingDetails{cancelled()};
};
