#pragma once

#include "model/Game.h"
#include "model/PlayByPlayEvent.h"
#include "service/GameDetail.h"

#include <QWidget>

#include <optional>

// The Summary tab: "Game Leaders", "Recent Plays" and "Game Info", each only when there is something for it.
class SummaryTab : public QWidget {
public:
    SummaryTab(const std::optional<Game>& game, const std::optional<GameDetail>& gameDetail,
               const QList<PlayByPlayEvent>& playByPlay, QWidget* parent = nullptr);
};
