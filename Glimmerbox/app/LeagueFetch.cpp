#include "LeagueFetch.h"

#include "platform/Logging.h"
#include "platform/time/Clock.h"
#include "service/ScoresService.h"

#include <QSet>

namespace {

constexpr int racingLookBackDays = 7;

// `base`, followed by every game of `extra` whose id `base` does not hold (duplicates within `extra` kept).
StampedGames appendMissingGames(StampedGames base, const Scoreboard& extra) {
    QSet<QString> ids;
    for (const Game& game : base.games)
        ids.insert(game.id);
    for (const Game& game : extra.games) {
        if (!ids.contains(game.id)) {
            base.games.append(game);
            base.sentAt.append(extra.sentAt);
        }
    }
    return base;
}

Scoreboard finalGames(const Scoreboard& scoreboard) {
    Scoreboard finals{{}, scoreboard.sentAt};
    for (const Game& game : scoreboard.games) {
        if (game.status == GameStatus::final_)
            finals.games.append(game);
    }
    return finals;
}

// Yesterday first, back to a week ago; stops at the first day that has finished games.
QCoro::Task<StampedGames> appendLatestFinishedRace(ScoresService& api, const Clock& clock, League league,
                                                   StampedGames games) {
    for (int daysBack = 1; daysBack <= racingLookBackDays; ++daysBack) {
        const QDateTime day = clock.now().toLocalTime().addDays(-daysBack);
        if (!day.isValid())
            continue;
        auto earlier = co_await api.fetchScoreboard(league, day);
        if (!earlier.ok())
            continue;
        const Scoreboard finals = finalGames(earlier.value());
        if (finals.games.isEmpty())
            continue;
        co_return appendMissingGames(std::move(games), finals);
    }
    co_return games;
}

QCoro::Task<ServiceResult<Scoreboard>> requestCurrentScoreboard(ScoresService& api, const League& league,
                                                                CurrentScoreboard source) {
    if (source == CurrentScoreboard::uncached)
        return api.fetchLiveScoreboard(league);
    return api.fetchScoreboard(league, std::nullopt);
}

} // namespace

StampedGames stamped(Scoreboard scoreboard) {
    const qsizetype count = scoreboard.games.size();
    return StampedGames{std::move(scoreboard.games), QList<MonotonicTime>(count, scoreboard.sentAt)};
}

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
    StampedGames games = stamped(std::move(current).value());

    auto today = co_await api.fetchScoreboard(league, clock.now());
    if (today.ok()) {
        games = appendMissingGames(std::move(games), today.value());
        // Mostly the same games as the current scoreboard, mapped a second time: as costly to free.
        api.release(std::move(today).value().games);
    }

    if (league.sport == Sport::racing)
        games = co_await appendLatestFinishedRace(api, clock, league, std::move(games));
    co_return LeagueGames{league.id, std::move(games)};
}
