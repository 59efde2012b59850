#include "popover/common/GameStatusBadge.h"

#include "popover/common/DotView.h"
#include "popover/common/PopoverStyle.h"
#include "popover/common/StatusBadgeContent.h"

#include <QHBoxLayout>
#include <QLabel>

GameStatusBadge::GameStatusBadge(const Game& game, QWidget* parent) : QWidget(parent) {
    using namespace popoverstyle;
    const StatusBadgeContent content = StatusBadgeContent::of(game);
    auto* layout = popoverstyle::hbox(this, {}, 3);
    if (!content.isLive) {
        layout->addWidget(label(content.text, caption2, QFont::Normal, content.tint, this));
        return;
    }
    layout->addWidget(new DotView(5, Tint::red, this));
    for (const QString& text : content.liveTexts)
        layout->addWidget(label(text, caption2, QFont::Normal, Tint::red, this));
}
