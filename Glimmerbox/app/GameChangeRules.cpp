#include "GameChangeRules.h"

#include "model/UserPreferences.h"

#include <QRegularExpression>

#include <cstdlib>
#include <optional>

namespace {

std::optional<int> minuteOfDay(const QDateTime& dateTime) {
    if (!dateTime.isValid())
        return std::nullopt;
    const QTime time = dateTime.toLocalTime().time();
    return time.hour() * 60 + time.minute();
}

} // namespace

bool involvesTeam(const Game& game, const QSet<QString>& teamIds) {
    return teamIds.contains(game.homeTeam.id) || teamIds.contains(game.awayTeam.id);
}

bool isCloseLiveGame(const Game& game) {
    return game.isLive() && std::abs(game.homeScore - game.awayScore) <= closeGameMargin;
}

bool periodNamesOvertime(const QString& period) {
    static const QRegularExpression separators(QStringLiteral("[^\\p{L}\\p{N}]+"));
    static const QRegularExpression overtimeToken(QStringLiteral("^(\\d*ot\\d*|overtime)$"));
    const QStringList words = period.toLower().split(separators, Qt::SkipEmptyParts);
    for (const QString& word : words) {
        if (overtimeToken.match(word).hasMatch())
            return true;
    }
    return false;
}

bool isLiveInOvertime(const Game& game) {
    return game.isLive() && game.period && periodNamesOvertime(*game.period);
}

bool isInQuietHours(const UserPreferences& preferences, const QDateTime& now) {
    if (!preferences.quietHoursEnabled())
        return false;
    const auto current = minuteOfDay(now);
    const auto start = minuteOfDay(preferences.quietHoursStart());
    const auto end = minuteOfDay(preferences.quietHoursEnd());
    if (!current || !start || !end)
        return false;
    if (*start < *end)
        return *start <= *current && *current < *end;
    return *current >= *start || *current < *end;
}
