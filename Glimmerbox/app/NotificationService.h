#pragma once

#include "GameNotifier.h"
#include "platform/desktop/Notifier.h"
#include "platform/time/Clock.h"

#include <optional>

// Builds the five kinds of game notification and hands them to the desktop's notification centre.
// Sends return at once; a failed delivery is only logged.
class NotificationService final : public GameNotifier {
public:
    // The buttons the notifications offer, and the user info naming the notified game.
    inline static const QString openGameAction = QStringLiteral("OPEN_GAME");
    inline static const QString pinGameAction = QStringLiteral("PIN_GAME");
    inline static const QString gameIdKey = QStringLiteral("gameId");
    inline static const QString leagueIdKey = QStringLiteral("leagueId");

    NotificationService(Notifier& notifier, const Clock& clock);

    // The one instance, over the desktop's notification server; created on first use, never released.
    static NotificationService& shared();

    void registerCategories() override;
    void sendGameStartNotification(const Game& game) override;
    void sendGameEndNotification(const Game& game) override;
    // Nothing without a previous copy, or when neither score went up (a correction).
    void sendScoreChangeNotification(const Game& game, const std::optional<Game>& previous) override;
    void sendCloseGameNotification(const Game& game) override;
    void sendOvertimeNotification(const Game& game) override;
    // "12 more games changed", the leagues as its body; no category and no game to open.
    void sendMoreGamesChangedNotification(qint64 gameCount, const QStringList& leagueNames) override;

    // Where the notifications go, and the user's answers to them come from.
    Notifier& notifier() const { return m_notifier; }

private:
    void send(const Game& game, const QString& identifier, const QString& title, const QString& body,
              std::optional<QString> categoryIdentifier = std::nullopt);
    void send(NotificationRequest request);

    Notifier& m_notifier;
    const Clock& m_clock;
};
