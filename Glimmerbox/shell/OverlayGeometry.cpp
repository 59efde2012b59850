#include "OverlayGeometry.h"

OverlayGeometry OverlayGeometry::forScreen(const std::optional<QRect>& screen) {
    OverlayGeometry geometry;
    if (!screen) {
        geometry.window = QRect(0, 0, windowWidth, windowHeight);
        geometry.expandedZone = geometry.window;
        return geometry;
    }
    // QRect::center() works from right(), the last pixel, which is one short of the middle of an even width.
    const int midX = screen->left() + screen->width() / 2;
    const int top = screen->top();
    geometry.window = QRect(midX - windowWidth / 2, top, windowWidth, windowHeight);
    geometry.hoverZone = QRect(midX - hoverWidth / 2, top - hoverOverhang, hoverWidth, hoverHeight);
    geometry.expandedZone = geometry.window;
    return geometry;
}
