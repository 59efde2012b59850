#pragma once

#include "Clock.h"

#include <QColor>
#include <QDateTime>
#include <QRectF>

class QPainter;
class QWidget;

// The busy indicator: an arc that turns once a second. Views repaint it from a timer that runs only while
// something is loading.
void paintSpinner(QPainter& painter, const QRectF& rect, double turn, const QColor& color);

// The arc's position (0 to 1) at `now`, so that every spinner on screen turns in step.
double spinnerTurn(const QDateTime& now);

// How often a visible spinner repaints.
inline constexpr int spinnerFrameMs = 50;

// Repaints `widget` at the spinner's pace through `timer` while `turning`, and stops the timer otherwise.
void keepSpinnerTurning(ClockTimerPtr& timer, bool turning, Clock& clock, QWidget* widget);
