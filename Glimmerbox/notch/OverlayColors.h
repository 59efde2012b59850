#pragma once

#include <QColor>

// The dark system colours the overlay draws with on its black panel.
namespace overlay_colors {
inline const QColor red{0xFF, 0x45, 0x3A};
inline const QColor orange{0xFF, 0x9F, 0x0A};
inline const QColor yellow{0xFF, 0xD6, 0x0A};
inline const QColor green{0x32, 0xD7, 0x4B};
inline const QColor blue{0x0A, 0x84, 0xFF};
inline const QColor grey{0x8E, 0x8E, 0x93};
inline const QColor gold = QColor::fromRgbF(1.0f, 0.84f, 0.0f);

// White at `opacity`, the overlay's secondary texts.
inline QColor white(double opacity) {
    QColor color(Qt::white);
    color.setAlphaF(static_cast<float>(opacity));
    return color;
}
} // namespace overlay_colors
