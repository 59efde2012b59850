#include "platform/text/OneLineLabel.h"

#include "platform/text/DisplayText.h"

#include <QPainter>
#include <QStyle>

#include <cmath>

OneLineLabel::OneLineLabel(const QString& text, QWidget* parent) : PlainTextLabel(text, parent) {}

QSize OneLineLabel::withMargins(int textWidth) const {
    const QMargins around = textMargins();
    return {textWidth + around.left() + around.right(),
            fontMetrics().height() + around.top() + around.bottom()};
}

QSize OneLineLabel::sizeHint() const {
    return withMargins(int(std::ceil(QFontMetricsF(font()).horizontalAdvance(oneLineText(text())))));
}

QSize OneLineLabel::minimumSizeHint() const {
    // Room for the ellipsis alone: a long text gives way to its neighbours instead of pushing them out.
    const int ellipsis = int(std::ceil(QFontMetricsF(font()).horizontalAdvance(QChar(0x2026))));
    return withMargins(std::min(ellipsis, sizeHint().width() - withMargins(0).width()));
}

QString OneLineLabel::shownText() const {
    return elidedLine(text(), font(), textRoom().width());
}

void OneLineLabel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    drawFrame(&painter);
    const Qt::Alignment aligned = QStyle::visualAlignment(layoutDirection(), alignment());
    style()->drawItemText(&painter, textRoom(), int(aligned) | Qt::TextSingleLine, palette(), isEnabled(),
                          shownText(), foregroundRole());
}
