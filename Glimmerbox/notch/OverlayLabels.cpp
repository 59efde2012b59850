#include "OverlayLabels.h"

#include <QLocale>

QString gameTimeLabel(const QDateTime& date, const QDateTime& now) {
    const QLocale locale;
    const QDateTime local = date.toLocalTime();
    const QDate day = local.date();
    const QDate today = now.toLocalTime().date();
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

QString driverIntervalLabel(qint64 position) {
    if (position == 1)
        return QStringLiteral("Leader");
    return QStringLiteral("+%1 pos").arg(position - 1);
}

QString timeOfDayText(const QDateTime& date) {
    // The locale's short time, without the seconds some locales put in it.
    const QLocale locale;
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QStringLiteral(":ss"));
    format.remove(QStringLiteral(".ss"));
    return locale.toString(date.toLocalTime().time(), format);
}
