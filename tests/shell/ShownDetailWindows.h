#pragma once

#include "popover/detail/GameDetailView.h"

#include <QApplication>
#include <QList>
#include <QString>

// The game-detail windows on screen, in the order they were made.
inline QList<GameDetailView*> visibleDetailWindows() {
    QList<GameDetailView*> windows;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        if (auto* detail = qobject_cast<GameDetailView*>(widget); detail && detail->isVisible())
            windows.append(detail);
    }
    return windows;
}

// The window on screen that shows the game `gameId`, or nothing.
inline GameDetailView* detailWindowOf(const QString& gameId) {
    for (GameDetailView* window : visibleDetailWindows()) {
        if (window->gameId() == gameId)
            return window;
    }
    return nullptr;
}
