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
    };
    QList<Text> texts;
    bool showsBaseDiamond = false;
    std::array<bool, 3> basesOccupied{}; // first, second, third

    // Football: "3rd & 7" and the yard line; baseball: the count, the outs and the diamond; hockey: the
    // power play; every other sport, or a game without a situation: nothing.
    static SituationLine of(const Game& game);
};
