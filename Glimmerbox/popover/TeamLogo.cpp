#include "TeamLogo.h"

#include <QWidget>

QWidget* teamLogo(const Team&, int size, QWidget* parent) {
    auto* logo = new QWidget(parent);
    logo->setFixedSize(size, size);
    return logo;
}
