#pragma once

#include "model/Game.h"

#include <QHash>
#include <QString>

#include <functional>

class QWidget;

// The heights of the popover's game rows before they are built, so that a long list places its rows
// without building them. A row's height follows from which of its parts it shows (records, broadcast,
// the status badge, a race's leader and flag), never from the lengths of its texts: one row of each such
// shape is built and measured, and the others of that shape take its height.
class GameRowHeights {
public:
    // Builds a row for `game` (unshown) under the widget the list's rows go to.
    using BuildRow = std::function<QWidget*(const Game& game)>;

    explicit GameRowHeights(BuildRow build) : m_build(std::move(build)) {}

    int heightOf(const Game& game);

    // What decides a row's height: games of one shape have rows of one height.
    static QString shapeOf(const Game& game);

private:
    BuildRow m_build;
    QHash<QString, int> m_heights;
};

// The height a widget asks for once polished; the widget is deleted.
int measuredHeight(QWidget* sample);
