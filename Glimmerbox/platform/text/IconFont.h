#pragma once

#include <QColor>
#include <QFont>
#include <QPixmap>
#include <QString>

#include <optional>

// Symbols drawn from the Material Icons font. Callers name symbols as the rest of the application does
// ("sportscourt.fill", "pin.fill", ...); this is the one place that maps those names to glyphs.
namespace iconfont {

// The font's family after loading it (from the application's resources, else the system copy); empty when
// neither could be loaded. Loads once, on first use; call from the GUI thread.
QString family();

// The icon font at `pixelSize`.
QFont font(int pixelSize);

// The glyph for a symbol name, or nothing for a name the font has no glyph for. Circled letters and digits
// ("k.circle", "3.circle.fill") have none: pixmap() draws them.
std::optional<QChar> glyph(const QString& symbolName);

// Whether pixmap() draws something for the name.
bool hasSymbol(const QString& symbolName);

// The symbol as a square pixmap of `size` logical pixels in `color`, for a device pixel ratio of `dpr`.
// An unknown name gives a transparent pixmap.
QPixmap pixmap(const QString& symbolName, const QColor& color, int size, qreal dpr = 1.0);

// The symbol in `fill` with a `outline`-coloured rim, so that it stays legible on light and dark panels.
QPixmap outlinedPixmap(const QString& symbolName, const QColor& fill, const QColor& outline, int size,
                       qreal dpr = 1.0);

} // namespace iconfont
