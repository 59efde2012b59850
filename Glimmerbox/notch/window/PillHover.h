#pragma once

#include <QPointF>
#include <QRectF>

#include <optional>

// Whether the pointer rests on a pill it moved onto. A pill that appears or slides under a pointer standing
// still is not hovered, so a pill that acts on a rest never acts on a pointer that did not come to it; the
// pointer has to reach the pill from outside.
class PillHover {
public:
    enum class Change { none, entered, left };

    // The pointer is at `position` and the pill at `pill` (empty: absent), in the same coordinates.
    Change pointerMoved(const QPointF& position, const QRectF& pill);
    // The pill appeared, moved or went while the pointer stayed where it was.
    Change pillMoved(const QRectF& pill);

    bool isHovered() const { return m_isHovered; }

private:
    std::optional<QPointF> m_pointer; // none until the pointer is first seen
    bool m_isHovered = false;
};
