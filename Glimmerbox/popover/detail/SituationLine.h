#pragma once

#include "model/Game.h"

#include <QList>
#include <QString>

#include <array>

// What the detail panel's scoreboard writes under the score while a game has a live situation.
struct SituationLine {
    struct Text {
        QString text;
        bool highlighted = false; // a power play, drawn in orange
        // The service's own text (the yard line, the power play): it gives way to the others when the strip
        // is short of room.
        bool fromReply = false;
    };
    QList<Text> texts;
    bool showsBaseDiamond = false;
    std::array<bool, 3> basesOccupied{}; // first, second, third

    // Football: "3rd & 7" and the yard line; baseball: the count, the outs and the diamond; hockey: the
    // power play; every other sport, or a game without a situation: nothing.
    static SituationLine of(const Game& game);
};
