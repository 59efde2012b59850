#include "NotificationResponder.h"

#include "GameDetailWindows.h"
#include "app/AppState.h"
#include "app/NotificationService.h"
#include "platform/Logging.h"
#include "platform/desktop/Notifier.h"

#include <algorithm>

NotificationResponder::NotificationResponder(Notifier& notifier, AppState& appState,
                                             GameDetailWindows& gameDetails, QObject* parent)
    : QObject(parent), m_appState(appState), m_gameDetails(gameDetails) {
    connect(&notifier, &Notifier::actionInvoked, this, &NotificationResponder::respond);
}

void NotificationResponder::respond(const QString& actionIdentifier, const QMap<QString, QString>& userInfo) {
    const QString gameId = userInfo.value(NotificationService::gameIdKey);
    if (gameId.isEmpty())
        return;
    if (actionIdentifier == NotificationService::openGameAction)
        m_gameDetails.open(gameId, League::withId(userInfo.value(NotificationService::leagueIdKey)));
    else if (actionIdentifier == NotificationService::pinGameAction)
        pin(gameId, userInfo.value(NotificationService::leagueIdKey));
}

void NotificationResponder::pin(const QString& gameId, const QString& leagueId) {
    const QList<Game> games = m_appState.games().value(leagueId);
    const auto game =
        std::find_if(games.cbegin(), games.cend(), [&](const Game& held) { return held.id == gameId; });
    if (game == games.cend()) {
        qCWarning(notificationsLogger).noquote()
            << QStringLiteral("Not pinning game %1: it is no longer listed").arg(gameId);
        return;
    }
    m_appState.pinGame(*game);
}
