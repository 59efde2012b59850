// Change detection: compares each held game with the copy the previous pass examined and sends the
// notifications for what changed, in the order start, end, score change, close game, overtime.
#include "AppState.h"

#include "GameChangeRules.h"
#include "GameNotifier.h"
#include "model/UserPreferences.h"

QCoro::Task<> AppState::checkForGameChanges() {
    if (!m_preferences.notificationsEnabled() || isInQuietHours())
        co_return;

    QList<Game> examined = allHeldGames();
    if (m_preferences.notifyFavoritesOnly()) {
        const QSet<QString> favorites = m_preferences.favoriteTeamIds();
        examined.removeIf([&](const Game& game) { return !involvesTeam(game, favorites); });
    }

    for (const Game& game : examined)
        checkGame(game);
}

bool AppState::isInQuietHours() const {
    return ::isInQuietHours(m_preferences, m_clock.now());
}

void AppState::checkGame(const Game& game) {
    const auto stored = m_previousGameStates.constFind(game.id);
    const std::optional<Game> previous =
        stored != m_previousGameStates.cend() ? std::optional<Game>(*stored) : std::nullopt;

    if (m_preferences.notifyGameStart() && previous && previous->status == GameStatus::scheduled &&
        game.status == GameStatus::inProgress)
        m_notificationService.sendGameStartNotification(game);

    if (m_preferences.notifyGameEnd() && previous && previous->isLive() && game.status == GameStatus::final_)
        m_notificationService.sendGameEndNotification(game);

    if (m_preferences.notifyScoreChange() && game.isLive() &&
        (!previous || previous->homeScore != game.homeScore || previous->awayScore != game.awayScore))
        m_notificationService.sendScoreChangeNotification(game, previous);

    if (m_preferences.notifyCloseGame() && isCloseLiveGame(game) && !(previous && isCloseLiveGame(*previous)))
        m_notificationService.sendCloseGameNotification(game);

    if (m_preferences.notifyOvertime() && isLiveInOvertime(game) &&
        !(previous && isLiveInOvertime(*previous)))
        m_notificationService.sendOvertimeNotification(game);

    m_previousGameStates.insert(game.id, game);
}
