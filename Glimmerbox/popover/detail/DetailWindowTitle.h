#pragma once

#include "model/Game.h"

#include <QString>

// The title of a game's detail window: the teams' abbreviations as the scoreboard places them, away first
// ("BOS vs LAL"), on one line, so that the screen and a window list tell two detail windows apart. A side
// without an abbreviation is left out; with neither, the league's abbreviation.
QString detailWindowTitle(const Game& game);
