#include "popover/detail/GameDetailView.h"

#include "popover/detail/DetailWindowTitle.h"
#include "popover/detail/GameDetailPanel.h"
#include "popover/detail/GameDetailViewModel.h"

#include "popover/common/PopoverStyle.h"

#include <QVBoxLayout>

GameDetailView::GameDetailView(QString gameId, AppState& appState, ScoresService& scores, QWidget* parent)
    : GameDetailView(std::move(gameId), std::nullopt, FirstLoad::cached, appState, scores, parent) {}

GameDetailView::GameDetailView(QString gameId, std::optional<League> league, FirstLoad firstLoad,
                               AppState& appState, ScoresService& scores, QWidget* parent)
    : QWidget(parent),
      m_viewModel(new GameDetailViewModel(std::move(gameId), std::move(league), appState, scores, this)),
      m_firstLoad(firstLoad) {
    auto* layout = popoverstyle::vbox(this, {});
    layout->setSizeConstraint(QLayout::SetFixedSize);
    m_panel = new GameDetailPanel(this);
    layout->addWidget(m_panel);
    connect(m_panel, &GameDetailPanel::refreshRequested, m_viewModel, &GameDetailViewModel::refresh);
    // A load publishes several properties in a row: the panel redraws once, on the next turn.
    const auto later = [this] { schedulePublish(); };
    connect(m_viewModel, &GameDetailViewModel::gameChanged, this, later);
    connect(m_viewModel, &GameDetailViewModel::gameDetailChanged, this, later);
    connect(m_viewModel, &GameDetailViewModel::playByPlayChanged, this, later);
    connect(m_viewModel, &GameDetailViewModel::isLoadingChanged, this, later);
    connect(m_viewModel, &GameDetailViewModel::errorChanged, this, later);
}

const QString& GameDetailView::gameId() const {
    return m_viewModel->gameId();
}

void GameDetailView::reload() {
    m_viewModel->refresh();
}

void GameDetailView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (m_hasAppeared)
        return;
    m_hasAppeared = true;
    // Runs detached, as a refresh does; a live first load is one.
    if (m_firstLoad == FirstLoad::live)
        m_viewModel->refresh();
    else
        m_viewModel->loadGameDetail();
}

void GameDetailView::schedulePublish() {
    if (m_publishPending)
        return;
    m_publishPending = true;
    QMetaObject::invokeMethod(this, &GameDetailView::publish, Qt::QueuedConnection);
}

void GameDetailView::publish() {
    m_publishPending = false;
    m_panel->setState({m_viewModel->game(), m_viewModel->gameDetail(), m_viewModel->playByPlay(),
                       m_viewModel->isLoading(), m_viewModel->error()});
    if (m_viewModel->game())
        setWindowTitle(detailWindowTitle(*m_viewModel->game()));
}
