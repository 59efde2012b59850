#pragma once

#include "RawValue.h"

#include <QDateTime>
#include <QJsonObject>
#include <QString>

#include <optional>

enum class PlayEventType {
    score,
    timeout,
    injury,
    substitution,
    review,
    periodStart,
    periodEnd,
    touchdown,
    fieldGoal,
    safety,
    interception,
    fumble,
    sack,
    punt,
    kickoff,
    twoPointConversion,
    extraPoint,
    threePointer,
    dunk,
    block,
    steal,
    freeThrow,
    homeRun,
    strikeout,
    walk,
    hit,
    doublePlay,
    stolenBase,
    goal,
    assist,
    penalty,
    powerPlayGoal,
    save,
    goalSoccer,
    yellowCard,
    redCard,
    penaltyKick,
    corner,
    offside,
    other
};

QString rawValue(PlayEventType type);
template <>
std::optional<PlayEventType> fromRawValue<PlayEventType>(QStringView raw);
// Follows the raw value text.
size_t qHash(PlayEventType type, size_t seed = 0);

// One play of a game, as listed in the game detail.
struct PlayByPlayEvent {
    QString id;
    QString gameId;
    QDateTime timestamp;
    QString period;
    std::optional<QString> clock;
    PlayEventType eventType = PlayEventType::other;
    QString description;
    std::optional<QString> team;
    std::optional<QString> player;
    std::optional<qint64> scoreHome;
    std::optional<qint64> scoreAway;
    bool isScoring = false;
    bool isKeyPlay = false;

    QJsonObject toJson() const;
    static std::optional<PlayByPlayEvent> fromJson(const QJsonObject& object);
};
