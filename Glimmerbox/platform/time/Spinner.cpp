#include "platform/time/Spinner.h"

#include "platform/time/Clock.h"

#include <QPainter>

#include <algorithm>

void paintSpinner(QPainter& painter, const QRectF& rect, double turn, const QColor& color) {
    const double side = std::min(rect.width(), rect.height());
    if (side <= 0)
        return;
    const double penWidth = std::max(1.0, side / 8.0);
    QRectF circle(0, 0, side - penWidth, side - penWidth);
    circle.moveCenter(rect.center());
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setBrush(Qt::NoBrush);
    QColor track = color;
    track.setAlphaF(color.alphaF() * 0.25f);
    painter.setPen(QPen(track, penWidth));
    painter.drawEllipse(circle);
    painter.setPen(QPen(color, penWidth, Qt::SolidLine, Qt::RoundCap));
    // Qt measures angles in sixteenths of a degree, anticlockwise; the arc turns clockwise.
    const int start = static_cast<int>(-turn * 360.0 * 16.0) + 90 * 16;
    painter.drawArc(circle, start, -100 * 16);
    painter.restore();
}

double spinnerTurn(const Clock& clock) {
    const auto sinceOrigin =
        std::chrono::duration_cast<std::chrono::milliseconds>(clock.monotonicNow().time_since_epoch());
    return static_cast<double>(sinceOrigin.count() % 1000) / 1000.0;
}
