#include "popover/detail/PlayerStatsView.h"

#include "popover/common/PopoverStyle.h"
#include "popover/detail/DetailSections.h"
#include "popover/detail/LazyRowList.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QWidget* playerRow(const PlayerStats& player, QWidget* parent) {
    using namespace popoverstyle;
    auto* row = new QWidget(parent);
    auto* outer = popoverstyle::vbox(row, QMargins(16, 0, 16, 0), 0);
    auto* layout = new QHBoxLayout;
    layout->setContentsMargins(0, 8, 0, 8);
    layout->setSpacing(12);
    auto* names = new QVBoxLayout;
    names->setSpacing(2);
    names->addWidget(label(player.name, subheadline, QFont::Medium, Tint::primary, row));
    auto* role = new QHBoxLayout;
    role->setSpacing(4);
    for (const QString& text : {player.position, QStringLiteral("·"), player.team})
        role->addWidget(label(text, caption2, QFont::Normal, Tint::secondary, row));
    role->addStretch();
    names->addLayout(role);
    // Top-aligned: the shorter column keeps its lines together at the top of the row.
    names->setAlignment(Qt::AlignTop);
    layout->addLayout(names);
    layout->addStretch();
    // A long name gives way before the statistics.
    auto* stats = new QVBoxLayout;
    stats->setSpacing(4);
    for (const auto& [name, value] : detailsections::leadingStats(player.stats)) {
        auto* stat = new QHBoxLayout;
        stat->setSpacing(6);
        stat->addStretch();
        stat->addWidget(heldTo(label(name, caption2, QFont::Normal, Tint::secondary, row)));
        stat->addWidget(heldTo(label(value, caption, QFont::DemiBold, Tint::primary, row)));
        stats->addLayout(stat);
    }
    stats->setAlignment(Qt::AlignTop);
    layout->addLayout(stats);
    outer->addLayout(layout);
    outer->addWidget(divider(row));
    return row;
}

} // namespace

PlayerStatsView::PlayerStatsView(const QList<PlayerStats>& stats, QWidget* parent) : QWidget(parent) {
    addRowsOrEmptyText(
        popoverstyle::vbox(this, {}), static_cast<int>(stats.size()),
        [stats](int index, QWidget* rowParent) { return playerRow(stats.at(index), rowParent); },
        QStringLiteral("No stats available"));
}
