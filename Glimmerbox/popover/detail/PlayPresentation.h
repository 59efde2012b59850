#pragma once

#include "model/PlayByPlayEvent.h"

#include <QString>

#include <optional>

// How one play is written in the plays lists: its symbol and the line under its description.
struct PlayPresentation {
    QString symbol;     // "star.fill" for scores, "pause.circle" for timeouts, ...
    QString periodText; // the period, then the clock when there is one
    std::optional<QString> team;
    std::optional<QString> score; // "away-home", only when both scores are known

    static PlayPresentation of(const PlayByPlayEvent& play);
    static QString symbolFor(PlayEventType type);
};
