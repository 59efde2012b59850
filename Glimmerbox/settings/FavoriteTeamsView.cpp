#include "FavoriteTeamsView.h"

#include "FavoriteTeamRow.h"
#include "FavoriteTeams.h"
#include "SettingsController.h"
#include "SettingsForm.h"
#include "SettingsObserver.h"
#include "app/AppState.h"
#include "model/UserPreferences.h"
#include "platform/list/WindowedRows.h"

#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <memory>

FavoriteTeamsView::FavoriteTeamsView(SettingsController& controller, QWidget* parent)
    : QWidget(parent), m_controller(controller) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_search = new QLineEdit(this);
    m_search->setPlaceholderText(QStringLiteral("Search teams..."));
    m_search->setClearButtonEnabled(true);
    auto* searchRow = new QVBoxLayout;
    searchRow->setContentsMargins(12, 10, 12, 10);
    searchRow->addWidget(m_search);
    layout->addLayout(searchRow);

    m_pages = new QStackedWidget(this);
    auto* placeholder = new QWidget(m_pages);
    auto* placeholderLayout = new QVBoxLayout(placeholder);
    placeholderLayout->addStretch(1);
    auto* noData = new QLabel(QStringLiteral("No team data loaded yet."), placeholder);
    auto* hint = new QLabel(QStringLiteral("Scores refresh automatically."), placeholder);
    hint->setFont(pixelFont(hint, 10));
    for (QLabel* label : {noData, hint}) {
        label->setAlignment(Qt::AlignCenter);
        label->setForegroundRole(QPalette::PlaceholderText);
        placeholderLayout->addWidget(label);
    }
    placeholderLayout->addStretch(1);
    m_pages->addWidget(placeholder);

    auto* scroll = new QScrollArea(m_pages);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_rows = new WindowedRows(*scroll,
                              [this](qsizetype index, QWidget* parent) { return makeRow(index, parent); });
    m_rows->setSideMargins(4, 4);
    // A click stars its team on a later turn, so no row is in its own event when the list changes.
    m_rows->setDeletesRowsAtOnce(true);
    m_pages->addWidget(scroll);
    layout->addWidget(m_pages, 1);

    connect(m_search, &QLineEdit::textChanged, this, &FavoriteTeamsView::refresh);
    auto* observer = new SettingsObserver(controller.prefs(), this);
    connect(observer, &SettingsObserver::changed, this, &FavoriteTeamsView::refresh);
    connect(&controller.appState(), &AppState::allTeamsListChanged, this, &FavoriteTeamsView::refresh);
    connect(&controller.appState(), &AppState::gamesChanged, this, &FavoriteTeamsView::refresh);
    refresh();
}

void FavoriteTeamsView::setSearchText(const QString& text) {
    m_search->setText(text);
}

bool FavoriteTeamsView::showsPlaceholder() const {
    return m_pages->currentIndex() == 0;
}

QList<Team> FavoriteTeamsView::sortedTeams() const {
    const AppState& state = m_controller.appState();
    return favoriteteams::sortedTeams(state.allTeamsList(), state.enabledLeagueGames(),
                                      m_controller.prefs().favoriteTeamIds());
}

void FavoriteTeamsView::refresh() {
    const QSet<QString>& favorites = m_controller.prefs().favoriteTeamIds();
    const QList<Team> sorted = sortedTeams();
    // The placeholder is for no teams at all; a search that matches nothing shows an empty list.
    m_pages->setCurrentIndex(sorted.isEmpty() ? 0 : 1);
    QList<Team> shown = favoriteteams::filteredTeams(sorted, m_search->text());
    QSet<QString> shownFavorites;
    for (const Team& team : std::as_const(shown)) {
        if (namesTeam(favorites, team))
            shownFavorites.insert(team.leagueTeamId());
    }
    // Most changes of the settings leave the list as it is: keep the rows then.
    if (shown == m_shown && shownFavorites == m_shownFavorites)
        return;
    m_shown = std::move(shown);
    m_shownFavorites = std::move(shownFavorites);
    rebuildRows();
}

void FavoriteTeamsView::rebuildRows() {
    // A name is cut to one line, so every row stands as tall as the first. The scroll position stays where
    // it was, within the new length.
    int rowHeight = 0;
    if (!m_shown.isEmpty()) {
        const std::unique_ptr<QWidget> first(makeRow(0, m_rows));
        rowHeight = first->sizeHint().height();
    }
    m_rows->reset(QList<int>(m_shown.size(), rowHeight));
}

QWidget* FavoriteTeamsView::makeRow(qsizetype index, QWidget* parent) {
    const Team& team = m_shown.at(index);
    // Toggled on a later turn: the row that was clicked is replaced by the rebuild the change starts.
    auto toggle = [this, team] {
        QMetaObject::invokeMethod(
            this, [this, team] { favoriteteams::toggleFavorite(m_controller.prefs(), team, sortedTeams()); },
            Qt::QueuedConnection);
    };
    return new FavoriteTeamRow(team, m_shownFavorites.contains(team.leagueTeamId()), toggle, parent);
}
