#pragma once

#include "model/Game.h"
#include "model/League.h"

#include <QWidget>

#include <functional>

struct PopoverServices;

// The head of one league of the popover: a header with the sport's symbol, the abbreviation, a live dot and
// the number of games, which opens and closes the list of the league's games below it, and "No games today"
// when it is open on none. The popover's list places the game rows under it.
class LeagueSectionView : public QWidget {
    Q_OBJECT
public:
    LeagueSectionView(const League& league, bool isExpanded, PopoverServices& services,
                      QWidget* parent = nullptr);

    const League& league() const { return m_league; }

signals:
    void expandedToggled(const QString& leagueId, bool isExpanded);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    League m_league;
    bool m_isExpanded;
    QWidget* m_header = nullptr;
};
