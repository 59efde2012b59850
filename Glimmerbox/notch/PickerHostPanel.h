#pragma once

#include "GamePickerView.h"

#include <QWidget>

class OverlayNotificationCenter;

// A panel of the overlay that holds a game picker: the idle panel ("Games" header over the picker, shown
// with nothing to display) or the jumbo picker (a hairline over the picker, under the expanded card). While
// it is on screen the overlay window takes the mouse; when it leaves the screen the window lets clicks
// through again.
class PickerHostPanel : public QWidget {
    Q_OBJECT
public:
    enum class Kind { idle, jumbo };
    static constexpr int panelWidth = 380;
    static constexpr int idleHeaderHeight = 34;
    static constexpr int jumboDividerHeight = 1;

    PickerHostPanel(Kind kind, AppState& appState, UserPreferences& preferences, Clock& clock,
                    GamePickerView::Select selectGame, OverlayNotificationCenter& center,
                    ModifierWatch::Query modifiers = {}, QWidget* parent = nullptr);

    Kind kind() const { return m_kind; }
    GamePickerView& picker() const { return *m_picker; }
    int headerHeight() const { return m_kind == Kind::idle ? idleHeaderHeight : jumboDividerHeight; }

    QSize sizeHint() const override;

signals:
    void contentHeightChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    Kind m_kind;
    OverlayNotificationCenter& m_center;
    GamePickerView* m_picker;
};
