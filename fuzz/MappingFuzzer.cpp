// Feeds one input to every reply mapping and to the shared parsers. A crash, a hang, a sanitizer report or
// an out-of-bounds read on any input is a fault, and so is a scoreboard that maps event by event otherwise
// than its whole parse does, and a mapped text over its kind's length or with more than thirty combining
// marks in a row.
#include "MappedTexts.h"
#include "WholeScoreboardParse.h"
#include "model/League.h"
#include "service/ScoresMapping.h"
#include "service/SharedParsers.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QUuid>

#include <cstddef>
#include <cstdint>

namespace {

// One league of each sport, so that every event shape is tried.
const QList<League>& leaguesOfEverySport() {
    static const QList<League> leagues = [] {
        QList<League> result;
        for (const char* id : {"nfl", "nba", "mlb", "nhl", "epl", "f1", "pga", "atp", "ufc", "ipl"})
            result.append(League::withId(QString::fromLatin1(id)).value());
        return result;
    }();
    return leagues;
}

// A team sent without an id is given a random one; two mappings of it can only agree on the rest.
QList<Game> withoutMadeUpIds(QList<Game> games) {
    for (Game& game : games) {
        for (Team* team : {&game.homeTeam, &game.awayTeam}) {
            if (!QUuid::fromString(team->id).isNull())
                team->id.clear();
        }
    }
    return games;
}

// Mapping event by event must give exactly what parsing the whole reply gives, games or error.
void checkSlicedAgainstWhole(const QByteArray& body, const QDateTime& now) {
    static const League league = League::withId(QStringLiteral("nfl")).value();
    const ServiceResult<QList<Game>> mapped = parseScoreboard(body, league, now);
    const ServiceResult<QList<Game>> whole = scoreboardParsedWhole(body, league, now);
    const bool same = mapped.ok() == whole.ok() &&
                      (whole.ok() ? withoutMadeUpIds(mapped.value()) == withoutMadeUpIds(whole.value())
                                  : mapped.error() == whole.error());
    if (!same)
        __builtin_trap();
}

// A mapping's texts are bounded as they are read, whatever the reply.
template <typename T>
void checkBounded(const ServiceResult<T>& result) {
    if (!result.ok())
        return;
    mappedtexts::Texts texts;
    mappedtexts::collect(result.value(), texts);
    if (!mappedtexts::allBounded(texts))
        __builtin_trap();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QDateTime now(QDate(2026, 9, 13), QTime(18, 0), Qt::UTC);

    for (const League& league : leaguesOfEverySport())
        checkBounded(parseScoreboard(body, league, now));
    checkSlicedAgainstWhole(body, now);
    checkBounded(parseSummary(body, leaguesOfEverySport().first(), QStringLiteral("401772830"), now));
    checkBounded(parseTopScorers(body));
    checkBounded(parseTeams(body, leaguesOfEverySport().first()));

    const QString text = QString::fromUtf8(body);
    (void)parseDate(text);
    const qsizetype middle = text.size() / 2;
    (void)mapGameStatus(QStringView(text).first(middle), QStringView(text).sliced(middle));
    return 0;
}
