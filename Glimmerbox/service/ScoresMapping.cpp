#include "ScoresMapping.h"

ServiceResult<QList<Game>> parseScoreboard(const QByteArray&, const League&, const QDateTime&) {
    return APIError::parsingError();
}

ServiceResult<GameDetail> parseSummary(const QByteArray&, const League&, const QString&, const QDateTime&) {
    return APIError::parsingError();
}

ServiceResult<QList<TopScorer>> parseTopScorers(const QByteArray&) {
    return APIError::parsingError();
}

ServiceResult<QList<Team>> parseTeams(const QByteArray&, const League&) {
    return APIError::parsingError();
}
