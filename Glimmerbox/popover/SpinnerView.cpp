#include "SpinnerView.h"

#include "PopoverStyle.h"

#include <QPainter>
#include <QTimerEvent>

namespace {
constexpr int frameMilliseconds = 16;
constexpr int degreesPerFrame = 6;
} // namespace

SpinnerView::SpinnerView(int diameter, QWidget* parent) : QWidget(parent) {
    setFixedSize(diameter, diameter);
}

void SpinnerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal pen = std::max(1.5, width() / 10.0);
    const QRectF circle = QRectF(rect()).adjusted(pen, pen, -pen, -pen);
    painter.setPen(QPen(popoverstyle::color(Tint::secondary, palette(), 0.3), pen));
    painter.drawEllipse(circle);
    painter.setPen(QPen(popoverstyle::color(Tint::secondary, palette()), pen, Qt::SolidLine, Qt::RoundCap));
    // Qt's arc angles are in sixteenths of a degree, counter-clockwise.
    painter.drawArc(circle, -m_angle * 16, 100 * 16);
}

void SpinnerView::showEvent(QShowEvent*) {
    m_timer.start(frameMilliseconds, this);
}

void SpinnerView::hideEvent(QHideEvent*) {
    m_timer.stop();
}

void SpinnerView::timerEvent(QTimerEvent* event) {
    if (event->timerId() != m_timer.timerId())
        return;
    m_angle = (m_angle + degreesPerFrame) % 360;
    update();
}
