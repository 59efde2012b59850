#include "SpinnerView.h"

#include "PopoverStyle.h"
#include "platform/Clock.h"
#include "platform/Spinner.h"

#include <QPainter>
#include <QTimerEvent>

SpinnerView::SpinnerView(int diameter, QWidget* parent) : QWidget(parent) {
    setFixedSize(diameter, diameter);
}

void SpinnerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintSpinner(painter, QRectF(rect()), spinnerTurn(Clock::system().now()),
                 popoverstyle::color(Tint::secondary, palette()));
}

void SpinnerView::showEvent(QShowEvent*) {
    m_timer.start(spinnerFrameMs, this);
}

void SpinnerView::hideEvent(QHideEvent*) {
    m_timer.stop();
}

void SpinnerView::timerEvent(QTimerEvent* event) {
    if (event->timerId() == m_timer.timerId())
        update();
}
