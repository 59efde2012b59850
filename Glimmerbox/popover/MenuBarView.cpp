#include "MenuBarView.h"

#include "app/AppState.h"

#include <QLabel>
#include <QListWidget>
#include <QVBoxLayout>

MenuBarView::MenuBarView(AppState& appState, QWidget* parent) : QWidget(parent), m_appState(appState) {
    auto* layout = new QVBoxLayout(this);
    auto* header = new QLabel(QStringLiteral("Pinned"), this);
    QFont bold = header->font();
    bold.setBold(true);
    header->setFont(bold);
    layout->addWidget(header);
    m_list = new QListWidget(this);
    layout->addWidget(m_list, 1);
    connect(&m_appState, &AppState::pinnedGamesChanged, this, &MenuBarView::reload);
    reload();
}

QStringList MenuBarView::lines() const {
    QStringList result;
    for (int row = 0; row < m_list->count(); ++row)
        result.append(m_list->item(row)->text());
    return result;
}

void MenuBarView::reload() {
    m_list->clear();
    for (const Game& game : m_appState.pinnedGames())
        m_list->addItem(game.scoreLine());
}
