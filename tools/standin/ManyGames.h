#pragma once

#include <QByteArray>

// A scoreboard of `count` tiny live games, about 290 bytes each (7,032 make 2 MB, 50,000
// make 14.6 MB): far
// more games than any real scoreboard lists, each a valid two-team game without pictures.
QByteArray manyGamesScoreboard(int count);
