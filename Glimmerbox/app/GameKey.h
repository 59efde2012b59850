#pragma once

#include "model/Game.h"

#include <QHashFunctions>
#include <QList>
#include <QString>

#include <algorithm>
#include <optional>

// A game as change detection, its notifications, the pins and the overlay tell games apart: by league and
// id. The service numbers the games of each league on its own, so one id can name two games of different
// leagues, and neither may stand for the other.
struct GameKey {
    QString leagueId;
    QString gameId;

    static GameKey of(const Game& game) { return GameKey{game.league.id, game.id}; }
    static std::optional<GameKey> of(const std::optional<Game>& game) {
        return game ? std::optional<GameKey>(of(*game)) : std::nullopt;
    }

    friend bool operator==(const GameKey&, const GameKey&) = default;
    friend size_t qHash(const GameKey& key, size_t seed = 0) {
        return qHashMulti(seed, key.leagueId, key.gameId);
    }
};

// Where the game `key` names stands in `games` (the first of it), or -1.
inline qsizetype indexOfGame(const QList<Game>& games, const GameKey& key) {
    const auto found = std::find_if(games.cbegin(), games.cend(),
                                    [&key](const Game& game) { return GameKey::of(game) == key; });
    return found == games.cend() ? -1 : found - games.cbegin();
}

inline bool holdsGame(const QList<Game>& games, const GameKey& key) {
    return indexOfGame(games, key) >= 0;
}
