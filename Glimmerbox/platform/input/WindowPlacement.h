#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QWidget;

// How the application's ordinary windows (settings, About, onboarding, game detail) appear.
namespace windowplacement {

// Makes `window` a titled top-level window of exactly `contentSize` with a close button (and a minimise
// button when asked), that hides rather than being destroyed when closed.
void makeTitledWindow(QWidget* window, const QString& title, QSize contentSize, bool minimizable = false);

// Centres the window on the primary screen's available area.
void centerOnScreen(QWidget* window);

// Where a new window whose frame measures `frame` opens in `area` (its frame's top left corner), `open` being
// the frame corners of the windows already open. The places of the cascade: centred on the area, then down
// and to the right, a title bar's height at a time, as long as the frame stays within the area; after those,
// beside the centred place, a step at a time to the right and then to the left, within the area too. The
// window takes the first place where no open window has its corner, so that it never opens exactly over one
// of them; with every place taken the cascade starts again from the first place.
QPoint cascadePlace(const QRect& area, QSize frame, const QList<QPoint>& open);

// Moves the window to its place of the cascade (see cascadePlace) on the primary screen's available area,
// among the visible windows of `others`, its frame counted in.
void centerClearOf(QWidget* window, const QList<QWidget*>& others);

// Shows the window (restoring it when minimised), brings it to the front and asks for the keyboard focus.
void present(QWidget* window);

// A new titled window (see makeTitledWindow) whose whole area is `content`, centred on the screen, not yet
// shown.
std::unique_ptr<QWidget> hostInWindow(QWidget* content, const QString& title, QSize contentSize,
                                      bool minimizable = false);

// The controllers' rule for their one window: a visible window in `slot` is brought to the front; otherwise
// `build` makes a fresh one, which is shown and replaces the old one (a closed window is never reopened).
void presentOrReplace(std::unique_ptr<QWidget>& slot, const std::function<std::unique_ptr<QWidget>()>& build);

} // namespace windowplacement
