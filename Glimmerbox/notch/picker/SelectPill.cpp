#include "notch/picker/SelectPill.h"

#include "notch/panels/OverlayColors.h"
#include "notch/panels/OverlayPainters.h"

#include <QPainter>
#include <QPainterPath>

SelectPill::SelectPill(std::function<void()> scheduleJumboExpand, std::function<void()> cancelJumboExpand,
                       QWidget* parent)
    : QWidget(parent), m_control(std::move(scheduleJumboExpand), std::move(cancelJumboExpand)) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SelectPill::pointerMoved(const QPoint& globalPosition) {
    if (!isVisible())
        return;
    m_control.pointerMoved(QPointF(mapFromGlobal(globalPosition)), QRectF(rect()));
}

QSize SelectPill::sizeHint() const {
    return {int(std::ceil(SelectControl::labelSize().width())) + 2 * paddingX, height};
}

void SelectPill::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), overlay_paint::pillRadius, overlay_paint::pillRadius);
    painter.fillPath(shape, overlay_colors::white(0.08));
    SelectControl::paintLabel(painter, QRectF(rect()));
}

void SelectPill::hideEvent(QHideEvent*) {
    // The pill going away (the jumbo picker replacing the strip) ends the hover; an open picker stays open.
    m_control.handleSelectHover(false);
}
