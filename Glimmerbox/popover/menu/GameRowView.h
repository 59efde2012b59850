#pragma once

#include "model/Game.h"

#include <QWidget>

#include <memory>

class QHBoxLayout;
class QMenu;
class QToolButton;
struct PopoverServices;

// One game of the popover: away team, score or start time, home team (or a race's leader and state) and
// the pin. Highlights under the pointer, opens the game's detail sheet when clicked, and offers pin,
// details, broadcast, browser and copy actions in its context menu.
class GameRowView : public QWidget {
    Q_OBJECT
public:
    GameRowView(const Game& game, bool isPinned, PopoverServices& services, QWidget* parent = nullptr);

    const Game& game() const { return m_game; }
    void setHovered(bool hovered);

    // The context menu, owned by the caller.
    std::unique_ptr<QMenu> buildContextMenu();
    // The detail sheet: a modal dialog over the row's window, deleted once closed.
    void showDetail();
    void togglePin();
    void copyScore();
    void openInBrowser();

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void buildTeamRow();
    void buildRaceRow();
    void addPinButton(QHBoxLayout* layout);
    void updatePinButton();

    Game m_game;
    bool m_isPinned;
    bool m_isHovered = false;
    PopoverServices& m_services;
    QToolButton* m_pinButton = nullptr;
};
