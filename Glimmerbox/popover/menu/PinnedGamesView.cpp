#include "popover/menu/PinnedGamesView.h"

#include "app/AppState.h"
#include "platform/text/PixelFont.h"
#include "popover/common/PopoverStyle.h"
#include "popover/menu/GameRowView.h"
#include "popover/menu/PopoverServices.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

PinnedGamesView::PinnedGamesView(PopoverServices& services, QWidget* parent) : QWidget(parent) {
    using namespace popoverstyle;
    auto* layout = popoverstyle::vbox(this, {}, 4);
    auto* header = new QHBoxLayout;
    header->setContentsMargins(12, 8, 12, 0);
    header->addWidget(symbol(QStringLiteral("pin.fill"), caption, Tint::secondary, this));
    header->addWidget(label(QStringLiteral("Pinned"), caption, QFont::Normal, Tint::secondary, this));
    header->addStretch();
    auto* clear = new QPushButton(QStringLiteral("Clear"), this);
    clear->setFlat(true);
    clear->setCursor(Qt::PointingHandCursor);
    clear->setFont(pixelFont(caption));
    clear->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; color: %1; }")
                             .arg(color(Tint::accent, palette()).name()));
    // Queued: clearing rebuilds the popover, this button included.
    connect(
        clear, &QPushButton::clicked, this, [&services] { clearPinnedGames(services); },
        Qt::QueuedConnection);
    header->addWidget(clear);
    layout->addLayout(header);
    for (const Game& game : services.appState.pinnedGames())
        layout->addWidget(new GameRowView(game, true, services, this));
}

void PinnedGamesView::clearPinnedGames(PopoverServices& services) {
    services.appState.clearPins();
}
