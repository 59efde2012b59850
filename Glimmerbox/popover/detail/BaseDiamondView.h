#pragma once

#include <QWidget>

#include <array>

// Three bases as small turned squares (first right, second top, third left), occupied ones in yellow, in a
// 22-point frame.
class BaseDiamondView : public QWidget {
public:
    explicit BaseDiamondView(std::array<bool, 3> occupied, QWidget* parent = nullptr);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::array<bool, 3> m_occupied;
};
