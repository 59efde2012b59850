#include "OverlayGallery.h"

#include <QPainter>
#include <QPainterPath>

OverlayInputs barShowing(const Game& game) {
    OverlayInputs inputs;
    inputs.displayedGame = game;
    inputs.isBarVisible = true;
    return inputs;
}

Game galleryRace(const QString& id, const Team& event, GameStatus status, const QString& venue) {
    Game game;
    game.id = id;
    game.league = *League::withId("f1");
    game.homeTeam = event;
    game.awayTeam = event;
    game.status = status;
    game.venue = venue;
    return game;
}

void paintPointer(QPainter& painter, const QPointF& tip) {
    QPainterPath arrow;
    arrow.moveTo(tip);
    arrow.lineTo(tip + QPointF(0, 16));
    arrow.lineTo(tip + QPointF(4, 12.5));
    arrow.lineTo(tip + QPointF(7, 19));
    arrow.lineTo(tip + QPointF(9.5, 18));
    arrow.lineTo(tip + QPointF(6.5, 11.5));
    arrow.lineTo(tip + QPointF(11.5, 11.5));
    arrow.closeSubpath();
    painter.setPen(QPen(Qt::black, 1));
    painter.setBrush(Qt::white);
    painter.drawPath(arrow);
}
