#pragma once

#include "League.h"
#include "RawValue.h"
#include "Team.h"

#include <QDateTime>
#include <QJsonObject>
#include <QList>
#include <QString>
#include <QUrl>

#include <optional>

enum class GameStatus { scheduled, inProgress, halftime, endOfPeriod, final_, postponed, cancelled, delayed };

QString rawValue(GameStatus status);
template <>
std::optional<GameStatus> fromRawValue<GameStatus>(QStringView raw);

// The kind of pause a game is in.
enum class GameBreak { timeout, halftime, endOfPeriod, intermission, delay };

// The live situation of a game in progress; which keys fill which field is the scoreboard mapping's business.
struct GameSituation {
    std::optional<qint64> down;
    std::optional<qint64> distance;
    std::optional<QString> yardLine;
    std::optional<QString> possession;
    std::optional<qint64> balls;
    std::optional<qint64> strikes;
    std::optional<qint64> outs;
    std::optional<QList<qint64>> runnersOnBase;
    std::optional<QString> inningHalf;
    std::optional<QString> powerPlay;
    std::optional<bool> emptyNet;
    std::optional<bool> bonus;
    std::optional<qint64> timeoutsHome;
    std::optional<qint64> timeoutsAway;
    std::optional<QString> advantageTeamId;
    std::optional<QString> lastPlayText;
    std::optional<QString> lastPlayTeamId;

    bool operator==(const GameSituation&) const = default;

    QJsonObject toJson() const;
    static std::optional<GameSituation> fromJson(const QJsonObject& object);
};

struct GameOdds {
    std::optional<double> spread;
    std::optional<QString> spreadFavorite;
    std::optional<double> overUnder;
    std::optional<qint64> moneylineHome;
    std::optional<qint64> moneylineAway;
    std::optional<QDateTime> lastUpdated;

    bool operator==(const GameOdds&) const = default;

    QJsonObject toJson() const;
    static std::optional<GameOdds> fromJson(const QJsonObject& object);
};

// One driver of a race, in finishing or running order.
struct RaceDriver {
    QString id;
    qint64 position = 0;
    QString name;
    QString shortName;
    std::optional<QUrl> flagURL;
    bool isWinner = false;

    bool operator==(const RaceDriver&) const = default;

    QJsonObject toJson() const;
    static std::optional<RaceDriver> fromJson(const QJsonObject& object);
};

// One fixture of one league. Identity is `id`; equality compares every field, lastUpdate included.
struct Game {
    QString id;
    League league;
    Team homeTeam;
    Team awayTeam;
    qint64 homeScore = 0;
    qint64 awayScore = 0;
    GameStatus status = GameStatus::scheduled;
    std::optional<QString> period;
    std::optional<QString> clock;
    QDateTime startTime; // UTC
    std::optional<QString> venue;
    std::optional<QString> broadcast;
    std::optional<GameOdds> odds;
    std::optional<GameSituation> situations;
    QDateTime lastUpdate; // UTC
    std::optional<QList<RaceDriver>> raceStandings;

    // Defined once, out of line: inlined, copying or moving a game is several kilobytes of code in every
    // place that does it.
    Game();
    Game(const Game& other);
    Game(Game&& other) noexcept;
    Game& operator=(const Game& other);
    Game& operator=(Game&& other) noexcept;
    ~Game();

    bool operator==(const Game&) const = default;

    // In progress, at halftime or at the end of a period.
    bool isLive() const;
    std::optional<GameBreak> breakKind() const;
    // "BOS 102 - 99 LAL": away side first.
    QString scoreLine() const;

    QJsonObject toJson() const;
    static std::optional<Game> fromJson(const QJsonObject& object);
};

size_t qHash(const GameSituation& situation, size_t seed = 0);
size_t qHash(const GameOdds& odds, size_t seed = 0);
size_t qHash(const RaceDriver& driver, size_t seed = 0);
size_t qHash(const Game& game, size_t seed = 0);
template <>
struct std::hash<Game> {
    size_t operator()(const Game& game) const { return qHash(game); }
};
template <>
struct std::hash<RaceDriver> {
    size_t operator()(const RaceDriver& driver) const { return qHash(driver); }
};
template <>
struct std::hash<GameSituation> {
    size_t operator()(const GameSituation& situation) const { return qHash(situation); }
};
template <>
struct std::hash<GameOdds> {
    size_t operator()(const GameOdds& odds) const { return qHash(odds); }
};
