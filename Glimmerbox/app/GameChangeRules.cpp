#include "GameChangeRules.h"

#include "model/UserPreferences.h"

#include <algorithm>
#include <cstdlib>
#include <optional>

namespace {

std::optional<int> minuteOfDay(const QDateTime& dateTime) {
    if (!dateTime.isValid())
        return std::nullopt;
    const QTime time = dateTime.toLocalTime().time();
    return time.hour() * 60 + time.minute();
}

// "ot", "2ot", "ot2", "overtime": digits, then "ot", then digits; or the whole word.
bool isOvertimeWord(const QList<uint>& word) {
    static const QList<uint> overtime = QStringLiteral("overtime").toUcs4();
    if (word == overtime)
        return true;
    const auto isDigit = [](uint codePoint) { return QChar::isDigit(codePoint); };
    const auto marker = std::find_if_not(word.cbegin(), word.cend(), isDigit);
    if (word.cend() - marker < 2 || marker[0] != u'o' || marker[1] != u't')
        return false;
    return std::all_of(marker + 2, word.cend(), isDigit);
}

} // namespace

bool involvesTeam(const Game& game, const QSet<QString>& teamIds) {
    return namesTeam(teamIds, game.homeTeam) || namesTeam(teamIds, game.awayTeam);
}

bool isCloseLiveGame(const Game& game) {
    return game.isLive() && std::abs(game.homeScore - game.awayScore) <= closeGameMargin;
}

// Walked by hand: this runs at every refresh, and a regular expression would keep the pages of its engine in
// memory for this alone.
bool periodNamesOvertime(const QString& period) {
    QList<uint> word;
    for (const uint codePoint : period.toLower().toUcs4()) {
        if (QChar::isLetter(codePoint) || QChar::isNumber(codePoint)) {
            word.append(codePoint);
            continue;
        }
        if (isOvertimeWord(word))
            return true;
        word.clear();
    }
    return isOvertimeWord(word);
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
