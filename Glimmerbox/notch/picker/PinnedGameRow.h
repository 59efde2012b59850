#pragma once

#include "notch/picker/PickerCardRow.h"

#include "platform/time/AnimationDriver.h"
#include "platform/time/Spring.h"

class AppState;

// A pinned game in the picker: the game part selects it on a click, the trailing button unpins it. It has
// no Ctrl selection.
class PinnedGameRow : public PickerCardRow {
    Q_OBJECT
public:
    static constexpr int buttonSize = 22;
    static constexpr SpringSpec unpinHoverSpring{0.15, 1.0}; // the button's colours ease over about 0.15 s

    PinnedGameRow(const Game& game, Select select, AppState& appState, Clock& clock,
                  QWidget* parent = nullptr);

    // The row's height for this game, before the row is built: the game's, or the button's when taller.
    static int heightFor(const Game& game);

    using PickerCardRow::setRowHovered;
    // Eases the button's colours over 0.15 s, or sets them at once.
    void setUnpinHovered(bool hovered, bool animated = true);
    // Where the unpin button sits, in the row's coordinates.
    QRectF unpinButtonRect() const;
    // 0 at rest, 1 when hovered: the blend of the button's colours now.
    double unpinHoverBlend() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    AppState& m_appState;
    AnimationDriver m_driver;
    Spring m_unpinBlend;
    bool m_unpinHovered = false;
};
