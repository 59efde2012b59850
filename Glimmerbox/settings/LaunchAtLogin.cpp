#include "LaunchAtLogin.h"

#include "platform/Logging.h"
#include "platform/desktop/Autostart.h"

std::optional<QString> setLaunchAtLogin(Autostart& autostart, bool enabled) {
    std::optional<QString> failure = autostart.setEnabled(enabled);
    if (failure)
        qCCritical(generalLogger).noquote() << "Failed to update launch at login: " + *failure;
    return failure;
}
