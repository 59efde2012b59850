// The values carried inside a Game: live situation, odds and race standings.
#include "Game.h"

#include "ValueCoding.h"
#include "ValueHasher.h"

using namespace Qt::StringLiterals;

QJsonObject GameSituation::toJson() const {
    return coding::Writer()
        .field("down"_L1, down)
        .field("distance"_L1, distance)
        .field("yardLine"_L1, yardLine)
        .field("possession"_L1, possession)
        .field("balls"_L1, balls)
        .field("strikes"_L1, strikes)
        .field("outs"_L1, outs)
        .field("runnersOnBase"_L1, runnersOnBase)
        .field("inningHalf"_L1, inningHalf)
        .field("powerPlay"_L1, powerPlay)
        .field("emptyNet"_L1, emptyNet)
        .field("bonus"_L1, bonus)
        .field("timeoutsHome"_L1, timeoutsHome)
        .field("timeoutsAway"_L1, timeoutsAway)
        .field("advantageTeamId"_L1, advantageTeamId)
        .field("lastPlayText"_L1, lastPlayText)
        .field("lastPlayTeamId"_L1, lastPlayTeamId)
        .object();
}

std::optional<GameSituation> GameSituation::fromJson(const QJsonObject& object) {
    GameSituation situation;
    return coding::Reader(object)
        .field("down"_L1, situation.down)
        .field("distance"_L1, situation.distance)
        .field("yardLine"_L1, situation.yardLine)
        .field("possession"_L1, situation.possession)
        .field("balls"_L1, situation.balls)
        .field("strikes"_L1, situation.strikes)
        .field("outs"_L1, situation.outs)
        .field("runnersOnBase"_L1, situation.runnersOnBase)
        .field("inningHalf"_L1, situation.inningHalf)
        .field("powerPlay"_L1, situation.powerPlay)
        .field("emptyNet"_L1, situation.emptyNet)
        .field("bonus"_L1, situation.bonus)
        .field("timeoutsHome"_L1, situation.timeoutsHome)
        .field("timeoutsAway"_L1, situation.timeoutsAway)
        .field("advantageTeamId"_L1, situation.advantageTeamId)
        .field("lastPlayText"_L1, situation.lastPlayText)
        .field("lastPlayTeamId"_L1, situation.lastPlayTeamId)
        .result(situation);
}

QJsonObject GameOdds::toJson() const {
    return coding::Writer()
        .field("spread"_L1, spread)
        .field("spreadFavorite"_L1, spreadFavorite)
        .field("overUnder"_L1, overUnder)
        .field("moneylineHome"_L1, moneylineHome)
        .field("moneylineAway"_L1, moneylineAway)
        .field("lastUpdated"_L1, lastUpdated)
        .object();
}

std::optional<GameOdds> GameOdds::fromJson(const QJsonObject& object) {
    GameOdds odds;
    return coding::Reader(object)
        .field("spread"_L1, odds.spread)
        .field("spreadFavorite"_L1, odds.spreadFavorite)
        .field("overUnder"_L1, odds.overUnder)
        .field("moneylineHome"_L1, odds.moneylineHome)
        .field("moneylineAway"_L1, odds.moneylineAway)
        .field("lastUpdated"_L1, odds.lastUpdated)
        .result(odds);
}

QJsonObject RaceDriver::toJson() const {
    return coding::Writer()
        .field("id"_L1, id)
        .field("position"_L1, position)
        .field("name"_L1, name)
        .field("shortName"_L1, shortName)
        .field("flagURL"_L1, flagURL)
        .field("isWinner"_L1, isWinner)
        .object();
}

std::optional<RaceDriver> RaceDriver::fromJson(const QJsonObject& object) {
    RaceDriver driver;
    return coding::Reader(object)
        .field("id"_L1, driver.id)
        .field("position"_L1, driver.position)
        .field("name"_L1, driver.name)
        .field("shortName"_L1, driver.shortName)
        .field("flagURL"_L1, driver.flagURL)
        .field("isWinner"_L1, driver.isWinner)
        .result(driver);
}

size_t qHash(const GameSituation& situation, size_t seed) {
    return ValueHasher(seed)
        .add(situation.down)
        .add(situation.distance)
        .add(situation.yardLine)
        .add(situation.possession)
        .add(situation.balls)
        .add(situation.strikes)
        .add(situation.outs)
        .add(situation.runnersOnBase)
        .add(situation.inningHalf)
        .add(situation.powerPlay)
        .add(situation.emptyNet)
        .add(situation.bonus)
        .add(situation.timeoutsHome)
        .add(situation.timeoutsAway)
        .add(situation.advantageTeamId)
        .add(situation.lastPlayText)
        .add(situation.lastPlayTeamId)
        .result();
}

size_t qHash(const GameOdds& odds, size_t seed) {
    return ValueHasher(seed)
        .add(odds.spread)
        .add(odds.spreadFavorite)
        .add(odds.overUnder)
        .add(odds.moneylineHome)
        .add(odds.moneylineAway)
        .add(odds.lastUpdated)
        .result();
}

size_t qHash(const RaceDriver& driver, size_t seed) {
    return ValueHasher(seed)
        .add(driver.id)
        .add(driver.position)
        .add(driver.name)
        .add(driver.shortName)
        .add(driver.flagURL)
        .add(driver.isWinner)
        .result();
}
