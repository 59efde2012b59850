#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

#include <optional>

// The small texts the popover and the detail panel write about a game.
namespace gametext {

// "1st", "2nd", "3rd", "4th", "11th", "21st", "111th"; a negative number always takes "th".
QString ordinal(qint64 number);

// The shortest text that reads back as the same number, with at least one fractional digit: 3 → "3.0",
// 3.5 → "3.5", -3 → "-3.0".
QString plainDecimal(double value);

// The favourite (empty when none), a blank, a plus sign for a positive spread, then the spread:
// "BOS +3.5", " -2.5".
QString spreadText(double spread, const std::optional<QString>& favorite);

// The start time alone, in the local time zone and the locale's short time form ("7:30 PM").
QString timeText(const QDateTime& moment, const QLocale& locale = QLocale());

// The locale's abbreviated date and short time, local time zone ("Mar 14, 2026, 7:30 PM",
// "14. März 2026, 19:30").
QString dateTimeText(const QDateTime& moment, const QLocale& locale = QLocale());

// How long ago (or how far ahead) `moment` is from `now`, in the largest whole unit, abbreviated:
// "12 sec. ago", "2 min. ago", "1 hr. ago", "3 days ago", "in 5 min.".
QString relativeText(const QDateTime& moment, const QDateTime& now);

} // namespace gametext
