#pragma once

class QWindow;

namespace x11hints {

// Asks the window manager to show `window` on every virtual desktop (_NET_WM_DESKTOP = all). Does nothing
// off X11 or without the xcb libraries.
void showOnAllDesktops(QWindow* window);

} // namespace x11hints
