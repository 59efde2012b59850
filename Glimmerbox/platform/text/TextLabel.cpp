#include "platform/text/TextLabel.h"

#include "platform/text/PlainTextLabel.h"

QLabel* makePlainTextLabel(const QString& text, QWidget* parent) {
    return new PlainTextLabel(text, parent);
}

QLabel* makeCentredLabel(const QString& text, int pixelSize, bool bold, TextTone tone, QWidget* parent) {
    QLabel* label = makePlainTextLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    if (tone == TextTone::secondary)
        label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}

QString literalMenuText(QString text) {
    return text.replace(u'&', QStringLiteral("&&"));
}
