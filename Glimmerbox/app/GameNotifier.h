#pragma once

#include "model/Game.h"

#include <QStringList>

#include <optional>

// What change detection sends through: the five kinds of game notification, and the one that tells of the
// changed games a pass had no room for. NotificationService is the real
// one (desktop notifications over D-Bus); tests record the calls. Sends return at once; delivery is
// asynchronous.
class GameNotifier {
public:
    virtual ~GameNotifier() = default;

    virtual void registerCategories() = 0;
    virtual void sendGameStartNotification(const Game& game) = 0;
    virtual void sendGameEndNotification(const Game& game) = 0;
    virtual void sendScoreChangeNotification(const Game& game, const std::optional<Game>& previous) = 0;
    virtual void sendCloseGameNotification(const Game& game) = 0;
    virtual void sendOvertimeNotification(const Game& game) = 0;
    // `gameCount` more games changed, in the leagues named by `leagueNames` (abbreviations).
    virtual void sendMoreGamesChangedNotification(qint64 gameCount, const QStringList& leagueNames) = 0;
};
