#pragma once

#include "model/Game.h"
#include "model/PlayByPlayEvent.h"
#include "service/APIError.h"
#include "service/GameDetail.h"

#include <QList>

#include <optional>

// Everything the detail panel draws, as the detail model last published it.
struct DetailPanelState {
    std::optional<Game> game;
    std::optional<GameDetail> gameDetail;
    QList<PlayByPlayEvent> playByPlay;
    bool isLoading = false;
    std::optional<APIError> error;
};
