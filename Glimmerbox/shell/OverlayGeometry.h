#pragma once

#include "notch/state/OverlayPresenter.h"

#include <QRect>

#include <optional>

// Where the overlay window and its pointer zones sit, in Qt's screen coordinates (top-left origin): the
// window hangs from the top edge of the primary screen, centred; the hover strip reaches 10 pixels above
// the screen's top edge so that a pointer pushed against the edge counts, and otherwise covers the compact
// bar.
struct OverlayGeometry {
    static constexpr int windowWidth = 440;
    static constexpr int windowHeight = 680;
    static constexpr int hoverOverhang = 10;
    static constexpr int hoverWidth = static_cast<int>(OverlayPresentation::barWidth);
    static constexpr int hoverHeight = static_cast<int>(OverlayPresentation::compactHeight) + hoverOverhang;

    QRect window;
    std::optional<QRect> hoverZone; // none without a screen: the window's frame serves
    QRect expandedZone;

    // `screen` is the primary screen's full geometry, none when there is no screen (origin (0, 0) then).
    static OverlayGeometry forScreen(const std::optional<QRect>& screen);
};
