#pragma once

#include <QDateTime>
#include <QString>

// Short texts the overlay's panels share.

// A start time relative to `now`, in local time: "Today @ 7:30 PM", "Tomorrow @ 7:30 PM", "Yesterday",
// "Mar 12" for an earlier day, "Mar 19 @ 7:30 PM" for a later one.
QString gameTimeLabel(const QDateTime& date, const QDateTime& now);

// The interval column of a race row: "Leader" for position 1, else "+N pos" with N = position - 1.
QString driverIntervalLabel(qint64 position);

// A start time as a time of day in the user's locale (its short time format), local time.
QString timeOfDayText(const QDateTime& date);
