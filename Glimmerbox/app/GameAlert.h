#pragma once

#include "model/Game.h"

#include <QList>

#include <optional>

// One notification change detection asks for, before it is paced.
struct GameAlert {
    // In the order one game's alerts are sent.
    enum class Kind { start, end, scoreChange, closeGame, overtime };

    Kind kind;
    Game game;
    std::optional<Game> previous; // score changes: the copy the score is told against
};

// The alerts of one game in one pass, in their order, and whether the game is one the user follows
// (a favourite team's or pinned), which goes first when a pass has more to say than it may.
struct ChangedGame {
    QList<GameAlert> alerts;
    bool followed = false;
};
