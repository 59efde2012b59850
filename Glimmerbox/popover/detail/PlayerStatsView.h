#pragma once

#include "service/GameDetail.h"

#include <QList>
#include <QWidget>

// The Stats tab: each player with up to three statistics by name, or "No stats available".
class PlayerStatsView : public QWidget {
public:
    explicit PlayerStatsView(const QList<PlayerStats>& stats, QWidget* parent = nullptr);
};
