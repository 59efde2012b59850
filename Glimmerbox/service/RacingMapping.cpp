#include "RacingMapping.h"

#include "MappingSupport.h"
#include "platform/JsonRead.h"

#include <QTextBoundaryFinder>

#include <algorithm>

using namespace Qt::Literals::StringLiterals;

namespace {

const QString homeColor = u"FF1801"_s;
const QString awayColor = u"0090D0"_s;
const QString white = u"FFFFFF"_s;

// The weekend's session that decides the result; practice and qualifying are not games.
std::optional<QJsonObject> raceCompetition(const QJsonArray& competitions) {
    for (const QJsonValue& value : competitions) {
        const QJsonObject competition = value.toObject();
        if (mapping::textAtPath(competition, {"type"_L1}, "abbreviation"_L1, field::label) == u"Race"_s)
            return competition;
    }
    return std::nullopt;
}

Team driverTeam(const RaceDriver& driver, const QString& primaryColor, const League& league) {
    return Team{driver.id,   driver.name, driver.shortName, driver.shortName,
                driver.name, league,      driver.flagURL,   primaryColor,
                white,       std::nullopt};
}

// The first `count` characters as a reader sees them (never half a surrogate pair or accent).
QString leadingCharacters(const QString& text, int count) {
    QTextBoundaryFinder finder(QTextBoundaryFinder::Grapheme, text);
    qsizetype end = 0;
    for (int i = 0; i < count; ++i) {
        const qsizetype next = finder.toNextBoundary();
        if (next < 0)
            break;
        end = next;
    }
    return text.left(end);
}

// Sides for a race with fewer than two named drivers: the event against the series.
std::pair<Team, Team> placeholderSides(const QString& eventId, const QString& eventName,
                                       const League& league) {
    const QString series = u"F1"_s;
    // The event's id and the side's mark, within the bound of an id.
    const QString sideId = graphemesWithin(eventId, field::label.maxLength - 2);
    Team home{sideId + u"_h"_s, eventName, leadingCharacters(eventName, 3).toUpper(),
              eventName,        eventName, league,
              std::nullopt,     homeColor, white,
              std::nullopt};
    Team away{sideId + u"_a"_s, u"Formula 1"_s, series,    series, series,
              league,           std::nullopt,   homeColor, white,  std::nullopt};
    return {std::move(home), std::move(away)};
}

// A racing competitor; nothing when its athlete has no display name.
std::optional<RaceDriver> parseRaceDriver(const QJsonObject& competitor) {
    const QJsonObject athlete = json::object(competitor, "athlete"_L1).value_or(QJsonObject());
    RaceDriver driver;
    driver.name = json::text(athlete, "displayName"_L1, field::label, QString());
    if (driver.name.isEmpty())
        return std::nullopt;
    if (std::optional<QString> id =
            mapping::firstTextAmong({{athlete, "id"_L1}, {competitor, "id"_L1}}, field::label))
        driver.id = std::move(*id);
    else
        driver.id = mapping::randomId();
    driver.position = json::integer(competitor, "order"_L1).value_or(0);
    driver.shortName = json::text(athlete, "shortName"_L1, field::label, driver.name);
    driver.flagURL =
        mapping::urlFromText(mapping::textAtPath(athlete, {"flag"_L1}, "href"_L1, field::address));
    driver.isWinner = json::boolean(competitor, "winner"_L1).value_or(false);
    return driver;
}

std::optional<Game> parseRace(const QJsonObject& event, const League& league, const QDateTime& now) {
    std::optional<QString> id = json::text(event, "id"_L1, field::label);
    if (!id)
        return std::nullopt;
    const std::optional<QJsonArray> competitions = mapping::objectList(event, "competitions"_L1);
    if (!competitions)
        return std::nullopt;
    const QString eventName =
        mapping::firstTextAmong({{event, "shortName"_L1}, {event, "name"_L1}}, field::label)
            .value_or(u"Race"_s);
    const std::optional<QJsonObject> race = raceCompetition(*competitions);
    if (!race)
        return std::nullopt;

    Game game;
    mapping::StatusTexts status = mapping::readStatus(*race);
    game.status = status.status;
    game.period = std::move(status.shortDetail);
    std::optional<QDateTime> startTime = mapping::startTimeAmong({{*race, "date"_L1}, {event, "date"_L1}});
    if (!startTime)
        return std::nullopt;
    game.startTime = std::move(*startTime);
    game.broadcast = mapping::firstBroadcastName(*race);
    game.venue = mapping::textAtPath(event, {"circuit"_L1}, "fullName"_L1, field::label);
    if (!game.venue)
        game.venue = mapping::venueName(*race);

    QList<RaceDriver> drivers;
    if (const std::optional<QJsonArray> competitors = mapping::objectList(*race, "competitors"_L1)) {
        for (const QJsonValue& value : *competitors) {
            if (std::optional<RaceDriver> driver = parseRaceDriver(value.toObject()))
                drivers.append(std::move(*driver));
        }
    }
    std::stable_sort(drivers.begin(), drivers.end(),
                     [](const RaceDriver& a, const RaceDriver& b) { return a.position < b.position; });

    if (drivers.size() >= 2) {
        game.homeTeam = driverTeam(drivers.at(0), homeColor, league);
        game.awayTeam = driverTeam(drivers.at(1), awayColor, league);
        game.homeScore = 1;
        game.awayScore = 2;
    } else {
        std::tie(game.homeTeam, game.awayTeam) = placeholderSides(*id, eventName, league);
    }
    if (!drivers.isEmpty())
        game.raceStandings = std::move(drivers);

    game.id = std::move(*id);
    game.league = league;
    game.lastUpdate = now;
    return game;
}

} // namespace

QList<Game> parseRacingEvent(const QJsonArray& events, const League& league, const QDateTime& now) {
    QList<Game> games;
    for (const QJsonValue& value : events) {
        if (std::optional<Game> game = parseRace(value.toObject(), league, now))
            games.append(std::move(*game));
    }
    return games;
}
