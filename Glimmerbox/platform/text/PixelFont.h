#pragma once

#include <QFont>

// The type designs the views ask for: the default sans ("rounded" has no face of its own here) or the fixed
// system font.
enum class FontDesign { standard, rounded, monospaced };

// The system font at `pixelSize` logical pixels (never points, which would grow with the screen's dpi).
QFont pixelFont(double pixelSize, QFont::Weight weight = QFont::Normal,
                FontDesign design = FontDesign::standard);
