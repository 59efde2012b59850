#include "popover/menu/GameRowView.h"

#include "app/AppState.h"
#include "notch/panels/TeamLogoView.h"
#include "platform/text/DisplayText.h"
#include "platform/text/IconFont.h"
#include "platform/text/TextLabel.h"
#include "popover/common/CapsuleLabel.h"
#include "popover/common/DotView.h"
#include "popover/common/GameStatusBadge.h"
#include "popover/common/GameText.h"
#include "popover/common/PopoverStyle.h"
#include "popover/common/ScoreView.h"
#include "popover/detail/GameDetailView.h"
#include "popover/menu/FlagView.h"
#include "popover/menu/GameRowContent.h"
#include "popover/menu/PopoverServices.h"

#include <QClipboard>
#include <QDesktopServices>
#include <QDialog>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

using namespace popoverstyle;

// The room of a menu entry's text (the broadcast's name comes from the reply): the menu stays narrower than
// the popover.
constexpr int menuTextWidth = 240;

QWidget* teamColumn(const Team& team, bool isHome, QWidget* parent) {
    auto* column = new QWidget(parent);
    column->setFixedWidth(80);
    auto* layout = popoverstyle::hbox(column, {}, 5);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    const Qt::Alignment side = isHome ? Qt::AlignRight : Qt::AlignLeft;
    texts->addWidget(label(team.abbreviation, subheadline, QFont::DemiBold, Tint::primary, column), 0, side);
    if (team.record)
        texts->addWidget(
            label(team.record->formattedRecord(), caption2, QFont::Normal, Tint::secondary, column), 0, side);
    if (isHome) {
        layout->addStretch();
        layout->addLayout(texts);
        layout->addWidget(new TeamLogoView(team, 20, column));
    } else {
        layout->addWidget(new TeamLogoView(team, 20, column));
        layout->addLayout(texts);
        layout->addStretch();
    }
    return column;
}

QWidget* centreColumn(const Game& game, QWidget* parent) {
    auto* column = new QWidget(parent);
    column->setFixedWidth(100);
    auto* layout = popoverstyle::vbox(column, {}, 2);
    if (gamerow::centreOf(game) == gamerow::Centre::score) {
        layout->addWidget(new ScoreView(game.homeScore, game.awayScore, 16, column), 0, Qt::AlignHCenter);
        layout->addWidget(new GameStatusBadge(game, column), 0, Qt::AlignHCenter);
    } else {
        layout->addWidget(
            label(gametext::timeText(game.startTime), headline, QFont::Bold, Tint::primary, column), 0,
            Qt::AlignHCenter);
        if (game.broadcast)
            layout->addWidget(label(*game.broadcast, caption2, QFont::Normal, Tint::secondary, column), 0,
                              Qt::AlignHCenter);
    }
    return column;
}

// "1.", the flag's place and the leader's name.
void addLeaderLine(const RaceDriver& leader, QHBoxLayout* layout, QWidget* parent) {
    layout->addWidget(heldTo(label(QStringLiteral("1."), subheadline, QFont::Bold, Tint::primary, parent)));
    if (leader.flagURL)
        layout->addWidget(new FlagView(*leader.flagURL, parent));
    layout->addWidget(label(leader.name, subheadline, QFont::DemiBold, Tint::primary, parent));
}

} // namespace

GameRowView::GameRowView(const Game& game, bool isPinned, PopoverServices& services, QWidget* parent)
    : QWidget(parent), m_game(game), m_isPinned(isPinned), m_services(services) {
    setContextMenuPolicy(Qt::CustomContextMenu);
    setCursor(Qt::PointingHandCursor);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint& position) {
        QMenu* menu = buildContextMenu().release();
        menu->setAttribute(Qt::WA_DeleteOnClose);
        menu->popup(mapToGlobal(position));
    });
    if (m_game.league.sport == Sport::racing)
        buildRaceRow();
    else
        buildTeamRow();
}

void GameRowView::buildTeamRow() {
    auto* layout = popoverstyle::hbox(this, QMargins(12, 7, 12, 7), 8);
    layout->addWidget(teamColumn(m_game.awayTeam, false, this));
    layout->addWidget(centreColumn(m_game, this));
    layout->addWidget(teamColumn(m_game.homeTeam, true, this));
    addPinButton(layout);
}

