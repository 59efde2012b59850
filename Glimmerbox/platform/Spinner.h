#pragma once

#include <QColor>
#include <QDateTime>
#include <QRectF>

class QPainter;

// The busy indicator: an arc that turns once a second. Views repaint it through a SpinnerTicker, which runs
// only while something is loading.
void paintSpinner(QPainter& painter, const QRectF& rect, double turn, const QColor& color);

// The arc's position (0 to 1) at `now`, so that every spinner on screen turns in step.
double spinnerTurn(const QDateTime& now);

// How often a visible spinner repaints.
inline constexpr int spinnerFrameMs = 50;
