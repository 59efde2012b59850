#include "popover/common/PopoverStyle.h"

#include "platform/SystemColors.h"
#include "platform/text/IconFont.h"
#include "platform/text/OneLineLabel.h"
#include "platform/text/PixelFont.h"
#include "platform/text/WrappedLabel.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPalette>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace popoverstyle {

QColor color(Tint tint, const QPalette& palette) {
    switch (tint) {
    case Tint::primary:
        return palette.color(QPalette::WindowText);
    case Tint::secondary:
        return system_colors::secondaryText(palette);
    case Tint::accent:
        return palette.color(QPalette::Highlight);
    case Tint::red:
        return system_colors::red;
    case Tint::orange:
        return system_colors::orange;
    case Tint::blue:
        return system_colors::blue;
    case Tint::yellow:
        return system_colors::yellow;
    }
    return palette.color(QPalette::WindowText);
}

QColor color(Tint tint, const QPalette& palette, double opacity) {
    QColor result = color(tint, palette);
    result.setAlphaF(static_cast<float>(result.alphaF() * opacity));
    return result;
}

void setTint(QLabel* label, Tint tint) {
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText,
                     color(tint, label->parentWidget() ? label->parentWidget()->palette() : QPalette()));
    label->setPalette(palette);
}

namespace {

QLabel* styled(QLabel* label, int pixelSize, QFont::Weight weight, Tint tint) {
    label->setFont(pixelFont(pixelSize, weight));
    setTint(label, tint);
    return label;
}

} // namespace

QLabel* label(const QString& text, int pixelSize, QFont::Weight weight, Tint tint, QWidget* parent) {
    return styled(new OneLineLabel(text, parent), pixelSize, weight, tint);
}

QLabel* heldTo(QLabel* label, int width) {
    label->setMinimumWidth(std::min(label->sizeHint().width(), width));
    return label;
}

QLabel* paragraph(const QString& text, int pixelSize, QFont::Weight weight, Tint tint, QWidget* parent,
                  int maxLines) {
    return styled(new WrappedLabel(text, parent, maxLines), pixelSize, weight, tint);
}

QLabel* symbol(const QString& name, int pixelSize, Tint tint, QWidget* parent) {
    auto* result = new QLabel(parent);
    const QPalette palette = parent ? parent->palette() : QPalette();
    result->setPixmap(
        iconfont::pixmap(name, color(tint, palette), pixelSize + 2, result->devicePixelRatioF()));
    result->setFixedSize(pixelSize + 2, pixelSize + 2);
    return result;
}

void setSymbol(QToolButton* button, const QString& name, int pixelSize, Tint tint, double opacity) {
    const int side = pixelSize + 4;
    button->setIcon(
        iconfont::pixmap(name, color(tint, button->palette(), opacity), side, button->devicePixelRatioF()));
    button->setIconSize(QSize(side, side));
}

QToolButton* symbolButton(const QString& name, int pixelSize, Tint tint, const QString& toolTip,
                          QWidget* parent) {
    auto* button = new QToolButton(parent);
    button->setAutoRaise(true);
    button->setCursor(Qt::PointingHandCursor);
    button->setToolTip(toolTip);
    button->setStyleSheet(
        QStringLiteral("QToolButton { border: none; padding: 0; background: transparent; }"));
    setSymbol(button, name, pixelSize, tint);
    return button;
}

namespace {

template <typename Layout>
Layout* boxLayout(QWidget* owner, QMargins margins, int spacing) {
    auto* layout = new Layout(owner);
    layout->setContentsMargins(margins);
    if (spacing >= 0)
        layout->setSpacing(spacing);
    return layout;
}

} // namespace

QVBoxLayout* vbox(QWidget* owner, QMargins margins, int spacing) {
    return boxLayout<QVBoxLayout>(owner, margins, spacing);
}

QHBoxLayout* hbox(QWidget* owner, QMargins margins, int spacing) {
    return boxLayout<QHBoxLayout>(owner, margins, spacing);
}

QWidget* divider(QWidget* parent, int indent) {
    auto* holder = new QWidget(parent);
    QHBoxLayout* layout = hbox(holder, QMargins(indent, 0, 0, 0));
    auto* line = new QFrame(holder);
    line->setFrameShape(QFrame::HLine);
    line->setFixedHeight(1);
    QPalette palette = line->palette();
    palette.setColor(QPalette::WindowText, color(Tint::secondary, palette, 0.4));
    line->setPalette(palette);
    layout->addWidget(line);
    return holder;
}

} // namespace popoverstyle
