#include "EventMapping.h"

#include "MappingSupport.h"
#include "TeamMapping.h"
#include "platform/JsonRead.h"

#include <QJsonDocument>
#include <QLocale>

using namespace Qt::Literals::StringLiterals;

namespace {

// One side of an event: the competitor with the team it stands for.
struct Side {
    QJsonObject competitor;
    Team team;
};

bool isPlaceholderTeamName(const QString& name) {
    return name.isEmpty() || name == u"TBD" || name == u"tbd" || name == u"Unknown" || name == u"unknown";
}

// A competitor is a team, or (fights, golf) an athlete; nothing for a placeholder or when it is neither.
std::optional<Side> parseSide(const QJsonObject& competitor, const League& league) {
    if (const std::optional<QJsonObject> team = json::object(competitor, "team"_L1)) {
        // A missing display name maps to "Unknown", itself a placeholder: the mapped name decides.
        Team mapped = parseTeam(*team, league);
        if (isPlaceholderTeamName(mapped.name))
            return std::nullopt;
        return Side{competitor, std::move(mapped)};
    }
    if (json::object(competitor, "athlete"_L1)) {
        if (isPlaceholderAthlete(competitor))
            return std::nullopt;
        return Side{competitor, parseAthleteTeam(competitor, league)};
    }
    return std::nullopt;
}

std::optional<QString> teamIdOf(const QJsonObject& object) {
    const std::optional<QJsonObject> team = json::object(object, "team"_L1);
    return team ? json::text(*team, "id"_L1, field::label) : std::nullopt;
}

// The yard line as the service sends it: text unchanged, a number in decimal, anything else in JSON form.
QString anyValueText(QJsonValueConstRef value) {
    switch (value.type()) {
    case QJsonValue::String:
        return value.toString();
    case QJsonValue::Double:
        return QString::number(value.toDouble(), 'g', QLocale::FloatingPointShortest);
    case QJsonValue::Bool:
        return value.toBool() ? u"true"_s : u"false"_s;
    case QJsonValue::Null:
        return u"null"_s;
    case QJsonValue::Object:
        return QString::fromUtf8(QJsonDocument(value.toObject()).toJson(QJsonDocument::Compact));
    case QJsonValue::Array:
        return QString::fromUtf8(QJsonDocument(value.toArray()).toJson(QJsonDocument::Compact));
    case QJsonValue::Undefined:
        break;
    }
    return QString();
}

// The id at the end of a "$ref" link: the part after its last "/".
QString lastPathPiece(const QString& ref) {
    return ref.sliced(ref.lastIndexOf(u'/') + 1);
}

void readFootball(const QJsonObject& object, GameSituation& situation) {
    situation.down = json::integer(object, "down"_L1);
    situation.distance = json::integer(object, "distance"_L1);
    if (const std::optional<QJsonValueConstRef> yardLine = json::find(object, "yardLine"_L1))
        situation.yardLine = boundedText(anyValueText(*yardLine), field::label);
    const std::optional<QJsonValueConstRef> found = json::find(object, "possession"_L1);
    if (!found)
        return;
    const QJsonValueConstRef possession = *found;
    if (possession.isString()) {
        // Scoreboards send the id of the team with the ball as plain text.
        situation.advantageTeamId = boundedText(possession.toString(), field::label);
    } else if (possession.isObject()) {
        const QJsonObject team = possession.toObject();
        situation.possession = json::text(team, "abbreviation"_L1, field::label);
        if (std::optional<QString> id = json::text(team, "id"_L1, field::label))
            situation.advantageTeamId = std::move(id);
        else if (const std::optional<QString> ref = json::text(team, "$ref"_L1, field::address))
            situation.advantageTeamId = boundedText(lastPathPiece(*ref), field::label);
    }
}

void readBasketball(const QJsonObject& object, GameSituation& situation) {
    situation.bonus = json::boolean(object, "bonus"_L1);
    const std::optional<QJsonValueConstRef> possession = json::find(object, "possession"_L1);
    if (possession && possession->isString())
        situation.advantageTeamId = boundedText(possession->toString(), field::label);
    else if (possession && possession->isObject())
        situation.advantageTeamId = json::text(possession->toObject(), "id"_L1, field::label);
}

void readBaseball(const QJsonObject& object, GameSituation& situation) {
    situation.balls = json::integer(object, "balls"_L1);
    situation.strikes = json::integer(object, "strikes"_L1);
    situation.outs = json::integer(object, "outs"_L1);
    if (object.contains("onFirst"_L1))
        situation.inningHalf = u"in play"_s;
    QList<qint64> runners;
    if (json::boolean(object, "onFirst"_L1) == true)
        runners.append(1);
    if (json::boolean(object, "onSecond"_L1) == true)
        runners.append(2);
    if (json::boolean(object, "onThird"_L1) == true)
        runners.append(3);
    if (!runners.isEmpty())
        situation.runnersOnBase = runners;
    if (const std::optional<QJsonObject> batter = json::object(object, "batter"_L1))
        situation.advantageTeamId = teamIdOf(*batter);
}

void readHockey(const QJsonObject& object, GameSituation& situation) {
    situation.powerPlay = json::text(object, "powerPlay"_L1, field::label);
    situation.emptyNet = json::boolean(object, "emptyNet"_L1);
    if (situation.powerPlay)
        situation.advantageTeamId = json::text(object, "teamId"_L1, field::label);
}

} // namespace

