#pragma once

#include "model/Game.h"

// Small, fully filled values for the model tests.
namespace samples {

inline Team team(const QString& id, const QString& abbreviation, const League& league) {
    return Team{id,
                abbreviation + QStringLiteral(" Name"),
                abbreviation,
                abbreviation + QStringLiteral(" Short"),
                QStringLiteral("City"),
                league,
                std::nullopt,
                QStringLiteral("112233"),
                QStringLiteral("ffffff"),
                std::nullopt};
}

inline Game game(Sport sport, GameStatus status, std::optional<QString> period = std::nullopt) {
    League league = *League::withId(QStringLiteral("nba"));
    league.sport = sport;
    return Game{QStringLiteral("401"),
                league,
                team(QStringLiteral("13"), QStringLiteral("LAL"), league),
                team(QStringLiteral("2"), QStringLiteral("BOS"), league),
                99,
                102,
                status,
                std::move(period),
                std::nullopt,
                QDateTime(QDate(2026, 1, 10), QTime(0, 30), Qt::UTC),
                std::nullopt,
                std::nullopt,
                std::nullopt,
                std::nullopt,
                QDateTime(QDate(2026, 1, 10), QTime(1, 45, 12, 345), Qt::UTC),
                std::nullopt};
}

} // namespace samples
