#pragma once

#include "RawValue.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

// What the menu-bar item shows.
enum class MenuBarDisplayMode { scoreOnly, scoreWithLogos, iconOnly, teamAbbreviation, compact };

QString rawValue(MenuBarDisplayMode mode);
template <>
std::optional<MenuBarDisplayMode> fromRawValue<MenuBarDisplayMode>(QStringView raw);
// Every mode in menu order.
const QList<MenuBarDisplayMode>& allMenuBarDisplayModes();
