#include "popover/detail/SummaryTab.h"

#include "popover/common/PopoverStyle.h"
#include "popover/detail/DetailSections.h"
#include "popover/detail/PlayByPlayRowView.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QVBoxLayout* section(const QString& title, QVBoxLayout* parentLayout, QWidget* parent) {
    auto* layout = new QVBoxLayout;
    layout->setSpacing(8);
    layout->addWidget(popoverstyle::label(title, popoverstyle::headline, QFont::Bold, Tint::primary, parent));
    parentLayout->addLayout(layout);
    return layout;
}

QWidget* leaderRow(const LeaderCategory& leader, QWidget* parent) {
    using namespace popoverstyle;
    auto* row = new QWidget(parent);
    auto* layout = popoverstyle::hbox(row, {});
    QLabel* category = label(leader.category, caption, QFont::Normal, Tint::secondary, row);
    category->setFixedWidth(80);
    layout->addWidget(category);
    layout->addWidget(label(leader.playerName, caption, QFont::Medium, Tint::primary, row));
    layout->addStretch();
    // A long name gives way before the value.
    layout->addWidget(heldTo(label(leader.displayValue, caption, QFont::Normal, Tint::secondary, row)));
    return row;
}

} // namespace

SummaryTab::SummaryTab(const std::optional<Game>& game, const std::optional<GameDetail>& gameDetail,
                       const QList<PlayByPlayEvent>& playByPlay, QWidget* parent)
    : QWidget(parent) {
    using namespace popoverstyle;
    auto* layout = popoverstyle::vbox(this, QMargins(16, 16, 16, 16), 16);
    if (gameDetail && gameDetail->leaders) {
        QVBoxLayout* leaders = section(QStringLiteral("Game Leaders"), layout, this);
        for (const LeaderCategory& leader : detailsections::leaderRows(*gameDetail->leaders))
            leaders->addWidget(leaderRow(leader, this));
    }
    if (!playByPlay.isEmpty()) {
        QVBoxLayout* plays = section(QStringLiteral("Recent Plays"), layout, this);
        for (const PlayByPlayEvent& play : detailsections::recentPlays(playByPlay))
            plays->addWidget(new PlayByPlayRowView(play, this));
    }
    if (game) {
        QVBoxLayout* info = section(QStringLiteral("Game Info"), layout, this);
        auto* form = new QFormLayout;
        form->setLabelAlignment(Qt::AlignLeft);
        form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
        for (const detailsections::InfoRow& row : detailsections::gameInfoRows(*game)) {
            QLabel* value = label(row.value, body, QFont::Normal, Tint::secondary, this);
            value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
            form->addRow(label(row.label, body, QFont::Normal, Tint::primary, this), value);
        }
        info->addLayout(form);
    }
    layout->addStretch();
}
