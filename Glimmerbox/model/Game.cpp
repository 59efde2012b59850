#include "Game.h"

#include "ValueCoding.h"
#include "ValueHasher.h"

#include <array>
#include <utility>

using namespace Qt::StringLiterals;

namespace {

constexpr std::array<std::pair<GameStatus, QLatin1StringView>, 8> statusTable{{
    {GameStatus::scheduled, "scheduled"_L1},
    {GameStatus::inProgress, "in_progress"_L1},
    {GameStatus::halftime, "halftime"_L1},
    {GameStatus::endOfPeriod, "end_of_period"_L1},
    {GameStatus::final_, "final"_L1},
    {GameStatus::postponed, "postponed"_L1},
    {GameStatus::cancelled, "cancelled"_L1},
    {GameStatus::delayed, "delayed"_L1},
}};

// Words in the period text that name a break, tested in this order ("end of intermission" is an
// intermission, not the end of a period).
constexpr std::array<std::pair<QLatin1StringView, GameBreak>, 6> breakWords{{
    {"timeout"_L1, GameBreak::timeout},
    {"halftime"_L1, GameBreak::halftime},
    {"half time"_L1, GameBreak::halftime},
    {"intermission"_L1, GameBreak::intermission},
    {"end of"_L1, GameBreak::endOfPeriod},
    {"delay"_L1, GameBreak::delay},
}};

} // namespace

QString rawValue(GameStatus status) {
    return statusTable[static_cast<size_t>(status)].second;
}

template <>
std::optional<GameStatus> fromRawValue<GameStatus>(QStringView raw) {
    for (const auto& [status, text] : statusTable) {
        if (raw == text)
            return status;
    }
    return std::nullopt;
}

Game::Game() = default;
Game::Game(const Game& other) = default;
Game::Game(Game&& other) noexcept = default;
Game& Game::operator=(const Game& other) = default;
Game& Game::operator=(Game&& other) noexcept = default;
Game::~Game() = default;

bool Game::isLive() const {
    return status == GameStatus::inProgress || status == GameStatus::halftime ||
           status == GameStatus::endOfPeriod;
}

std::optional<GameBreak> Game::breakKind() const {
    if (status == GameStatus::halftime)
        return GameBreak::halftime;
    if (status == GameStatus::endOfPeriod)
        return GameBreak::endOfPeriod;
    if (period) {
        const QString text = period->toLower();
        for (const auto& [word, kind] : breakWords) {
            if (text.contains(word))
                return kind;
        }
    }
    if (status != GameStatus::inProgress)
        return std::nullopt;
    // Football and basketball stop the clock between plays: with nobody holding the ball or making the last
    // play, the game is taken to be in a timeout.
    if (league.sport != Sport::football && league.sport != Sport::basketball)
        return std::nullopt;
    if (!situations || !situations->advantageTeamId)
        return GameBreak::timeout;
    return std::nullopt;
}

QString Game::scoreLine() const {
    return awayTeam.abbreviation + u' ' + QString::number(awayScore) + " - "_L1 + QString::number(homeScore) +
           u' ' + homeTeam.abbreviation;
}

// Every field of Game in declaration order: its JSON keys and its hash follow this one list.
constexpr auto gameFields = [](auto& game, auto&& field) {
    field("id"_L1, game.id);
    field("league"_L1, game.league);
    field("homeTeam"_L1, game.homeTeam);
    field("awayTeam"_L1, game.awayTeam);
    field("homeScore"_L1, game.homeScore);
    field("awayScore"_L1, game.awayScore);
    field("status"_L1, game.status);
    field("period"_L1, game.period);
    field("clock"_L1, game.clock);
    field("startTime"_L1, game.startTime);
    field("venue"_L1, game.venue);
    field("broadcast"_L1, game.broadcast);
    field("odds"_L1, game.odds);
    field("situations"_L1, game.situations);
    field("lastUpdate"_L1, game.lastUpdate);
    field("raceStandings"_L1, game.raceStandings);
};

QJsonObject Game::toJson() const {
    return coding::toObject(*this, gameFields);
}

std::optional<Game> Game::fromJson(const QJsonObject& object) {
    return coding::fromObject<Game>(object, gameFields);
}

size_t qHash(const Game& game, size_t seed) {
    return hashFields(game, seed, gameFields);
}
