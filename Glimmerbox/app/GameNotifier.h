#pragma once

#include "model/Game.h"

#include <optional>

// What change detection sends through: the five kinds of game notification. NotificationService is the real
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
};
