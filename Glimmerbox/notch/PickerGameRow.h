#pragma once

#include "ModifierWatch.h"
#include "PickerRowContent.h"

#include <QWidget>

#include <functional>

// One row of the game picker. A click anywhere on the card, or pressing Ctrl (the Command key here) while
// the pointer rests on the row, selects the game; the row never changes the pins itself.
class PickerGameRow : public QWidget {
    Q_OBJECT
public:
    using Select = std::function<void(const Game&)>;

    PickerGameRow(const Game& game, Select select, Clock& clock, ModifierWatch::Query modifiers = {},
                  QWidget* parent = nullptr);

    const Game& game() const { return m_game; }
    void setGame(const Game& game);
    bool isHovered() const { return m_isHovered; }
    // The pointer entered or left the row (also for previews).
    void handleRowHover(bool hovering);
    bool isWatchingModifiers() const { return m_modifiers.isRunning(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void modifiersChanged(Qt::KeyboardModifiers modifiers);

    Game m_game;
    PickerRowContent m_content;
    Select m_select;
    ModifierWatch m_modifiers;
    bool m_isHovered = false;
};
