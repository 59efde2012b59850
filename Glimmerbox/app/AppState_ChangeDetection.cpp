// Change detection: compares each held game with the copy the previous pass examined and with how far it has
// been seen to go, and hands the alerts it finds, each game's in the order start, end, score change, close
// game, overtime, to the pacer that raises them.
#include "AppState.h"

#include "GameChangeRules.h"
#include "model/UserPreferences.h"

QCoro::Task<> AppState::checkForGameChanges() {
    if (!m_preferences.notificationsEnabled() || isInQuietHours())
        co_return;

    QList<Game> examined = allHeldGames();
    // Kept only for the games held, so that a service renaming its games every reply grows nothing.
    forgetStatesOfGamesGone(examined);
    const QSet<QString> favorites = m_preferences.favoriteTeamIds();
    if (m_preferences.notifyFavoritesOnly())
        examined.removeIf([&](const Game& game) { return !involvesTeam(game, favorites); });

    QSet<GameKey> pinned;
    for (const Game& game : m_pinnedGames)
        pinned.insert(GameKey::of(game));
    QList<ChangedGame> changed;
    for (const Game& game : examined) {
        ChangedGame changes{alertsFor(game),
                            involvesTeam(game, favorites) || pinned.contains(GameKey::of(game))};
        if (!changes.alerts.isEmpty())
            changed.append(std::move(changes));
    }
    m_alertPacer.raise(std::move(changed));
}

bool AppState::isInQuietHours() const {
    return ::isInQuietHours(m_preferences, m_clock.now());
}

QList<GameAlert> AppState::alertsFor(const Game& game) {
    using enum GameAlert::Kind;
    const GameKey key = GameKey::of(game);
    const auto stored = m_previousGameStates.constFind(key);
    const std::optional<Game> previous =
        stored != m_previousGameStates.cend() ? std::optional<Game>(*stored) : std::nullopt;
    GameProgress& progress = m_gameProgress[key];

    // Each test against the previous copy, and against the progress so that an older copy served between
    // current ones raises nothing: a start, an end and going to overtime are news once, a close game once
    // until a current copy has been seen apart, and a score only above the highest seen.
    QList<GameAlert> alerts;
    if (m_preferences.notifyGameStart() && previous && previous->status == GameStatus::scheduled &&
        game.status == GameStatus::inProgress && progress.startIsNews())
        alerts.append({start, game, std::nullopt});

    if (m_preferences.notifyGameEnd() && previous && previous->isLive() &&
        game.status == GameStatus::final_ && progress.endIsNews())
        alerts.append({end, game, std::nullopt});

    // Without a previous copy a score change is not told.
    if (m_preferences.notifyScoreChange() && game.isLive() && previous &&
        (previous->homeScore != game.homeScore || previous->awayScore != game.awayScore) &&
        progress.scoreRose(game))
        alerts.append({scoreChange, game, progress.scoreBaseline(*previous)});

    if (m_preferences.notifyCloseGame() && isCloseLiveGame(game) &&
        !(previous && isCloseLiveGame(*previous)) && progress.closeGameIsNews(game))
        alerts.append({closeGame, game, std::nullopt});

    if (m_preferences.notifyOvertime() && isLiveInOvertime(game) &&
        !(previous && isLiveInOvertime(*previous)) && progress.overtimeIsNews())
        alerts.append({overtime, game, std::nullopt});

    // Taken in whatever is raised of it: a change left untold is told of in a summary, not raised later.
    progress.advance(game);
    m_previousGameStates.insert(key, game);
    return alerts;
}
