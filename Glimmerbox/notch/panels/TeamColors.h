#pragma once

#include <QColor>
#include <QString>

#include <optional>

// A colour from hexadecimal text: "F80" (each digit doubled), "FF8800", or "80FF8800" with alpha first.
// Non-alphanumeric characters at either end are ignored ("#fff " reads as "fff"); the digits are read up to
// the first one that is not hexadecimal, and the length of the text chooses the form. Other lengths give
// nothing.
std::optional<QColor> colorFromHex(const QString& text);

// The team colour or the neutral grey a team without a readable colour gets.
QColor teamColorOrGrey(const QString& hexText);

// Colours too dark to read on the overlay's black, lightened: the same hue and alpha, saturation at most
// 0.85 and brightness at least 0.55. Others come back unchanged.
QColor adjustedForContrast(const QColor& color);

// Gold, silver and bronze behind the first three racing positions; half-transparent white for the rest.
QColor positionBadgeColor(int position);
