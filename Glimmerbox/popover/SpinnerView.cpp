#include "SpinnerView.h"

#include "PopoverStyle.h"
#include "platform/Clock.h"
#include "platform/Spinner.h"

#include <QPainter>

SpinnerView::SpinnerView(int diameter, QWidget* parent) : QWidget(parent) {
    setFixedSize(diameter, diameter);
}

void SpinnerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintSpinner(painter, QRectF(rect()), spinnerTurn(Clock::system().now()),
                 popoverstyle::color(Tint::secondary, palette()));
}

void SpinnerView::showEvent(QShowEvent*) {
    keepSpinnerTurning(m_timer, true, Clock::system(), this);
}

void SpinnerView::hideEvent(QHideEvent*) {
    keepSpinnerTurning(m_timer, false, Clock::system(), this);
}
