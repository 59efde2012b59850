#include "popover/detail/DetailScoreboard.h"

#include "notch/panels/TeamLogoView.h"
#include "popover/common/GameStatusBadge.h"
#include "popover/common/PopoverStyle.h"
#include "popover/common/ScoreView.h"
#include "popover/detail/BaseDiamondView.h"
#include "popover/detail/SituationLine.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QVBoxLayout>

namespace {

// A two-word name takes two lines in the narrow column; a longer one is shortened on the second.
constexpr int teamNameLines = 2;

QWidget* teamColumn(const Team& team, QWidget* parent) {
    using namespace popoverstyle;
    auto* column = new QWidget(parent);
    column->setFixedWidth(90);
    auto* layout = popoverstyle::vbox(column, {}, 4);
    layout->addWidget(new TeamLogoView(team, 48, column), 0, Qt::AlignHCenter);
    QLabel* name =
        paragraph(team.shortName, subheadline, QFont::Medium, Tint::primary, column, teamNameLines);
    name->setAlignment(Qt::AlignHCenter);
    layout->addWidget(name);
    if (team.record)
        layout->addWidget(
            label(team.record->formattedRecord(), caption2, QFont::Normal, Tint::secondary, column), 0,
            Qt::AlignHCenter);
    layout->addStretch();
    return column;
}

QWidget* situationStrip(const Game& game, QWidget* parent) {
    using namespace popoverstyle;
    const SituationLine line = SituationLine::of(game);
    auto* strip = new QWidget(parent);
    auto* layout = popoverstyle::hbox(strip, {}, 8);
    for (const SituationLine::Text& text : line.texts) {
        QLabel* shown = label(text.text, caption2, QFont::Normal,
                              text.highlighted ? Tint::orange : Tint::secondary, strip);
        layout->addWidget(text.fromReply ? shown : heldTo(shown));
    }
    if (line.showsBaseDiamond)
        layout->addWidget(new BaseDiamondView(line.basesOccupied, strip));
    return strip;
}

} // namespace

DetailScoreboard::DetailScoreboard(const Game& game, QWidget* parent) : QWidget(parent) {
    auto* layout = popoverstyle::hbox(this, QMargins(16, 16, 16, 16), 16);
    layout->addStretch();
    layout->addWidget(teamColumn(game.awayTeam, this));
    auto* centre = new QWidget(this);
    centre->setMinimumWidth(140);
    auto* centreLayout = popoverstyle::vbox(centre, {}, 6);
    centreLayout->addWidget(new ScoreView(game.homeScore, game.awayScore, 32, centre), 0, Qt::AlignHCenter);
    centreLayout->addWidget(new GameStatusBadge(game, centre), 0, Qt::AlignHCenter);
    if (game.situations)
        centreLayout->addWidget(situationStrip(game, centre), 0, Qt::AlignHCenter);
    centreLayout->addStretch();
    layout->addWidget(centre);
    layout->addWidget(teamColumn(game.homeTeam, this));
    layout->addStretch();
}

void DetailScoreboard::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), popoverstyle::color(Tint::secondary, palette(), 0.07));
}