void GameRowView::buildRaceRow() {
    auto* layout = popoverstyle::hbox(this, QMargins(12, 7, 12, 7), 8);
    const std::optional<RaceDriver> leader = gamerow::raceLeader(m_game);
    switch (gamerow::raceStateOf(m_game)) {
    case gamerow::RaceState::live: {
        if (leader)
            addLeaderLine(*leader, layout, this);
        layout->addStretch();
        auto* mark = new QHBoxLayout;
        mark->setSpacing(4);
        mark->addWidget(new DotView(6, Tint::red, this));
        if (m_game.clock)
            mark->addWidget(heldTo(label(*m_game.clock, caption, QFont::Normal, Tint::secondary, this)));
        else
            mark->addWidget(
                heldTo(label(gamerow::liveMarkText(m_game), caption, QFont::DemiBold, Tint::red, this)));
        layout->addLayout(mark);
        break;
    }
    case gamerow::RaceState::upcoming:
        layout->addWidget(
            label(gamerow::raceTitle(m_game), subheadline, QFont::DemiBold, Tint::primary, this));
        layout->addStretch();
        layout->addWidget(heldTo(
            label(gametext::timeText(m_game.startTime), caption, QFont::Normal, Tint::secondary, this)));
        break;
    case gamerow::RaceState::finished:
        if (leader)
            addLeaderLine(*leader, layout, this);
        layout->addStretch();
        layout->addWidget(
            new CapsuleLabel(QStringLiteral("Final"), caption, QMargins(6, 2, 6, 2), Tint::secondary, this));
        break;
    }
    addPinButton(layout);
}

void GameRowView::addPinButton(QHBoxLayout* layout) {
    m_pinButton = symbolButton({}, caption, Tint::secondary, {}, this);
    m_pinButton->setFixedWidth(20);
    connect(m_pinButton, &QToolButton::clicked, this, &GameRowView::togglePin);
    layout->addWidget(m_pinButton);
    updatePinButton();
}

void GameRowView::updatePinButton() {
    const gamerow::PinButtonLook look = gamerow::pinButtonLook(m_isPinned, m_isHovered);
    setSymbol(m_pinButton, look.symbol, caption, look.accent ? Tint::accent : Tint::secondary, look.opacity);
    m_pinButton->setToolTip(look.toolTip);
}

void GameRowView::setHovered(bool hovered) {
    m_isHovered = hovered;
    updatePinButton();
    update();
}

void GameRowView::paintEvent(QPaintEvent*) {
    if (!m_isHovered)
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QPainterPath shape;
    shape.addRoundedRect(QRectF(rect()), 6, 6);
    painter.fillPath(shape, color(Tint::accent, palette(), 0.08));
}

void GameRowView::enterEvent(QEnterEvent*) {
    setHovered(true);
}

void GameRowView::leaveEvent(QEvent*) {
    setHovered(false);
}

void GameRowView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        showDetail();
}

std::unique_ptr<QMenu> GameRowView::buildContextMenu() {
    using Action = gamerow::MenuEntry::Action;
    auto menu = std::make_unique<QMenu>(this);
    for (const gamerow::MenuEntry& entry : gamerow::menuEntries(m_game, m_isPinned)) {
        if (entry.action == Action::separator) {
            menu->addSeparator();
            continue;
        }
        const QIcon icon(
            iconfont::pixmap(entry.symbol, color(Tint::primary, palette()), 14, devicePixelRatioF()));
        QAction* action =
            menu->addAction(icon, literalMenuText(elidedLine(entry.text, menu->font(), menuTextWidth)));
        switch (entry.action) {
        case Action::togglePin:
            connect(action, &QAction::triggered, this, &GameRowView::togglePin);
            break;
        case Action::viewDetails:
            connect(action, &QAction::triggered, this, &GameRowView::showDetail);
            break;
        case Action::openInBrowser:
            connect(action, &QAction::triggered, this, &GameRowView::openInBrowser);
            break;
        case Action::copyScore:
            connect(action, &QAction::triggered, this, &GameRowView::copyScore);
            break;
        case Action::watch: // offered, and does nothing
        case Action::separator:
            break;
        }
    }
    return menu;
}

void GameRowView::showDetail() {
    auto* sheet = new QDialog(window());
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setModal(true);
    auto* layout = popoverstyle::vbox(sheet, {});
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(new GameDetailView(m_game.id, m_services.appState, m_services.scores, sheet));
    sheet->show();
}

void GameRowView::togglePin() {
    m_services.appState.togglePin(m_game);
}

void GameRowView::copyScore() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    clipboard->clear();
    clipboard->setText(gamerow::copyScoreText(m_game));
}

void GameRowView::openInBrowser() {
    if (const std::optional<QUrl> address = gamerow::browserAddress(m_game))
        QDesktopServices::openUrl(*address);
}
