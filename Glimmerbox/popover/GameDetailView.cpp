#include "GameDetailView.h"

#include "app/AppState.h"

#include <QLabel>
#include <QVBoxLayout>

GameDetailView::GameDetailView(QString gameId, AppState& appState, QWidget* parent)
    : QWidget(parent), m_gameId(std::move(gameId)), m_appState(appState) {
    auto* layout = new QVBoxLayout(this);
    m_headline = new QLabel(this);
    m_headline->setAlignment(Qt::AlignCenter);
    layout->addWidget(m_headline);
    connect(&m_appState, &AppState::gamesChanged, this, &GameDetailView::reload);
    reload();
}

QString GameDetailView::headline() const {
    return m_headline->text();
}

void GameDetailView::reload() {
    for (const QList<Game>& games : m_appState.games()) {
        for (const Game& game : games) {
            if (game.id == m_gameId) {
                m_headline->setText(game.scoreLine());
                return;
            }
        }
    }
    m_headline->setText(m_gameId);
}
