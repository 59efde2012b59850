// Change detection: compares each held game with the copy the previous pass examined and sends the
// notifications for what changed, in the order start, end, score change, close game, overtime.
#include "AppState.h"

#include "GameChangeRules.h"
#include "GameNotifier.h"
#include "NotificationAllowance.h"
#include "model/UserPreferences.h"
#include "platform/Logging.h"

QCoro::Task<> AppState::checkForGameChanges() {
    if (!m_preferences.notificationsEnabled() || isInQuietHours())
        co_return;

    QList<Game> examined = allHeldGames();
    if (m_preferences.notifyFavoritesOnly()) {
        const QSet<QString> favorites = m_preferences.favoriteTeamIds();
        examined.removeIf([&](const Game& game) { return !involvesTeam(game, favorites); });
    }

    NotificationAllowance allowance(maxNotificationsPerPass);
    for (const Game& game : examined)
        checkGame(game, allowance);
    if (allowance.heldBack() > 0)
        qCWarning(notificationsLogger, "Held back %d notifications of one refresh", allowance.heldBack());
}

bool AppState::isInQuietHours() const {
    return ::isInQuietHours(m_preferences, m_clock.now());
}

void AppState::checkGame(const Game& game, NotificationAllowance& allowance) {
    const GameKey key = GameKey::of(game);
    const auto stored = m_previousGameStates.constFind(key);
    const std::optional<Game> previous =
        stored != m_previousGameStates.cend() ? std::optional<Game>(*stored) : std::nullopt;

    if (m_preferences.notifyGameStart() && previous && previous->status == GameStatus::scheduled &&
        game.status == GameStatus::inProgress && allowance.take())
        m_notificationService.sendGameStartNotification(game);

    if (m_preferences.notifyGameEnd() && previous && previous->isLive() &&
        game.status == GameStatus::final_ && allowance.take())
        m_notificationService.sendGameEndNotification(game);

    // Without a previous copy the send raises nothing, so it takes nothing from the allowance.
    if (m_preferences.notifyScoreChange() && game.isLive() &&
        (!previous || previous->homeScore != game.homeScore || previous->awayScore != game.awayScore) &&
        (!previous || allowance.take()))
        m_notificationService.sendScoreChangeNotification(game, previous);

    if (m_preferences.notifyCloseGame() && isCloseLiveGame(game) &&
        !(previous && isCloseLiveGame(*previous)) && allowance.take())
        m_notificationService.sendCloseGameNotification(game);

    if (m_preferences.notifyOvertime() && isLiveInOvertime(game) &&
        !(previous && isLiveInOvertime(*previous)) && allowance.take())
        m_notificationService.sendOvertimeNotification(game);

    // Recorded whatever was held back: a change left unannounced is not announced on a later pass either.
    m_previousGameStates.insert(key, game);
}
