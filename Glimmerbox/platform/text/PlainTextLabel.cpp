#include "platform/text/PlainTextLabel.h"

PlainTextLabel::PlainTextLabel(const QString& text, QWidget* parent) : QLabel(parent) {
    setTextFormat(Qt::PlainText);
    setText(text);
}

QMargins PlainTextLabel::textMargins() const {
    const int extra = margin();
    return contentsMargins() + QMargins(extra, extra, extra, extra);
}

QRect PlainTextLabel::textRoom() const {
    return contentsRect().marginsRemoved(QMargins(margin(), margin(), margin(), margin()));
}
