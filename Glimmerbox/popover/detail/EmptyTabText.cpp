#include "popover/detail/EmptyTabText.h"

#include "popover/common/PopoverStyle.h"

#include <QLabel>

QLabel* emptyTabText(const QString& text, QWidget* parent) {
    QLabel* label = popoverstyle::label(text, popoverstyle::body, QFont::Normal, Tint::secondary, parent);
    label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    label->setContentsMargins(16, 16, 16, 16);
    return label;
}
