#pragma once

#include "notch/state/OverlayPresenter.h"

#include <QColor>
#include <QDateTime>
#include <QPointF>

class QPainter;

// What the overlay's gallery states share across files.

// The moment the overlay states are rendered at.
inline const QDateTime galleryNow(QDate(2026, 3, 14), QTime(18, 0), Qt::LocalTime);

// A desktop behind the black panel.
inline const QColor galleryDesktop{0x5a, 0x6b, 0x7c};

// A race as the service lists it: the event itself stands on both sides.
Game galleryRace(const QString& id, const Team& event, GameStatus status, const QString& venue);

// The bar showing `game`, with no pointer over it.
OverlayInputs barShowing(const Game& game);

// A plain arrow pointer with its tip at `tip`, to show where the pointer rests.
void paintPointer(QPainter& painter, const QPointF& tip);
