#pragma once

#include <QColor>
#include <QPalette>

// The dark-appearance system colours that every view draws its accents with.
namespace system_colors {
inline const QColor red{0xFF, 0x45, 0x3A};
inline const QColor orange{0xFF, 0x9F, 0x0A};
inline const QColor yellow{0xFF, 0xD6, 0x0A};
inline const QColor green{0x32, 0xD7, 0x4B};
inline const QColor blue{0x0A, 0x84, 0xFF};
inline const QColor grey{0x8E, 0x8E, 0x93};

// The secondary text colour: the palette's text colour at an opacity of 0.55.
inline QColor secondaryText(const QPalette& palette) {
    QColor secondary = palette.color(QPalette::WindowText);
    secondary.setAlphaF(0.55F);
    return secondary;
}
} // namespace system_colors
