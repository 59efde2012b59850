#pragma once

#include <QLabel>
#include <QString>

// A tab's text for having nothing to show, in the secondary colour across the full width.
QLabel* emptyTabText(const QString& text, QWidget* parent);
