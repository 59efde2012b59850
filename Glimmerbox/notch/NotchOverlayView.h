#pragma once

#include <QPainterPath>
#include <QRegion>
#include <QWidget>

class AppState;

// The overlay's root view. For now it paints the compact bar: a black panel hanging from the top centre with
// flat top and rounded bottom corners, showing the first pinned game's score line; with nothing pinned it
// paints nothing. The window's mask follows what it paints, so that without a compositor the transparent
// remainder does not show as black.
class NotchOverlayView : public QWidget {
    Q_OBJECT
public:
    static constexpr int barHeight = 34;
    static constexpr int barMinimumWidth = 200;
    static constexpr int barHorizontalPadding = 20;
    static constexpr int barBottomRadius = 12;
    static constexpr int textPixelSize = 13;

    NotchOverlayView(bool hasPhysicalNotch, AppState& appState, QWidget* parent = nullptr);

    bool hasPhysicalNotch() const { return m_hasPhysicalNotch; }
    // The text the bar shows: the first pinned game's score line ("BOS 102 - 99 LAL"); empty with no pin.
    QString barText() const;
    // The bar's rectangle (empty when nothing is shown) and its outline, in the view's coordinates.
    QRect barRect() const;
    QPainterPath barPath() const;
    // What this view paints, in its own coordinates.
    QRegion paintedRegion() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void pinnedGamesChanged();
    QFont barFont() const;
    void updateMask();

    bool m_hasPhysicalNotch;
    AppState& m_appState;
    QString m_shownText; // the text of the last repaint
};
