#pragma once

#include <QColor>

// The colour `amount` of the way from `from` to `to`, alpha included (0 gives `from`, 1 gives `to`).
inline QColor mixedColor(const QColor& from, const QColor& to, double amount) {
    auto channel = [amount](float a, float b) { return static_cast<float>(a + (b - a) * amount); };
    return QColor::fromRgbF(channel(from.redF(), to.redF()), channel(from.greenF(), to.greenF()),
                            channel(from.blueF(), to.blueF()), channel(from.alphaF(), to.alphaF()));
}
