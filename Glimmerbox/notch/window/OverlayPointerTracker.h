#pragma once

#include "platform/input/PointerSource.h"
#include "platform/time/Clock.h"

#include <QPoint>
#include <QRect>

#include <optional>

// The overlay window's pointer rules, free of any window: entering needs the hover strip, staying inside only
// the larger expanded area; sideways precise scrolling over the overlay adds up to a swipe, with a quiet time
// after each swipe.
class OverlayPointerTracker {
public:
    enum class Event { none, mouseEntered, mouseExited, swipeLeft, swipeRight };

    static constexpr double swipeThreshold = 50;
    static constexpr double swipeCooldownSeconds = 0.6;

    explicit OverlayPointerTracker(const QRect& frame = {}) : m_frame(frame) {}

    void setFrame(const QRect& frame) { m_frame = frame; }
    void setHoverZone(std::optional<QRect> zone) { m_hoverZone = zone; }
    void setExpandedZone(std::optional<QRect> zone) { m_expandedZone = zone; }

    bool isMouseInside() const { return m_isMouseInside; }
    bool isInteractive() const { return m_isInteractive; }
    void setInteractive(bool interactive) { m_isInteractive = interactive; }
    double scrollAccumulator() const { return m_scrollAccumulator; }

    // The pointer is at `position` (screen coordinates): returns the crossing it makes, if any.
    Event pointerMoved(const QPoint& position);
    // One scroll step at monotonic time `now`: returns the swipe it completes, if any.
    Event scrolled(const ScrollDelta& delta, MonotonicTime now);

    // The rectangle that entering needs and the one that staying inside needs.
    QRect effectiveHoverZone() const { return m_hoverZone.value_or(m_frame); }
    QRect effectiveExpandedZone() const { return m_expandedZone.value_or(m_frame); }

private:
    QRect m_frame;
    std::optional<QRect> m_hoverZone;
    std::optional<QRect> m_expandedZone;
    bool m_isMouseInside = false;
    bool m_isInteractive = false;
    double m_scrollAccumulator = 0;
    std::optional<MonotonicTime> m_lastSwipeTime; // none: the distant past
};
