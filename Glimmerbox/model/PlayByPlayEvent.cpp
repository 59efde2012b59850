#include "PlayByPlayEvent.h"

#include "ValueCoding.h"

#include <QHash>

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

// In declaration order; every raw value is the case name in snake_case, except that a two-point conversion is
// "two_point".
constexpr std::array<std::pair<PlayEventType, QLatin1StringView>, 40> eventTypeTable{{
    {PlayEventType::score, "score"_L1},
    {PlayEventType::timeout, "timeout"_L1},
    {PlayEventType::injury, "injury"_L1},
    {PlayEventType::substitution, "substitution"_L1},
    {PlayEventType::review, "review"_L1},
    {PlayEventType::periodStart, "period_start"_L1},
    {PlayEventType::periodEnd, "period_end"_L1},
    {PlayEventType::touchdown, "touchdown"_L1},
    {PlayEventType::fieldGoal, "field_goal"_L1},
    {PlayEventType::safety, "safety"_L1},
    {PlayEventType::interception, "interception"_L1},
    {PlayEventType::fumble, "fumble"_L1},
    {PlayEventType::sack, "sack"_L1},
    {PlayEventType::punt, "punt"_L1},
    {PlayEventType::kickoff, "kickoff"_L1},
    {PlayEventType::twoPointConversion, "two_point"_L1},
    {PlayEventType::extraPoint, "extra_point"_L1},
    {PlayEventType::threePointer, "three_pointer"_L1},
    {PlayEventType::dunk, "dunk"_L1},
    {PlayEventType::block, "block"_L1},
    {PlayEventType::steal, "steal"_L1},
    {PlayEventType::freeThrow, "free_throw"_L1},
    {PlayEventType::homeRun, "home_run"_L1},
    {PlayEventType::strikeout, "strikeout"_L1},
    {PlayEventType::walk, "walk"_L1},
    {PlayEventType::hit, "hit"_L1},
    {PlayEventType::doublePlay, "double_play"_L1},
    {PlayEventType::stolenBase, "stolen_base"_L1},
    {PlayEventType::goal, "goal"_L1},
    {PlayEventType::assist, "assist"_L1},
    {PlayEventType::penalty, "penalty"_L1},
    {PlayEventType::powerPlayGoal, "power_play_goal"_L1},
    {PlayEventType::save, "save"_L1},
    {PlayEventType::goalSoccer, "goal_soccer"_L1},
    {PlayEventType::yellowCard, "yellow_card"_L1},
    {PlayEventType::redCard, "red_card"_L1},
    {PlayEventType::penaltyKick, "penalty_kick"_L1},
    {PlayEventType::corner, "corner"_L1},
    {PlayEventType::offside, "offside"_L1},
    {PlayEventType::other, "other"_L1},
}};

} // namespace

QString rawValue(PlayEventType type) {
    return eventTypeTable[static_cast<size_t>(type)].second;
}

template <>
std::optional<PlayEventType> fromRawValue<PlayEventType>(QStringView raw) {
    for (const auto& [type, text] : eventTypeTable) {
        if (raw == text)
            return type;
    }
    return std::nullopt;
}

size_t qHash(PlayEventType type, size_t seed) {
    return qHash(rawValue(type), seed);
}

// Every field of PlayByPlayEvent in declaration order: its JSON keys and its hash follow this one list.
constexpr auto playByPlayEventFields = [](auto& event, auto&& field) {
    field("id"_L1, event.id);
    field("gameId"_L1, event.gameId);
    field("timestamp"_L1, event.timestamp);
    field("period"_L1, event.period);
    field("clock"_L1, event.clock);
    field("eventType"_L1, event.eventType);
    field("description"_L1, event.description);
    field("team"_L1, event.team);
    field("player"_L1, event.player);
    field("scoreHome"_L1, event.scoreHome);
    field("scoreAway"_L1, event.scoreAway);
    field("isScoring"_L1, event.isScoring);
    field("isKeyPlay"_L1, event.isKeyPlay);
};

QJsonObject PlayByPlayEvent::toJson() const {
    return coding::toObject(*this, playByPlayEventFields);
}

std::optional<PlayByPlayEvent> PlayByPlayEvent::fromJson(const QJsonObject& object) {
    return coding::fromObject<PlayByPlayEvent>(object, playByPlayEventFields);
}
