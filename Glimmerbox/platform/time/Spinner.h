#pragma once

#include <QColor>
#include <QRectF>

class Clock;
class QPainter;

// The busy indicator: an arc that turns once a second. Views repaint it through a SpinnerTicker, which runs
// only while something is loading.
void paintSpinner(QPainter& painter, const QRectF& rect, double turn, const QColor& color);

// The arc's position (0 to 1) now, so that every spinner on screen turns in step. Read on the monotonic
// clock: a wall clock set back or forward does not jolt it.
double spinnerTurn(const Clock& clock);

// How often a visible spinner repaints.
inline constexpr int spinnerFrameMs = 50;
