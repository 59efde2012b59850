// The values carried inside a Game: live situation, odds and race standings.
#include "Game.h"

#include "ValueCoding.h"
#include "ValueHasher.h"

using namespace Qt::StringLiterals;

// Every field of GameSituation in declaration order: its JSON keys and its hash follow this one list.
constexpr auto gameSituationFields = [](auto& situation, auto&& field) {
    field("down"_L1, situation.down);
    field("distance"_L1, situation.distance);
    field("yardLine"_L1, situation.yardLine);
    field("possession"_L1, situation.possession);
    field("balls"_L1, situation.balls);
    field("strikes"_L1, situation.strikes);
    field("outs"_L1, situation.outs);
    field("runnersOnBase"_L1, situation.runnersOnBase);
    field("inningHalf"_L1, situation.inningHalf);
    field("powerPlay"_L1, situation.powerPlay);
    field("emptyNet"_L1, situation.emptyNet);
    field("bonus"_L1, situation.bonus);
    field("timeoutsHome"_L1, situation.timeoutsHome);
    field("timeoutsAway"_L1, situation.timeoutsAway);
    field("advantageTeamId"_L1, situation.advantageTeamId);
    field("lastPlayText"_L1, situation.lastPlayText);
    field("lastPlayTeamId"_L1, situation.lastPlayTeamId);
};

QJsonObject GameSituation::toJson() const {
    return coding::toObject(*this, gameSituationFields);
}

std::optional<GameSituation> GameSituation::fromJson(const QJsonObject& object) {
    return coding::fromObject<GameSituation>(object, gameSituationFields);
}

// Every field of GameOdds in declaration order: its JSON keys and its hash follow this one list.
constexpr auto gameOddsFields = [](auto& odds, auto&& field) {
    field("spread"_L1, odds.spread);
    field("spreadFavorite"_L1, odds.spreadFavorite);
    field("overUnder"_L1, odds.overUnder);
    field("moneylineHome"_L1, odds.moneylineHome);
    field("moneylineAway"_L1, odds.moneylineAway);
    field("lastUpdated"_L1, odds.lastUpdated);
};

QJsonObject GameOdds::toJson() const {
    return coding::toObject(*this, gameOddsFields);
}

std::optional<GameOdds> GameOdds::fromJson(const QJsonObject& object) {
    return coding::fromObject<GameOdds>(object, gameOddsFields);
}

// Every field of RaceDriver in declaration order: its JSON keys and its hash follow this one list.
constexpr auto raceDriverFields = [](auto& driver, auto&& field) {
    field("id"_L1, driver.id);
    field("position"_L1, driver.position);
    field("name"_L1, driver.name);
    field("shortName"_L1, driver.shortName);
    field("flagURL"_L1, driver.flagURL);
    field("isWinner"_L1, driver.isWinner);
};

QJsonObject RaceDriver::toJson() const {
    return coding::toObject(*this, raceDriverFields);
}

std::optional<RaceDriver> RaceDriver::fromJson(const QJsonObject& object) {
    return coding::fromObject<RaceDriver>(object, raceDriverFields);
}

size_t qHash(const GameSituation& situation, size_t seed) {
    return hashFields(situation, seed, gameSituationFields);
}

size_t qHash(const GameOdds& odds, size_t seed) {
    return hashFields(odds, seed, gameOddsFields);
}

size_t qHash(const RaceDriver& driver, size_t seed) {
    return hashFields(driver, seed, raceDriverFields);
}
