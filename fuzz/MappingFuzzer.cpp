// Feeds one input to every reply mapping and to the shared parsers. A crash, a hang, a sanitizer report or
// an out-of-bounds read on any input is a fault.
#include "model/League.h"
#include "service/ScoresMapping.h"
#include "service/SharedParsers.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>

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

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QByteArray body(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const QDateTime now(QDate(2026, 9, 13), QTime(18, 0), Qt::UTC);

    for (const League& league : leaguesOfEverySport())
        (void)parseScoreboard(body, league, now);
    (void)parseSummary(body, leaguesOfEverySport().first(), QStringLiteral("401772830"), now);
    (void)parseTopScorers(body);
    (void)parseTeams(body, leaguesOfEverySport().first());

    const QString text = QString::fromUtf8(body);
    (void)parseDate(text);
    const qsizetype middle = text.size() / 2;
    (void)mapGameStatus(QStringView(text).first(middle), QStringView(text).sliced(middle));
    return 0;
}
