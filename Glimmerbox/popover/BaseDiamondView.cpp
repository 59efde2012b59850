#include "BaseDiamondView.h"

#include "PopoverStyle.h"

#include <QPainter>
#include <QPainterPath>

BaseDiamondView::BaseDiamondView(std::array<bool, 3> occupied, QWidget* parent)
    : QWidget(parent), m_occupied(occupied) {
    // The bases reach a little past the 22-point frame they are laid out in; leave them room.
    setFixedSize(30, 30);
}

void BaseDiamondView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // Offsets from the centre of first, second and third base.
    constexpr std::array<QPointF, 3> offsets{QPointF(8, 0), QPointF(0, -8), QPointF(-8, 0)};
    QPainterPath marker;
    marker.addRoundedRect(QRectF(-3.5, -3.5, 7, 7), 1, 1);
    for (size_t base = 0; base < 3; ++base) {
        painter.save();
        painter.translate(QPointF(width() / 2.0, height() / 2.0) + offsets[base]);
        painter.rotate(45);
        painter.fillPath(marker, m_occupied[base] ? popoverstyle::color(Tint::yellow, palette())
                                                  : popoverstyle::color(Tint::secondary, palette(), 0.3));
        painter.restore();
    }
}
