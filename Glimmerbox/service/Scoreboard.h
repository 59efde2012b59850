#pragma once

#include "model/Game.h"
#include "platform/time/Clock.h"

#include <QList>

// A scoreboard's games and the moment their request was sent, on the monotonic clock: of two answers, the
// one asked for later describes the more recent state, whatever the wall clock did in between.
struct Scoreboard {
    QList<Game> games;
    MonotonicTime sentAt;
};
