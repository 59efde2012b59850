#include "popover/menu/GameRowHeights.h"

#include "popover/common/StatusBadgeContent.h"
#include "popover/menu/GameRowContent.h"

#include <QWidget>

namespace {

QChar flag(bool set) {
    return set ? u'1' : u'0';
}

} // namespace

int GameRowHeights::heightOf(const Game& game) {
    const QString shape = shapeOf(game);
    const auto known = m_heights.constFind(shape);
    if (known != m_heights.cend())
        return *known;
    const int height = measuredHeight(m_build(game));
    m_heights.insert(shape, height);
    return height;
}

QString GameRowHeights::shapeOf(const Game& game) {
    if (game.league.sport == Sport::racing) {
        const std::optional<RaceDriver> leader = gamerow::raceLeader(game);
        return QStringLiteral("race:%1:%2%3%4")
            .arg(int(gamerow::raceStateOf(game)))
            .arg(flag(leader.has_value()), flag(leader && leader->flagURL), flag(game.clock.has_value()));
    }
    const bool score = gamerow::centreOf(game) == gamerow::Centre::score;
    QString centre = QStringLiteral("time");
    if (score) {
        // The badge is a word, or the live dot with the period and clock when there are any.
        const StatusBadgeContent badge = StatusBadgeContent::of(game);
        centre = !badge.isLive               ? QStringLiteral("word")
                 : badge.liveTexts.isEmpty() ? QStringLiteral("dot")
                                             : QStringLiteral("live");
    }
    return QStringLiteral("team:%1:%2%3%4")
        .arg(centre)
        .arg(flag(!score && game.broadcast), flag(game.awayTeam.record.has_value()),
             flag(game.homeTeam.record.has_value()));
}

int measuredHeight(QWidget* sample) {
    sample->ensurePolished();
    const int height = sample->sizeHint().height();
    delete sample;
    return height;
}
