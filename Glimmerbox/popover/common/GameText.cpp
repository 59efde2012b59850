#include "popover/common/GameText.h"

#include <QRegularExpression>

#include <algorithm>
#include <array>
#include <cmath>

namespace gametext {

QString ordinal(qint64 number) {
    const QString digits = QString::number(number);
    if (number < 0)
        return digits + QStringLiteral("th");
    const qint64 lastTwo = number % 100;
    if (lastTwo >= 11 && lastTwo <= 13)
        return digits + QStringLiteral("th");
    switch (number % 10) {
    case 1:
        return digits + QStringLiteral("st");
    case 2:
        return digits + QStringLiteral("nd");
    case 3:
        return digits + QStringLiteral("rd");
    default:
        return digits + QStringLiteral("th");
    }
}

QString plainDecimal(double value) {
    QString text = QString::number(value, 'g', QLocale::FloatingPointShortest);
    const bool wholeDigits =
        std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit() || c == u'-'; });
    if (wholeDigits)
        text += QStringLiteral(".0");
    return text;
}

QString spreadText(double spread, const std::optional<QString>& favorite) {
    return favorite.value_or(QString()) + u' ' + (spread > 0 ? QStringLiteral("+") : QString()) +
           plainDecimal(spread);
}

namespace {

// The locale's short time form without seconds (some locales' short form still carries them).
QString shortTime(const QTime& time, const QLocale& locale) {
    QString format = locale.timeFormat(QLocale::ShortFormat);
    format.remove(QStringLiteral(":ss"));
    return locale.toString(time, format);
}

// The locale's abbreviated date: its long form without the weekday and with the month's short name
// ("Mar 14, 2026", "14. März 2026", "14 mars 2026").
QString abbreviatedDate(const QDate& date, const QLocale& locale) {
    QString format = locale.dateFormat(QLocale::LongFormat);
    static const QRegularExpression weekday(QStringLiteral("^dddd[,\\s]*|[,\\s]*dddd$"));
    format.remove(weekday);
    format.replace(QStringLiteral("MMMM"), QStringLiteral("MMM"));
    return locale.toString(date, format.trimmed());
}

} // namespace

QString timeText(const QDateTime& moment, const QLocale& locale) {
    return shortTime(moment.toLocalTime().time(), locale);
}

QString dateTimeText(const QDateTime& moment, const QLocale& locale) {
    const QDateTime local = moment.toLocalTime();
    return abbreviatedDate(local.date(), locale) + QStringLiteral(", ") + shortTime(local.time(), locale);
}

QString relativeText(const QDateTime& moment, const QDateTime& now) {
    struct Unit {
        qint64 seconds;
        const char* one;
        const char* many;
    };
    // Largest first; months and years as the calendar's average lengths.
    static constexpr std::array<Unit, 7> units{{
        {31536000, "yr.", "yr."},
        {2592000, "mo.", "mo."},
        {604800, "wk.", "wk."},
        {86400, "day", "days"},
        {3600, "hr.", "hr."},
        {60, "min.", "min."},
        {1, "sec.", "sec."},
    }};
    const qint64 offset = now.secsTo(moment);
    const qint64 distance = std::abs(offset);
    const Unit* chosen = &units.back();
    for (const Unit& unit : units) {
        if (distance >= unit.seconds) {
            chosen = &unit;
            break;
        }
    }
    const qint64 count = distance / chosen->seconds;
    const QString amount =
        QString::number(count) + u' ' + QLatin1StringView(count == 1 ? chosen->one : chosen->many);
    return offset > 0 ? QStringLiteral("in ") + amount : amount + QStringLiteral(" ago");
}

} // namespace gametext
