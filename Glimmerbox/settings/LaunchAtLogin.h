#pragma once

#include <QString>

#include <optional>

class Autostart;

// Registers or removes the login item; a failure is logged, with the autostart's own description, and
// returned.
std::optional<QString> setLaunchAtLogin(Autostart& autostart, bool enabled);
