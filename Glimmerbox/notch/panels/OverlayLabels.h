#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>
#include <QTimeZone>

#include <chrono>

// Short texts the overlay's panels share.

// A start time relative to `now`, by the days of `zone`: "Today @ 7:30 PM", "Tomorrow @ 7:30 PM",
// "Yesterday", "Mar 12" for an earlier day, "Mar 19 @ 7:30 PM" for a later one.
QString gameTimeLabel(const QDateTime& date, const QDateTime& now,
                      const QTimeZone& zone = QTimeZone::systemTimeZone(), const QLocale& locale = QLocale());

// How long from `now` until the next day begins in `zone`, when labels such as "Today @ …" change.
std::chrono::milliseconds untilNextDay(const QDateTime& now,
                                       const QTimeZone& zone = QTimeZone::systemTimeZone());

// The interval column of a race row: "Leader" for position 1, else "+N pos" with N = position - 1.
QString driverIntervalLabel(qint64 position);

// A start time as a time of day in `zone`, in the short time format of `locale` without seconds.
QString timeOfDayText(const QDateTime& date, const QTimeZone& zone = QTimeZone::systemTimeZone(),
                      const QLocale& locale = QLocale());
