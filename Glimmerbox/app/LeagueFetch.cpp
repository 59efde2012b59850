#include "LeagueFetch.h"

#include "platform/Clock.h"
#include "platform/Logging.h"
#include "service/ScoresService.h"

#include <QSet>

namespace {

constexpr int racingLookBackDays = 7;

// `base`, followed by every game of `extra` whose id `base` does not hold (duplicates within `extra` kept).
QList<Game> appendMissingGames(QList<Game> base, const QList<Game>& extra) {
    QSet<QString> ids;
    for (const Game& game : base)
        ids.insert(game.id);
    for (const Game& game : extra) {
        if (!ids.contains(game.id))
            base.append(game);
    }
    return base;
}

QList<Game> finalGames(const QList<Game>& games) {
    QList<Game> finals;
    for (const Game& game : games) {
        if (game.status == GameStatus::final_)
            finals.append(game);
    }
    return finals;
}

// Yesterday first, back to a week ago; stops at the first day that has finished games.
QCoro::Task<QList<Game>> appendLatestFinishedRace(ScoresService& api, const Clock& clock, League league,
                                                  QList<Game> games) {
    for (int daysBack = 1; daysBack <= racingLookBackDays; ++daysBack) {
        const QDateTime day = clock.now().toLocalTime().addDays(-daysBack);
        if (!day.isValid())
            continue;
        auto earlier = co_await api.fetchScoreboard(league, day);
        if (!earlier.ok())
            continue;
        const QList<Game> finals = finalGames(earlier.value());
        if (finals.isEmpty())
            continue;
        co_return appendMissingGames(std::move(games), finals);
    }
    co_return games;
}

QCoro::Task<ServiceResult<QList<Game>>> requestCurrentScoreboard(ScoresService& api, const League& league,
                                                                 CurrentScoreboard source) {
    if (source == CurrentScoreboard::uncached)
        return api.fetchLiveScoreboard(league);
    return api.fetchScoreboard(league, std::nullopt);
}

} // namespace

QCoro::Task<LeagueGames> fetchLeagueGames(ScoresService& api, const Clock& clock, League league,
                                          CurrentScoreboard source) {
    auto current = co_await requestCurrentScoreboard(api, league, source);
    if (!current.ok()) {
        const QString prefix = source == CurrentScoreboard::uncached ? QStringLiteral("Error fresh-fetching ")
                                                                     : QStringLiteral("Error fetching ");
        qCCritical(apiLogger, "%s",
                   qUtf8Printable(prefix + league.abbreviation + QStringLiteral(": ") +
                                  current.error().errorDescription()));
        co_return LeagueGames{league.id, std::nullopt};
    }
    QList<Game> games = std::move(current).value();

    auto today = co_await api.fetchScoreboard(league, clock.now());
    if (today.ok()) {
        games = appendMissingGames(std::move(games), today.value());
        // Mostly the same games as the current scoreboard, mapped a second time: as costly to free.
        api.release(std::move(today).value());
    }

    if (league.sport == Sport::racing)
        games = co_await appendLatestFinishedRace(api, clock, league, std::move(games));
    co_return LeagueGames{league.id, std::move(games)};
}
