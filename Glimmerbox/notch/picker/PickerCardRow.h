#pragma once

#include "notch/picker/PickerRowContent.h"

#include "platform/time/SpinnerTicker.h"

#include <QWidget>

#include <functional>

class QPainter;

// What the picker's game rows share: the game and what it shows, the card inside the row's side margins
// with its highlight while hovered, the spinner of a logo that is loading, and the callback that selects
// the game.
class PickerCardRow : public QWidget {
    Q_OBJECT
public:
    using Select = std::function<void(const Game&)>;

    const Game& game() const { return m_game; }
    void setGame(const Game& game);

    bool isHovered() const { return m_isHovered; }
    // True while a logo of the row loads and the row is shown: its spinner turns.
    bool isSpinning() const { return m_spinner.isTicking(); }

    QSize sizeHint() const override;

protected:
    // `trailingSpace` is kept clear at the card's right end, beside the game, for a control of the row.
    PickerCardRow(const Game& game, PickerRowContent::Form form, Select select, double trailingSpace,
                  Clock& clock, QWidget* parent);

    void setRowHovered(bool hovered);
    void select() { m_select(m_game); }
    const PickerRowContent& content() const { return m_content; }
    // The highlight's rectangle: the row less its side margins.
    QRectF cardRect() const;
    // The card with its highlight and the game inside it, clear of the trailing space.
    void paintRow(QPainter& painter);

    void paintEvent(QPaintEvent* event) override;

private:
    Game m_game;
    PickerRowContent m_content;
    Select m_select;
    double m_trailingSpace;
    Clock& m_clock;
    bool m_isHovered = false;
    SpinnerTicker m_spinner{this, m_clock};
};
