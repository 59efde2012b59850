#include "popover/detail/BaseDiamondView.h"

#include "popover/common/PopoverStyle.h"

#include <QPainter>
#include <QPainterPath>

#include <cmath>

namespace {

constexpr int frameSide = 22;
// Each base is a 7-point square turned by 45 degrees, 8 points from the centre.
constexpr double baseSide = 7.0;
constexpr double baseDistance = 8.0;

} // namespace

BaseDiamondView::BaseDiamondView(std::array<bool, 3> occupied, QWidget* parent)
    : QWidget(parent), m_occupied(occupied) {
    setFixedSize(frameSide, frameSide);
}

QSize BaseDiamondView::sizeHint() const {
    return {frameSide, frameSide};
}

void BaseDiamondView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // First and third base reach past the frame by the half diagonal of a base; a widget cannot paint
    // beyond its frame, so the diamond is drawn scaled down just enough to lie whole inside it.
    const double reach = baseDistance + baseSide * std::sqrt(0.5);
    painter.translate(width() / 2.0, height() / 2.0);
    painter.scale(frameSide / 2.0 / reach, frameSide / 2.0 / reach);
    // Offsets from the centre of first, second and third base.
    constexpr std::array<QPointF, 3> offsets{QPointF(baseDistance, 0), QPointF(0, -baseDistance),
                                             QPointF(-baseDistance, 0)};
    QPainterPath marker;
    marker.addRoundedRect(QRectF(-baseSide / 2, -baseSide / 2, baseSide, baseSide), 1, 1);
    for (size_t base = 0; base < 3; ++base) {
        painter.save();
        painter.translate(offsets[base]);
        painter.rotate(45);
        painter.fillPath(marker, m_occupied[base] ? popoverstyle::color(Tint::yellow, palette())
                                                  : popoverstyle::color(Tint::secondary, palette(), 0.3));
        painter.restore();
    }
}
