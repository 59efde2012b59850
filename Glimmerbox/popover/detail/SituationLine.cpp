#include "popover/detail/SituationLine.h"

#include "popover/common/GameText.h"

namespace {

void addFootball(SituationLine& line, const GameSituation& situation) {
    if (situation.down && situation.distance)
        line.texts.append({gametext::ordinal(*situation.down) + QStringLiteral(" & ") +
                           QString::number(*situation.distance)});
    if (situation.yardLine)
        line.texts.append({*situation.yardLine, false, true});
}

void addBaseball(SituationLine& line, const GameSituation& situation) {
    if (situation.balls && situation.strikes)
        line.texts.append({QString::number(*situation.balls) + u'-' + QString::number(*situation.strikes)});
    if (situation.outs) {
        const qint64 outs = *situation.outs;
        line.texts.append({QString::number(outs) + QStringLiteral(" Out") + (outs == 1 ? "" : "s")});
    }
    line.showsBaseDiamond = true;
    for (const qint64 base : situation.runnersOnBase.value_or(QList<qint64>())) {
        if (base >= 1 && base <= 3)
            line.basesOccupied[static_cast<size_t>(base - 1)] = true;
    }
}

} // namespace

SituationLine SituationLine::of(const Game& game) {
    SituationLine line;
    if (!game.situations)
        return line;
    const GameSituation& situation = *game.situations;
    switch (game.league.sport) {
    case Sport::football:
        addFootball(line, situation);
        break;
    case Sport::baseball:
        addBaseball(line, situation);
        break;
    case Sport::hockey:
        if (situation.powerPlay)
            line.texts.append({*situation.powerPlay, true, true});
        break;
    default:
        break;
    }
    return line;
}
