#pragma once

#include "model/Team.h"

#include <QWidget>

class QLineEdit;
class QStackedWidget;
class SettingsController;
class WindowedRows;

// Every known team, searchable, favourites first and starred; a click on a row stars or unstars it. Only the
// rows in view exist: a college league alone lists hundreds of teams.
class FavoriteTeamsView : public QWidget {
    Q_OBJECT
public:
    explicit FavoriteTeamsView(SettingsController& controller, QWidget* parent = nullptr);

    void setSearchText(const QString& text);
    // The teams the list shows, in order.
    const QList<Team>& shownTeams() const { return m_shown; }
    bool showsPlaceholder() const;

private:
    QList<Team> sortedTeams() const;
    void refresh();
    void rebuildRows();
    QWidget* makeRow(qsizetype index, QWidget* parent);

    SettingsController& m_controller;
    QLineEdit* m_search;
    QStackedWidget* m_pages;
    WindowedRows* m_rows;
    QList<Team> m_shown;
    QSet<QString> m_shownFavorites; // league team ids
};
