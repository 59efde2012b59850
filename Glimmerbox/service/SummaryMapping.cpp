#include "ScoresMapping.h"

#include "MappingSupport.h"
#include "PlayMapping.h"
#include "SharedParsers.h"
#include "SummarySides.h"
#include "TeamMapping.h"
#include "platform/JsonRead.h"

using namespace Qt::Literals::StringLiterals;

namespace {

LeaderCategory leaderOf(const QString& category, const QJsonObject& entry) {
    return LeaderCategory{
        category,
        mapping::textAtPath(entry, {"athlete"_L1}, "displayName"_L1, field::label).value_or(u"Unknown"_s),
        json::text(entry, "displayValue"_L1, field::label, QString())};
}

// A team's block: {"team": {...}, "leaders": [category, ...]}; each category's first entry goes to the
// block's side.
void addTeamBlock(const QJsonObject& block, bool isHome, GameLeaders& leaders) {
    const std::optional<QJsonArray> categories = mapping::objectList(block, "leaders"_L1);
    if (!categories)
        return;
    QList<LeaderCategory>& side = isHome ? leaders.homeLeaders : leaders.awayLeaders;
    for (const QJsonValue& value : *categories) {
        const QJsonObject category = value.toObject();
        if (const std::optional<QJsonObject> entry = mapping::firstObject(category, "leaders"_L1))
            side.append(leaderOf(json::text(category, "displayName"_L1, field::label, QString()), *entry));
    }
}

// A category without a team: its entries are dealt alternately, home first.
void addCategoryGroup(const QJsonObject& group, GameLeaders& leaders) {
    const std::optional<QJsonArray> entries = mapping::objectList(group, "leaders"_L1);
    if (!entries)
        return;
    const QString category = json::text(group, "displayName"_L1, field::label, QString());
    for (const QJsonValue& entry : *entries) {
        QList<LeaderCategory>& side = leaders.awayLeaders.size() < leaders.homeLeaders.size()
                                          ? leaders.awayLeaders
                                          : leaders.homeLeaders;
        side.append(leaderOf(category, entry.toObject()));
    }
}

std::optional<GameLeaders> parseLeaders(const QJsonObject& summary) {
    const std::optional<QJsonArray> groups = mapping::objectList(summary, "leaders"_L1);
    if (!groups)
        return std::nullopt;
    const SummarySides sides(summary);
    GameLeaders leaders;
    for (const QJsonValue& value : *groups) {
        const QJsonObject group = value.toObject();
        if (json::object(group, "team"_L1))
            addTeamBlock(group, sides.isHome(group), leaders);
        else
            addCategoryGroup(group, leaders);
    }
    return leaders;
}

// A side of the summary game: a team, or an athlete for sports of single competitors.
Team sideTeam(const QJsonObject& competitor, const League& league) {
    if (const std::optional<QJsonObject> team = json::object(competitor, "team"_L1))
        return parseTeam(*team, league);
    if (json::object(competitor, "athlete"_L1))
        return parseAthleteTeam(competitor, league);
    return parseTeam(QJsonObject(), league);
}

Game summaryGame(const QJsonObject& summary, const QJsonObject& competition, const League& league,
                 const QString& gameId, const QDateTime& now) {
    const QJsonArray competitors = mapping::objectList(competition, "competitors"_L1).value_or(QJsonArray());
    const mapping::HomeAndAway sides = mapping::homeAndAway(competitors);
    const QJsonObject home = sides.home.value_or(QJsonObject());
    const QJsonObject away = sides.away.value_or(QJsonObject());

    Game game;
    game.id = gameId;
    game.league = league;
    game.homeTeam = sideTeam(home, league);
    game.awayTeam = sideTeam(away, league);
    // Read as the scoreboard reads them, so that a game known from its summary alone (a final no longer among
    // the current games) shows what its scoreboard entry would have.
    game.homeTeam.record = competitorRecord(home);
    game.awayTeam.record = competitorRecord(away);
    const std::optional<QJsonObject> gameInfo = json::object(summary, "gameInfo"_L1);
    game.venue = gameInfo ? mapping::venueName(*gameInfo) : std::nullopt;
    game.broadcast = mapping::firstBroadcastName(competition);
    game.homeScore = mapping::scoreText(home);
    game.awayScore = mapping::scoreText(away);
    const std::optional<QJsonObject> status = json::object(competition, "status"_L1);
    const QString state =
        status ? mapping::textAtPath(*status, {"type"_L1}, "state"_L1, field::label).value_or(u"pre"_s)
               : u"pre"_s;
    game.status = mapGameStatus(state, std::nullopt);
    game.period =
        status ? mapping::textAtPath(*status, {"type"_L1}, "shortDetail"_L1, field::label) : std::nullopt;
    game.clock = status ? json::text(*status, "displayClock"_L1, field::label) : std::nullopt;
    // The scheduled start; the moment of mapping only when the summary gives no readable date.
    game.startTime = mapping::startTimeAmong({{competition, "date"_L1}}).value_or(now);
    game.lastUpdate = now;
    return game;
}

// A summary names its game by the id of its header (its competition may be one session of a race weekend,
// with an id of its own). One that names another game than the one asked for, the service's mix-up, would
// show that game in this one's window; one that names none is taken as the game asked for.
bool namesAnotherGame(const QJsonObject& header, const QString& gameId) {
    const std::optional<QString> id = json::text(header, "id"_L1, field::label);
    return id && *id != gameId;
}

} // namespace

ServiceResult<GameDetail> parseSummary(const QByteArray& body, const League& league, const QString& gameId,
                                       const QDateTime& now) {
    const std::optional<QJsonObject> summary = mapping::topLevelObject(body);
    if (!summary)
        return APIError::parsingError();
    const std::optional<QJsonObject> header = json::object(*summary, "header"_L1);
    const std::optional<QJsonObject> competition =
        header ? mapping::firstObject(*header, "competitions"_L1) : std::nullopt;
    if (!competition || namesAnotherGame(*header, gameId))
        return APIError::parsingError();

    Game game = summaryGame(*summary, *competition, league, gameId, now);
    GameDetail detail{std::move(game), std::nullopt, {}, std::nullopt, std::nullopt};
    detail.leaders = parseLeaders(*summary);
    detail.playByPlay = parsePlays(*summary, gameId, now);
    return detail;
}
