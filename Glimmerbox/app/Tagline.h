#pragma once

#include <QString>

// What the application is, in two sentences: the About window shows them on two lines, the welcome window's
// first page as one paragraph. The scores sit in the overlay bar at the top of the screen (not in the tray),
// in the words of the welcome's last page. Each line must fit the About window's 260 pixels.
namespace tagline {
inline const QString scores = QStringLiteral("Live sports scores at the top of your screen.");
inline const QString manner = QStringLiteral("Always glanceable, never intrusive.");
} // namespace tagline
