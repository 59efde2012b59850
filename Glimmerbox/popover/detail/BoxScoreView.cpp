#include "popover/detail/BoxScoreView.h"

#include "popover/common/PopoverStyle.h"
#include "popover/detail/DetailSections.h"
#include "popover/detail/EmptyTabText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QWidget* playerRow(const PlayerStats& player, QWidget* parent) {
    using namespace popoverstyle;
    auto* row = new QWidget(parent);
    auto* layout = popoverstyle::hbox(row, QMargins(0, 4, 0, 4));
    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    names->addWidget(label(player.name, subheadline, QFont::Medium, Tint::primary, row));
    names->addWidget(label(player.position + QStringLiteral(" · ") + player.team, caption2, QFont::Normal,
                           Tint::secondary, row));
    layout->addLayout(names);
    layout->addStretch();
    if (const std::optional<detailsections::Stat> stat = detailsections::firstStat(player.stats)) {
        // A long name gives way before the value.
        auto* value = new QVBoxLayout;
        value->setSpacing(2);
        value->addWidget(heldTo(label(stat->second, subheadline, QFont::DemiBold, Tint::primary, row)), 0,
                         Qt::AlignRight);
        value->addWidget(heldTo(label(stat->first, caption2, QFont::Normal, Tint::secondary, row)), 0,
                         Qt::AlignRight);
        layout->addLayout(value);
    }
    return row;
}

} // namespace

BoxScoreView::BoxScoreView(const std::optional<BoxScore>& boxScore, QWidget* parent) : QWidget(parent) {
    using namespace popoverstyle;
    auto* layout = popoverstyle::vbox(this, {}, 8);
    if (!boxScore) {
        layout->addWidget(emptyTabText(QStringLiteral("Box score not available"), this));
    } else if (!boxScore->playerStats.isEmpty()) {
        layout->addWidget(label(QStringLiteral("Player Stats"), headline, QFont::Bold, Tint::primary, this));
        for (const PlayerStats& player : boxScore->playerStats) {
            layout->addWidget(playerRow(player, this));
            layout->addWidget(divider(this));
        }
    }
    layout->addStretch();
}
