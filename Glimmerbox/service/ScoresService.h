#pragma once

#include "GameDetail.h"
#include "Scoreboard.h"
#include "ServiceResult.h"
#include "TopScorer.h"
#include "model/Game.h"
#include "model/League.h"
#include "model/Team.h"

#include <QCoroTask>
#include <QDateTime>
#include <QList>
#include <QString>

#include <optional>

// What the application state and the view models await of the scores service. ESPNAPIService is the real
// one; tests substitute fakes that complete requests in an order of their choosing.
// Every task completes on the GUI thread.
class ScoresService {
public:
    virtual ~ScoresService() = default;

    // The league's scoreboard, or that of the local day of `date` (sent as ?dates=yyyyMMdd). Cached 60 s.
    virtual QCoro::Task<ServiceResult<Scoreboard>> fetchScoreboard(League league,
                                                                   std::optional<QDateTime> date = {}) = 0;
    // A game's summary. Cached 30 s, shared with fetchTopScorers.
    virtual QCoro::Task<ServiceResult<GameDetail>> fetchGameDetail(QString gameId, League league) = 0;
    // The game's summary as it stands now, never from the cache (the reply is stored for the cached reads),
    // for a detail the user asks to reload. A service without a cache answers it as fetchGameDetail.
    virtual QCoro::Task<ServiceResult<GameDetail>> fetchLiveGameDetail(QString gameId, League league) {
        return fetchGameDetail(std::move(gameId), std::move(league));
    }
    // The league's teams. Cached 86400 s; tennis leagues give an empty list without a request.
    virtual QCoro::Task<ServiceResult<QList<Team>>> fetchTeams(League league) = 0;
    virtual QCoro::Task<ServiceResult<QList<TopScorer>>> fetchTopScorers(QString gameId, League league) = 0;
    // The current scoreboard, never from the cache.
    virtual QCoro::Task<ServiceResult<Scoreboard>> fetchLiveScoreboard(League league) = 0;

    // Takes a list its holder drops. Freeing thousands of games takes tens of milliseconds, so the real
    // service frees them on its mapping thread; this default frees them here.
    virtual void release(QList<Game> games) { Q_UNUSED(games); }
};
