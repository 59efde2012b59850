#pragma once

#include "notch/panels/OverlayColors.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QRectF>
#include <QString>

#include <algorithm>

class QPainter;

// The overlay's drawing helpers: its fonts by pixel size and weight, one-line text, symbols and dots. Its
// colours are in OverlayColors.h.
namespace overlaystyle {

// The weight the overlay's badges and pills call heavy: one step below black.
inline constexpr QFont::Weight heavy = QFont::ExtraBold;

// How near its target an opacity or a scale on a spring counts as settled.
inline constexpr double fadeTolerance = 0.005;

// A spring's opacity, overshoot and all, as an opacity.
inline double clamp01(double value) {
    return std::clamp(value, 0.0, 1.0);
}

// A colour at a fraction of its opacity.
QColor withOpacity(QColor color, double opacity);

// The width `text` takes on one line in `font` (remembered: painting asks for the same texts on every
// frame).
double textWidth(const QFont& font, const QString& text);

// The width `text` takes on one line in `font`, rounded up, but no more than `room` (a longer text is drawn
// shortened to fit) and never below zero.
double widthWithin(const QFont& font, const QString& text, double room);

// `text` on one line, elided at its end where it is wider than `width` in `font`.
QString elidedToFit(const QFont& font, const QString& text, double width);

// `text` on one line in `rect` with `alignment` (vertically centred), shrunk down to `minimumScale` of its
// size and then elided at its end when it does not fit.
void drawLine(QPainter& painter, const QRectF& rect, const QString& text, const QFont& font,
              const QColor& color, Qt::Alignment alignment = Qt::AlignLeft, double minimumScale = 1.0);

// A symbol of the icon font, centred in `rect`.
void drawSymbol(QPainter& painter, const QRectF& rect, const QString& symbolName, int pixelSize,
                const QColor& color);

// `image` scaled into `rect` with its aspect kept (fitted, or filling and cropped with
// Qt::KeepAspectRatioByExpanding), centred, clipped to `rect` rounded by `radius`.
void drawImage(QPainter& painter, const QRectF& rect, const QImage& image,
               Qt::AspectRatioMode mode = Qt::KeepAspectRatio, double radius = 0);

// A filled circle of `diameter` centred at `centre`.
void drawDot(QPainter& painter, const QPointF& centre, double diameter, const QColor& color);

} // namespace overlaystyle
