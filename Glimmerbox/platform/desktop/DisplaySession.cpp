#include "platform/desktop/DisplaySession.h"

#include <cstdio>

namespace displaysession {

std::optional<QByteArray> platformOverride(const QProcessEnvironment& environment) {
    if (!environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty())
        return std::nullopt;
    const bool wayland = environment.value(QStringLiteral("XDG_SESSION_TYPE")) == QLatin1String("wayland") ||
                         !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty();
    if (!wayland || environment.value(QStringLiteral("DISPLAY")).isEmpty())
        return std::nullopt;
    return QByteArrayLiteral("xcb");
}

void preferX11() {
    const QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    if (const std::optional<QByteArray> platform = platformOverride(environment)) {
        qputenv("QT_QPA_PLATFORM", *platform);
    } else if (environment.value(QStringLiteral("QT_QPA_PLATFORM")).isEmpty() &&
               !environment.value(QStringLiteral("WAYLAND_DISPLAY")).isEmpty()) {
        // No logging categories before the application exists; stderr is what a user sees here.
        std::fputs(
            "Glimmerbox: Wayland session without XWayland (DISPLAY unset); the overlay may be misplaced\n",
            stderr);
    }
}

} // namespace displaysession
