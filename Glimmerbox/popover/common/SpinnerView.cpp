#include "popover/common/SpinnerView.h"

#include "platform/time/Clock.h"
#include "platform/time/Spinner.h"
#include "popover/common/PopoverStyle.h"

#include <QPainter>

SpinnerView::SpinnerView(int diameter, QWidget* parent) : QWidget(parent), m_ticker(this, Clock::system()) {
    setFixedSize(diameter, diameter);
    m_ticker.setTurning(true);
}

void SpinnerView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintSpinner(painter, QRectF(rect()), spinnerTurn(Clock::system()),
                 popoverstyle::color(Tint::secondary, palette()));
}
