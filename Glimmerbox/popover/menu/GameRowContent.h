#pragma once

#include "model/Game.h"

#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

// The decisions of one popover game row: what its columns show, how its pin looks, which context-menu
// entries it offers and what those entries produce.
namespace gamerow {

// A team game shows its score (live or final) or its start time (every other status).
enum class Centre { score, startTime };
Centre centreOf(const Game& game);

// A race row: the leader and the live mark, the venue and start, or the leader and the "Final" tag.
enum class RaceState { live, upcoming, finished };
RaceState raceStateOf(const Game& game);
// The first driver of the standings, when there is one.
std::optional<RaceDriver> raceLeader(const Game& game);
// The venue, or "Race" when there is none.
QString raceTitle(const Game& game);
// The live mark's text: the clock, or "LIVE" in red when there is none.
QString liveMarkText(const Game& game);

struct PinButtonLook {
    QString symbol; // "pin.fill" (accent) when pinned, "pin" (secondary) otherwise
    bool accent = false;
    QString toolTip;
    double opacity = 1.0; // an unpinned game's pin shows only under the pointer
};
PinButtonLook pinButtonLook(bool isPinned, bool isHovered);

struct MenuEntry {
    enum class Action { togglePin, viewDetails, separator, watch, openInBrowser, copyScore };
    Action action;
    QString text;
    QString symbol;
};
QList<MenuEntry> menuEntries(const Game& game, bool isPinned);

// "Harbor Hawks vs Lake Owls: HAR 101 - 99 LAK", whatever the game's status.
QString copyScoreText(const Game& game);

// The provider's public page of the game. The sport and the id are percent-encoded, so that an id taken
// from a reply cannot change the address; nothing when no valid address results.
std::optional<QUrl> browserAddress(const Game& game);

} // namespace gamerow
