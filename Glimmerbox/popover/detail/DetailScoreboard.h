#pragma once

#include "model/Game.h"

#include <QWidget>

// The detail panel's scoreboard: both teams with logo, name and record around the score, the status badge
// and the live situation line.
class DetailScoreboard : public QWidget {
public:
    explicit DetailScoreboard(const Game& game, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
