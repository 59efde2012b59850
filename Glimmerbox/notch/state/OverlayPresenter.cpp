#include "notch/state/OverlayPresenter.h"

#include "model/League.h"

#include <tuple>

bool OverlayInputs::operator==(const OverlayInputs& other) const {
    const auto flags = [](const OverlayInputs& in) {
        return std::tie(in.isHovered, in.isExpanded, in.isScoreChangeExpanded, in.celebrationPhase,
                        in.hasScoreEvent, in.isDeepExpanded, in.isJumboExpanded, in.isBarVisible,
                        in.hasPhysicalNotch);
    };
    if (flags(*this) != flags(other) || displayedGame.has_value() != other.displayedGame.has_value())
        return false;
    if (!displayedGame)
        return true;
    Game restamped = *other.displayedGame;
    restamped.lastUpdate = displayedGame->lastUpdate;
    return *displayedGame == restamped;
}

bool OverlayPresentation::shows(OverlaySlot slot) const {
    switch (slot) {
    case OverlaySlot::idlePanel:
        return idlePanel;
    case OverlaySlot::gamePicker:
        return gamePicker;
    case OverlaySlot::selectPill:
        return actionStrip;
    case OverlaySlot::racingExpanded:
        return expandedSlot == slot;
    case OverlaySlot::raceStandings:
    case OverlaySlot::leaders:
        return deepSlot == slot;
    }
    return false;
}

bool showsExpanded(bool isHovered, bool isExpanded, bool isScoreChangeExpanded) {
    return isHovered || isExpanded || isScoreChangeExpanded;
}

OverlayPresentation presentOverlay(const OverlayInputs& in) {
    OverlayPresentation out;
    if (!in.displayedGame) {
        if (in.isHovered) {
            out.state = OverlayState::Idle;
            out.width = OverlayPresentation::jumboWidth;
            out.idlePanel = true;
        }
        return out;
    }
    const Game& game = *in.displayedGame;
    const bool expanded = showsExpanded(in.isHovered, in.isExpanded, in.isScoreChangeExpanded);
    const bool celebrating = isCelebrating(in.celebrationPhase);
    const bool deep = in.isDeepExpanded && expanded && !celebrating;
    const bool jumbo = in.isJumboExpanded && deep;
    out.showsExpanded = expanded;
    out.isRacing = game.league.sport == Sport::racing;
    // The compact bar's corners are rounder, except while a celebration runs.
    out.bottomRadius = !expanded && !celebrating ? 14 : 12;

    if (!in.isBarVisible)
        out.width =
            in.hasPhysicalNotch ? OverlayPresentation::hiddenNotchWidth : OverlayPresentation::hiddenWidth;
    else if (jumbo)
        out.width = OverlayPresentation::jumboWidth;
    else if (deep && out.isRacing)
        out.width = OverlayPresentation::racingDeepWidth;
    else
        out.width = OverlayPresentation::barWidth;

    if (celebrating && in.hasScoreEvent) {
        out.state = OverlayState::Celebration;
        out.celebration = true;
        out.fixedHeight = OverlayPresentation::celebrationHeight;
        return out;
    }
    out.compactRow = true;
    if (!expanded) {
        out.state = OverlayState::Compact;
        out.fixedHeight = OverlayPresentation::compactHeight;
        return out;
    }
    out.state = jumbo ? OverlayState::Jumbo : deep ? OverlayState::Deep : OverlayState::Expanded;
    if (out.isRacing)
        out.expandedSlot = OverlaySlot::racingExpanded;
    else
        out.scoreCard = true;
    if (deep && !jumbo) {
        out.deepSlot = out.isRacing ? OverlaySlot::raceStandings : OverlaySlot::leaders;
        out.actionStrip = true;
    }
    out.gamePicker = jumbo;
    return out;
}

std::optional<bool> advantageIsAway(const Game& game) {
    if (!game.isLive() || !game.situations || !game.situations->advantageTeamId)
        return std::nullopt;
    const QString& id = *game.situations->advantageTeamId;
    if (id == game.awayTeam.id)
        return true;
    if (id == game.homeTeam.id)
        return false;
    return std::nullopt;
}

QPainterPath notchBarPath(const QRectF& rect, double r) {
    QPainterPath path;
    path.moveTo(rect.left(), rect.top());
    path.lineTo(rect.right(), rect.top());
    path.lineTo(rect.right(), rect.bottom() - r);
    path.quadTo(rect.bottomRight(), QPointF(rect.right() - r, rect.bottom()));
    path.lineTo(rect.left() + r, rect.bottom());
    path.quadTo(rect.bottomLeft(), QPointF(rect.left(), rect.bottom() - r));
    path.closeSubpath();
    return path;
}
