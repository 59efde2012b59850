#pragma once

#include "model/Game.h"

#include <QWidget>

// A game's state: the red dot with period and clock while live, else one coloured word.
class GameStatusBadge : public QWidget {
public:
    explicit GameStatusBadge(const Game& game, QWidget* parent = nullptr);
};
