#pragma once

#include "notch/picker/PickerCardRow.h"
#include "notch/window/ModifierWatch.h"

// One row of the game picker. A click anywhere on the card, or pressing Ctrl (the Command key here) while
// the pointer rests on the row, selects the game; the row never changes the pins itself.
class PickerGameRow : public PickerCardRow {
    Q_OBJECT
public:
    PickerGameRow(const Game& game, Select select, Clock& clock, ModifierInput modifiers = {},
                  QWidget* parent = nullptr);

    // The row's height for this game, before the row is built.
    static int heightFor(const Game& game);

    // The pointer entered or left the row (also for previews).
    void handleRowHover(bool hovering);
    bool isWatchingModifiers() const { return m_modifiers.isRunning(); }

protected:
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    void modifiersChanged(Qt::KeyboardModifiers modifiers);

    ModifierWatch m_modifiers;
};