std::optional<GameSituation> parseSituation(const std::optional<QJsonObject>& object, Sport sport) {
    if (!object || object->isEmpty())
        return std::nullopt;
    GameSituation situation;
    switch (sport) {
    case Sport::football:
        readFootball(*object, situation);
        break;
    case Sport::basketball:
        readBasketball(*object, situation);
        break;
    case Sport::baseball:
        readBaseball(*object, situation);
        break;
    case Sport::hockey:
        readHockey(*object, situation);
        break;
    default:
        break;
    }
    if (const std::optional<QJsonObject> lastPlay = json::object(*object, "lastPlay"_L1)) {
        situation.lastPlayText = json::text(*lastPlay, "text"_L1, field::paragraph);
        situation.lastPlayTeamId = teamIdOf(*lastPlay);
        if (!situation.advantageTeamId)
            situation.advantageTeamId = situation.lastPlayTeamId;
    }
    return situation;
}

std::optional<Game> parseEvent(const QJsonObject& event, const League& league, const QDateTime& now) {
    std::optional<QString> id = json::text(event, "id"_L1, field::label);
    if (!id)
        return std::nullopt;
    const std::optional<QJsonObject> competition = mapping::firstObject(event, "competitions"_L1);
    if (!competition)
        return std::nullopt;
    const std::optional<QJsonArray> competitors = mapping::objectList(*competition, "competitors"_L1);
    if (!competitors || competitors->size() < 2)
        return std::nullopt;

    const mapping::HomeAndAway sides = mapping::homeAndAway(*competitors);
    std::optional<Side> home = parseSide(*sides.home, league);
    if (!home)
        return std::nullopt;
    std::optional<Side> away = parseSide(*sides.away, league);
    if (!away)
        return std::nullopt;

    Game game;
    game.id = std::move(*id);
    game.league = league;
    game.homeScore = mapping::scoreText(home->competitor);
    game.awayScore = mapping::scoreText(away->competitor);

    mapping::StatusTexts status = mapping::readStatus(*competition);
    game.status = status.status;
    game.period = std::move(status.shortDetail);
    game.clock = std::move(status.displayClock);

    std::optional<QDateTime> startTime =
        mapping::startTimeAmong({{event, "date"_L1}, {*competition, "date"_L1}});
    if (!startTime)
        return std::nullopt;
    game.startTime = std::move(*startTime);

    game.situations = parseSituation(json::object(*competition, "situation"_L1), league.sport);
    game.broadcast = mapping::firstBroadcastName(*competition);
    game.venue = mapping::venueName(*competition);

    home->team.record = competitorRecord(home->competitor);
    away->team.record = competitorRecord(away->competitor);
    game.homeTeam = std::move(home->team);
    game.awayTeam = std::move(away->team);
    game.lastUpdate = now;
    return game;
}
