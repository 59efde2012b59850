#pragma once

#include <QPointF>
#include <QRectF>
#include <QSizeF>

#include <functional>
#include <optional>

class QPainter;

// The SELECT pill of the deep card's action strip. Resting the pointer on it arms the jumbo picker (which
// opens 0.5 s later); leaving only disarms it, so an open picker stays open. The overlay ignores the mouse
// while the deep card shows, so the hover comes from the tracked pointer position, not from mouse events.
class SelectControl {
public:
    SelectControl(std::function<void()> scheduleJumboExpand, std::function<void()> cancelJumboExpand);

    // The pointer is over the control (true) or not; only changes act.
    void handleSelectHover(bool hovering);
    // The tracked pointer (none when unknown or outside the overlay) against the pill's rectangle, both in
    // the same coordinates.
    void pointerMoved(std::optional<QPointF> pointer, const QRectF& pill);

    // "SELECT" and a small chevron, centred in `rect`.
    static void paintLabel(QPainter& painter, const QRectF& rect);
    static QSizeF labelSize();

private:
    std::function<void()> m_schedule;
    std::function<void()> m_cancel;
    bool m_isHovered = false;
};
