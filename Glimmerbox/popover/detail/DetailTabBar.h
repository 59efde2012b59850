#pragma once

#include "popover/detail/DetailTab.h"

#include <QWidget>

// The detail panel's four tabs sharing the width: the selected one in the accent colour and underlined.
class DetailTabBar : public QWidget {
    Q_OBJECT
public:
    explicit DetailTabBar(DetailTab selected, QWidget* parent = nullptr);

signals:
    void tabSelected(DetailTab tab);
};
