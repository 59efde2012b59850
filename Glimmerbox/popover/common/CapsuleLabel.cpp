#include "popover/common/CapsuleLabel.h"

#include "popover/common/PopoverStyle.h"

#include "platform/text/PixelFont.h"

#include <QPainter>

CapsuleLabel::CapsuleLabel(const QString& text, int pixelSize, QMargins padding, Tint textTint,
                           QWidget* parent)
    : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
    setFont(pixelFont(pixelSize));
    setContentsMargins(padding);
    popoverstyle::setTint(this, textTint);
}

void CapsuleLabel::paintEvent(QPaintEvent* event) {
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(popoverstyle::color(Tint::secondary, palette(), 0.15));
        painter.drawRoundedRect(rect(), 4, 4);
    }
    QLabel::paintEvent(event);
}
