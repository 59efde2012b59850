#pragma once

#include "platform/SystemColors.h"

#include <QColor>

// The colours the overlay draws with on its black panel.
namespace overlay_colors {
using namespace system_colors;
inline const QColor gold = QColor::fromRgbF(1.0f, 0.84f, 0.0f);

// White at `opacity`, the overlay's secondary texts.
inline QColor white(double opacity) {
    QColor color(Qt::white);
    color.setAlphaF(static_cast<float>(opacity));
    return color;
}
} // namespace overlay_colors
