#pragma once

#include <QRect>

// The overlay's rectangles on a 1920-pixel-wide screen whose top edge is y = 0.
namespace overlay_geometry {
inline const QRect window(960 - 220, 0, 440, 680);
inline const QRect hoverStrip(960 - 170, -10, 340, 44);
inline const QPoint inStrip(960, 20);
inline const QPoint belowStripInWindow(960, 300);
inline const QPoint outside(300, 900);
} // namespace overlay_geometry
