#pragma once

#include "notch/picker/SelectControl.h"

#include <QWidget>

// The SELECT pill of the action strip, shaped like UNPIN. The overlay lets the mouse through while it shows,
// so the pill follows the pointer positions the overlay tracks (pointerMoved) rather than mouse events.
class SelectPill : public QWidget {
    Q_OBJECT
public:
    static constexpr int height = 20;
    static constexpr int paddingX = 10;

    SelectPill(std::function<void()> scheduleJumboExpand, std::function<void()> cancelJumboExpand,
               QWidget* parent = nullptr);

    // A tracked pointer position, in global coordinates.
    void pointerMoved(const QPoint& globalPosition);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    SelectControl m_control;
};
