#pragma once

#include "notch/picker/GamePickerView.h"

#include <QWidget>

// What the overlay shows with no game to display while the pointer is over it: a "Games" header over the
// game picker. The overlay takes the mouse while it is on screen, so the picker receives hover and clicks.
class IdlePanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int panelWidth = 380;
    static constexpr int headerHeight = 34;

    IdlePanel(AppState& appState, UserPreferences& preferences, Clock& clock,
              GamePickerView::Select selectGame, ModifierInput modifiers = {}, QWidget* parent = nullptr);

    GamePickerView& picker() const { return *m_picker; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    GamePickerView* m_picker;
};
