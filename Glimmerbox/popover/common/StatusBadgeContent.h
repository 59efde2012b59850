#pragma once

#include "model/Game.h"
#include "popover/common/Tint.h"

#include <QString>
#include <QStringList>

// A game's state as the status badge writes it: a live game as the red dot with its period and clock,
// every other game as one coloured word.
struct StatusBadgeContent {
    bool isLive = false;
    QStringList liveTexts; // period, then clock, each only when present
    QString text;
    Tint tint = Tint::secondary;

    static StatusBadgeContent of(const Game& game);
};
