#include "popover/common/DotView.h"

#include "popover/common/PopoverStyle.h"

#include <QPainter>

DotView::DotView(int diameter, Tint tint, QWidget* parent) : QWidget(parent), m_tint(tint) {
    setFixedSize(diameter, diameter);
}

void DotView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(popoverstyle::color(m_tint, palette()));
    painter.drawEllipse(rect());
}
