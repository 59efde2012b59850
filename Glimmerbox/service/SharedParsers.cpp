#include "SharedParsers.h"

std::optional<QDateTime> parseDate(QStringView) {
    return std::nullopt;
}

GameStatus mapGameStatus(QStringView, std::optional<QStringView>) {
    return GameStatus::scheduled;
}
