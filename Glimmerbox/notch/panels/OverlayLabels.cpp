#include "notch/panels/OverlayLabels.h"

#include <QLocale>

QString gameTimeLabel(const QDateTime& date, const QDateTime& now, const QTimeZone& zone,
                      const QLocale& locale) {
    const QDateTime local = date.toTimeZone(zone);
    const QDate day = local.date();
    const QDate today = now.toTimeZone(zone).date();
    const QString time = locale.toString(local.time(), QStringLiteral("h:mm AP"));
    if (day == today)
        return QStringLiteral("Today @ ") + time;
    if (day == today.addDays(1))
        return QStringLiteral("Tomorrow @ ") + time;
    if (day == today.addDays(-1))
        return QStringLiteral("Yesterday");
    const QString dayText = locale.toString(day, QStringLiteral("MMM d"));
    if (date < now)
        return dayText;
    return dayText + QStringLiteral(" @ ") + time;
}

std::chrono::milliseconds untilNextDay(const QDateTime& now, const QTimeZone& zone) {
    const QDateTime there = now.toTimeZone(zone);
    const QDateTime nextDay(there.date().addDays(1), QTime(0, 0), zone);
    return std::chrono::milliseconds(std::max<qint64>(1, there.msecsTo(nextDay)));
}

QString driverIntervalLabel(qint64 position) {
    if (position == 1)
        return QStringLiteral("Leader");
    return QStringLiteral("+%1 pos").arg(position - 1);
}

QString timeOfDayText(const QDateTime& date, const QTimeZone& zone, const QLocale& locale) {
    // The locale's short time, without the seconds some locales put in it.
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QStringLiteral(":ss"));
    format.remove(QStringLiteral(".ss"));
    return locale.toString(date.toTimeZone(zone).time(), format);
}
