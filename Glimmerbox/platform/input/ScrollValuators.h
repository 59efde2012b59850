#pragma once

#include "platform/input/PointerSource.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <optional>
#include <span>

// One scroll valuator of an input device, as the X server describes it.
struct ScrollAxis {
    int number = 0;
    bool horizontal = false;
    double increment = 1; // one wheel notch, in valuator units
    bool absolute = false;
    std::optional<double> lastValue; // absolute axes only
};

// The scroll valuators of one device, turning raw valuator values into scroll steps in points.
class ScrollValuators {
public:
    // A notch counts as this many points, which keeps touchpad motion at about one point per unit with the
    // usual increment of 15.
    static constexpr double pointsPerIncrement = 15.0;

    bool precise = false;
    QList<ScrollAxis> axes;

    // `mask` holds one bit per valuator; `values` one value per set bit, in bit order. None when no scroll
    // axis moved. X scrolls right and down for positive values; our deltas follow the content, so the signs
    // flip.
    std::optional<ScrollDelta> decode(std::span<const uint32_t> mask, std::span<const double> values);

    // Touchpads scroll smoothly; a mouse wheel moves in notches and never swipes.
    static bool nameLooksLikeTouchpad(const QString& deviceName);
};
