#include "notch/window/PillHover.h"

PillHover::Change PillHover::pointerMoved(const QPointF& position, const QRectF& pill) {
    if (m_pointer && *m_pointer == position)
        return pillMoved(pill);
    const bool cameFromOutside = !m_pointer || !pill.contains(*m_pointer);
    m_pointer = position;
    const bool inside = pill.contains(position);
    if (inside && !m_isHovered && cameFromOutside) {
        m_isHovered = true;
        return Change::entered;
    }
    if (!inside && m_isHovered) {
        m_isHovered = false;
        return Change::left;
    }
    return Change::none;
}

PillHover::Change PillHover::pillMoved(const QRectF& pill) {
    if (!m_isHovered || (m_pointer && pill.contains(*m_pointer)))
        return Change::none;
    m_isHovered = false;
    return Change::left;
}
