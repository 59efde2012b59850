#pragma once

#include <QIcon>

// The tray icon: the "sportscourt.fill" symbol in white with a dark rim, legible on light and dark panels.
namespace StatusIcon {
inline constexpr QLatin1StringView symbol{"sportscourt.fill"};
QIcon icon();
} // namespace StatusIcon
