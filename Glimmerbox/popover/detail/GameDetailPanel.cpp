#include "popover/detail/GameDetailPanel.h"

#include "popover/common/CapsuleLabel.h"
#include "popover/common/LoadingView.h"
#include "popover/common/PopoverStyle.h"
#include "popover/detail/BoxScoreView.h"
#include "popover/detail/DetailScoreboard.h"
#include "popover/detail/DetailTabBar.h"
#include "popover/detail/ErrorView.h"
#include "popover/detail/PlayByPlayView.h"
#include "popover/detail/PlayerStatsView.h"
#include "popover/detail/SummaryTab.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QScrollArea>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

QScrollArea* scrolling(QWidget* content, QWidget* parent) {
    auto* area = new QScrollArea(parent);
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(content);
    return area;
}

} // namespace

GameDetailPanel::GameDetailPanel(QWidget* parent) : QWidget(parent) {
    setFixedWidth(panelWidth);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Window);
    m_layout = popoverstyle::vbox(this, {}, 0);
    buildHeader();
    updateHeader();
    rebuildBody();
}

void GameDetailPanel::setState(const DetailPanelState& state) {
    m_state = state;
    updateHeader();
    rebuildBody();
}

void GameDetailPanel::selectTab(DetailTab tab) {
    m_selectedTab = tab;
    rebuildBody();
}

bool GameDetailPanel::isRefreshEnabled() const {
    return m_refresh->isEnabled();
}

void GameDetailPanel::buildHeader() {
    using namespace popoverstyle;
    auto* header = new QWidget(this);
    auto* layout = popoverstyle::hbox(header, QMargins(16, 12, 16, 12));
    QToolButton* close =
        symbolButton(QStringLiteral("xmark.circle.fill"), title3, Tint::secondary, {}, header);
    // Closes whatever hosts the panel: the sheet over the popover or the detail window.
    connect(close, &QToolButton::clicked, this, [this] { window()->close(); });
    layout->addWidget(close);
    layout->addStretch();
    m_chip = new CapsuleLabel({}, popoverstyle::caption, QMargins(8, 3, 8, 3), Tint::primary, header);
    layout->addWidget(m_chip);
    layout->addStretch();
    m_refresh = symbolButton(QStringLiteral("arrow.clockwise"), caption, Tint::primary, {}, header);
    connect(m_refresh, &QToolButton::clicked, this, &GameDetailPanel::requestRefresh);
    layout->addWidget(m_refresh);
    m_layout->addWidget(header);
}

void GameDetailPanel::updateHeader() {
    m_chip->setVisible(m_state.game.has_value());
    if (m_state.game)
        m_chip->setText(m_state.game->league.abbreviation);
    m_refresh->setEnabled(!m_state.isLoading);
    popoverstyle::setSymbol(m_refresh, QStringLiteral("arrow.clockwise"), popoverstyle::caption,
                            m_state.isLoading ? Tint::secondary : Tint::primary);
}

void GameDetailPanel::requestRefresh() {
    // On the next turn: the load publishes at once, and the rebuild it causes may replace the very button
    // (the error view's "Retry") that is still delivering its click.
    QMetaObject::invokeMethod(this, &GameDetailPanel::refreshRequested, Qt::QueuedConnection);
}

void GameDetailPanel::rebuildBody() {
    delete m_bodyWidget;
    m_body = detailBodyFor(m_state.isLoading, m_state.game.has_value(), m_state.error.has_value());
    switch (m_body) {
    case DetailBody::loading:
        m_bodyWidget = new LoadingView(QStringLiteral("Loading game details..."), this);
        break;
    case DetailBody::error:
        m_bodyWidget = new ErrorView(
            m_state.error->errorDescription(), [this] { requestRefresh(); }, this);
        break;
    case DetailBody::content: {
        m_bodyWidget = new QWidget(this);
        auto* layout = popoverstyle::vbox(m_bodyWidget, {}, 0);
        if (m_state.game)
            layout->addWidget(new DetailScoreboard(*m_state.game, m_bodyWidget));
        auto* tabs = new DetailTabBar(m_selectedTab, m_bodyWidget);
        // Rebuilt on the next turn: the tab bar that reports the click is among what the rebuild replaces.
        connect(
            tabs, &DetailTabBar::tabSelected, this, [this](DetailTab tab) { selectTab(tab); },
            Qt::QueuedConnection);
        layout->addWidget(tabs);
        layout->addWidget(tabContent(), 1);
        break;
    }
    }
    m_bodyWidget->setFixedHeight(bodyHeight);
    m_layout->addWidget(m_bodyWidget);
    // At once: a layout shows a child added to a visible widget only on a later turn.
    m_bodyWidget->show();
}

QWidget* GameDetailPanel::tabContent() {
    const std::optional<BoxScore> boxScore =
        m_state.gameDetail ? m_state.gameDetail->boxScore : std::optional<BoxScore>();
    switch (m_selectedTab) {
    case DetailTab::summary:
        return scrolling(new SummaryTab(m_state.game, m_state.gameDetail, m_state.playByPlay), m_bodyWidget);
    case DetailTab::boxScore: {
        auto* padded = new QWidget;
        auto* layout = popoverstyle::vbox(padded, QMargins(16, 16, 16, 16));
        layout->addWidget(new BoxScoreView(boxScore, padded));
        return scrolling(padded, m_bodyWidget);
    }
    case DetailTab::playByPlay:
        return new PlayByPlayView(m_state.playByPlay, m_bodyWidget);
    case DetailTab::stats:
        return new PlayerStatsView(boxScore ? boxScore->playerStats : QList<PlayerStats>(), m_bodyWidget);
    }
    return new QWidget(m_bodyWidget);
}
