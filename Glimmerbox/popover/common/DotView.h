#pragma once

#include "popover/common/Tint.h"

#include <QWidget>

// A filled circle: the live marks of badges, rows and section headers.
class DotView : public QWidget {
public:
    DotView(int diameter, Tint tint, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Tint m_tint;
};
