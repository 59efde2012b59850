#include "notch/panels/RaceStandingsContent.h"

#include "notch/panels/OverlayLabels.h"

namespace {

RaceStandingsContent::Header raceHeader(const Game& game, const QDateTime& now) {
    using Header = RaceStandingsContent::Header;
    Header header;
    const QList<RaceDriver> drivers = game.raceStandings.value_or(QList<RaceDriver>{});
    if (game.isLive()) {
        header.kind = Header::Kind::live;
        header.period = game.period;
    } else if (game.status == GameStatus::final_ && !drivers.isEmpty()) {
        header.kind = Header::Kind::winner;
        header.winnerShortName = drivers.first().shortName;
    } else {
        header.kind = Header::Kind::startTime;
        header.timeLabel = gameTimeLabel(game.startTime, now);
    }
    return header;
}

} // namespace

RaceStandingsContent::DriverRow RaceStandingsContent::makeRow(const RaceDriver& driver) {
    return {driver, QString::number(driver.position), driver.position < 4,
            driverIntervalLabel(driver.position)};
}

RaceStandingsContent RaceStandingsContent::make(const Game& game, const QDateTime& now) {
    RaceStandingsContent content;
    content.header = raceHeader(game, now);
    const QList<RaceDriver> drivers = game.raceStandings.value_or(QList<RaceDriver>{});
    for (qsizetype i = 0; i < drivers.size(); ++i) {
        QList<DriverRow>& rows = i < expandedDriverCount ? content.expandedRows : content.deepRows;
        rows.append(makeRow(drivers[i]));
    }
    return content;
}
