#pragma once

#include <QByteArray>
#include <QProcessEnvironment>

#include <optional>

// The overlay follows the global pointer and places itself at the top of the screen, which Wayland does not
// allow; on a Wayland session the application therefore runs on XWayland.
namespace displaysession {

// The Qt platform to force for this environment: "xcb" on a Wayland session with an X display, unless the
// user chose a platform through QT_QPA_PLATFORM.
std::optional<QByteArray> platformOverride(const QProcessEnvironment& environment);

// Applies platformOverride() to the process environment; call before creating the QApplication.
void preferX11();

} // namespace displaysession
