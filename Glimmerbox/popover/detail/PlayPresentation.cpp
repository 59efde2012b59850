#include "popover/detail/PlayPresentation.h"

QString PlayPresentation::symbolFor(PlayEventType type) {
    switch (type) {
    case PlayEventType::score:
    case PlayEventType::touchdown:
    case PlayEventType::homeRun:
    case PlayEventType::goal:
    case PlayEventType::goalSoccer:
        return QStringLiteral("star.fill");
    case PlayEventType::timeout:
        return QStringLiteral("pause.circle");
    case PlayEventType::fieldGoal:
        return QStringLiteral("target");
    case PlayEventType::interception:
    case PlayEventType::fumble:
    case PlayEventType::steal:
        return QStringLiteral("arrow.turn.down.right");
    case PlayEventType::threePointer:
        return QStringLiteral("3.circle.fill");
    case PlayEventType::strikeout:
        return QStringLiteral("k.circle");
    case PlayEventType::penalty:
    case PlayEventType::yellowCard:
        return QStringLiteral("exclamationmark.triangle.fill");
    case PlayEventType::redCard:
        return QStringLiteral("xmark.circle.fill");
    default:
        return QStringLiteral("circle.fill");
    }
}

PlayPresentation PlayPresentation::of(const PlayByPlayEvent& play) {
    PlayPresentation presentation;
    presentation.symbol = symbolFor(play.eventType);
    presentation.periodText = play.clock ? play.period + u' ' + *play.clock : play.period;
    presentation.team = play.team;
    if (play.scoreAway && play.scoreHome)
        presentation.score = QString::number(*play.scoreAway) + u'-' + QString::number(*play.scoreHome);
    return presentation;
}
