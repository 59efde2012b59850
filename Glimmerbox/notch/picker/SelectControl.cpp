#include "notch/picker/SelectControl.h"

#include "notch/panels/OverlayStyle.h"

#include "platform/text/PixelFont.h"

#include <QPainter>

namespace {

const QString selectText = QStringLiteral("SELECT");
constexpr double chevronWidth = 8;
constexpr double spacing = 4;

QFont labelFont() {
    return pixelFont(9, QFont::DemiBold);
}

} // namespace

SelectControl::SelectControl(std::function<void()> scheduleJumboExpand,
                             std::function<void()> cancelJumboExpand)
    : m_schedule(std::move(scheduleJumboExpand)), m_cancel(std::move(cancelJumboExpand)) {}

void SelectControl::handleSelectHover(bool hovering) {
    if (hovering == m_isHovered)
        return;
    m_isHovered = hovering;
    if (hovering)
        m_schedule();
    else
        m_cancel();
}

void SelectControl::pointerMoved(std::optional<QPointF> pointer, const QRectF& pill) {
    handleSelectHover(pointer && pill.contains(*pointer));
}

QSizeF SelectControl::labelSize() {
    return {std::ceil(overlaystyle::textWidth(labelFont(), selectText)) + spacing + chevronWidth, 12};
}

void SelectControl::paintLabel(QPainter& painter, const QRectF& rect) {
    using namespace overlaystyle;
    using namespace overlay_colors;
    const QSizeF size = labelSize();
    const double left = rect.center().x() - size.width() / 2;
    const double textWidth = size.width() - spacing - chevronWidth;
    drawLine(painter, QRectF(left, rect.top(), textWidth + 1, rect.height()), selectText, labelFont(),
             white(0.4));
    drawSymbol(painter, QRectF(left + textWidth + spacing, rect.center().y() - 4, chevronWidth, 8),
               QStringLiteral("chevron.down"), 7, white(0.3));
}
