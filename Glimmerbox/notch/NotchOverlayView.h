#pragma once

#include <QRegion>
#include <QWidget>

class AppState;

// The overlay's root view. For now it paints the compact bar: a black rounded bar at the top centre showing
// the first pinned game's score line. The window's mask follows what it paints, so that without a compositor
// the transparent remainder does not show as black.
class NotchOverlayView : public QWidget {
    Q_OBJECT
public:
    NotchOverlayView(bool hasPhysicalNotch, AppState& appState, QWidget* parent = nullptr);

    bool hasPhysicalNotch() const { return m_hasPhysicalNotch; }
    // The text the bar shows ("BOS 102 - 99 LAL" for the first pinned game, else the app name).
    QString barText() const;
    // The bar's rectangle and the region this view paints, in the view's coordinates.
    QRect barRect() const;
    QRegion paintedRegion() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void updateMask();

    bool m_hasPhysicalNotch;
    AppState& m_appState;
};
