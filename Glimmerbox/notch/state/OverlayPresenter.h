#pragma once

#include "notch/state/CelebrationPhase.h"

#include "model/Game.h"

#include <QPainterPath>
#include <QRectF>

#include <optional>

// What the overlay shows, from the view model's fields and the view's own hover state.
enum class OverlayState { Empty, Idle, Celebration, Compact, Expanded, Deep, Jumbo };

// The panels the picker and racing views provide; the root view hosts them where the presentation says.
enum class OverlaySlot { idlePanel, racingExpanded, raceStandings, leaders, gamePicker, selectPill };

struct OverlayInputs {
    std::optional<Game> displayedGame;
    bool isHovered = false;
    bool isExpanded = false;
    bool isScoreChangeExpanded = false;
    CelebrationPhase celebrationPhase = CelebrationPhase::none;
    bool hasScoreEvent = false;
    bool isDeepExpanded = false;
    bool isJumboExpanded = false;
    bool isBarVisible = false;
    bool hasPhysicalNotch = false;

    // The moment a copy of the game was fetched shows nowhere: the same game brought again by a refresh
    // changes nothing on screen.
    bool operator==(const OverlayInputs& other) const;
};

// The panel for one moment: its state, target width, bottom radius, fixed height (none: as tall as its
// content) and the parts it stacks from the top.
struct OverlayPresentation {
    static constexpr double compactHeight = 34;
    static constexpr double celebrationHeight = 154;
    static constexpr double hiddenWidth = 60;
    static constexpr double hiddenNotchWidth = 180;
    static constexpr double barWidth = 340;
    static constexpr double jumboWidth = 380;
    static constexpr double racingDeepWidth = 420;

    OverlayState state = OverlayState::Empty;
    double width = 0;
    double bottomRadius = 12;
    std::optional<double> fixedHeight;

    bool showsExpanded = false;
    bool isRacing = false;
    bool celebration = false;                // the celebration block replaces everything else
    bool compactRow = false;                 // opacity 1 only while the bar is visible
    bool scoreCard = false;                  // the expanded score card (team games)
    bool actionStrip = false;                // UNPIN and the SELECT slot
    std::optional<OverlaySlot> expandedSlot; // racing's expanded panel
    std::optional<OverlaySlot> deepSlot;     // leaders or race standings
    bool gamePicker = false;                 // divider and the picker slot
    bool idlePanel = false;

    // Whether a hosted panel is part of this presentation.
    bool shows(OverlaySlot slot) const;
};

OverlayPresentation presentOverlay(const OverlayInputs& inputs);

// Hover, or a panel the view model opened.
bool showsExpanded(bool isHovered, bool isExpanded, bool isScoreChangeExpanded);

// The side holding the advantage in a live game: true away, false home, none otherwise.
std::optional<bool> advantageIsAway(const Game& game);

// The panel's outline: flat top, two bottom corners of `bottomRadius` (not clamped) drawn as quadratic
// curves with the control point at the corner.
QPainterPath notchBarPath(const QRectF& rect, double bottomRadius);
