#include "TextLabel.h"

QLabel* makeCentredLabel(const QString& text, int pixelSize, bool bold, TextTone tone, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    label->setFont(font);
    label->setAlignment(Qt::AlignCenter);
    if (tone == TextTone::secondary)
        label->setForegroundRole(QPalette::PlaceholderText);
    return label;
}
