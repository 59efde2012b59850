#pragma once

#include "service/GameDetail.h"

#include <QWidget>

#include <optional>

// The Box Score tab: each player with one statistic, "Box score not available" without a box score, and
// nothing at all for a box score without players.
class BoxScoreView : public QWidget {
public:
    explicit BoxScoreView(const std::optional<BoxScore>& boxScore, QWidget* parent = nullptr);
};
