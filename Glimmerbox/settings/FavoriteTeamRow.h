#pragma once

#include "model/Team.h"

#include <QWidget>

#include <functional>

// One team of the Teams tab: logo, name over league, and a star for a favourite. A click anywhere on the
// row toggles the favourite.
class FavoriteTeamRow : public QWidget {
    Q_OBJECT
public:
    FavoriteTeamRow(const Team& team, bool isFavorite, std::function<void()> onToggle,
                    QWidget* parent = nullptr);

protected:
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    std::function<void()> m_onToggle;
};
