#include "notch/window/OverlayPointerTracker.h"

#include <cmath>

OverlayPointerTracker::Event OverlayPointerTracker::pointerMoved(const QPoint& position) {
    const bool inHover = effectiveHoverZone().contains(position);
    if (m_isMouseInside) {
        if (inHover || effectiveExpandedZone().contains(position))
            return Event::none;
        m_isMouseInside = false;
        m_scrollAccumulator = 0;
        return Event::mouseExited;
    }
    if (!inHover)
        return Event::none;
    m_isMouseInside = true;
    return Event::mouseEntered;
}

OverlayPointerTracker::Event OverlayPointerTracker::scrolled(const ScrollDelta& delta, MonotonicTime now) {
    if (!m_isMouseInside || m_isInteractive)
        return Event::none;
    // A notched wheel never swipes.
    if (!delta.precise)
        return Event::none;
    if (!(std::abs(delta.dx) > std::abs(delta.dy)))
        return Event::none;
    // Inside the quiet time after a swipe the scrolling is dropped and does not build up.
    if (m_lastSwipeTime && now - *m_lastSwipeTime < std::chrono::duration<double>(swipeCooldownSeconds)) {
        m_scrollAccumulator = 0;
        return Event::none;
    }
    m_scrollAccumulator += delta.dx;
    if (m_scrollAccumulator > swipeThreshold) {
        m_lastSwipeTime = now;
        m_scrollAccumulator = 0;
        return Event::swipeRight;
    }
    if (m_scrollAccumulator < -swipeThreshold) {
        m_lastSwipeTime = now;
        m_scrollAccumulator = 0;
        return Event::swipeLeft;
    }
    return Event::none;
}
