#pragma once

#include "notch/window/OverlayPointerTracker.h"
#include "platform/input/PointerSource.h"
#include "platform/time/Clock.h"

#include <QPointer>
#include <QRect>
#include <QVariantMap>
#include <QWidget>

#include <memory>
#include <optional>

class OverlayNotificationCenter;

// The borderless, transparent overlay window at the top centre of the primary screen. It lets every click
// fall through until the overlay view asks for the mouse, yet still notices the pointer near the top strip
// and sideways swipes over it, and reports both through OverlayNotificationCenter.
class ClickThroughWindow : public QWidget {
    Q_OBJECT
public:
    // While the pointer is inside, how often it is read besides its motion: a warp makes none, and a
    // click-through window gets no crossings, so only a read notices a pointer set down far away.
    static constexpr std::chrono::milliseconds insideReadPeriod{250};

    // `contentRect` is in Qt screen coordinates (top-left origin). Null collaborators mean the real ones:
    // the system pointer source, the system clock and the shared notification centre.
    explicit ClickThroughWindow(const QRect& contentRect, PointerSource* pointerSource = nullptr,
                                Clock* clock = nullptr, OverlayNotificationCenter* center = nullptr);
    ~ClickThroughWindow() override;

    // Where the pointer must be to count as entering; none means the window's frame.
    void setHoverZone(std::optional<QRect> zone);
    // Where the pointer may be to count as still inside; none means the window's frame.
    void setExpandedZone(std::optional<QRect> zone);

    // Hosts the content (a FirstMouseHostingView) over the whole window.
    void setContentView(QWidget* view);

    // Makes the window click-through, starts following the pointer and scrolls, and listens for
    // set-interactive notifications.
    void startTracking();

    bool isInteractive() const;
    bool isMouseInside() const;
    bool canBecomeKeyWindow() const { return false; }
    bool canBecomeMainWindow() const { return false; }

    // The set-interactive notification: only a bool under "interactive" counts (anything else is false); the
    // switch itself is applied later on the event loop.
    void handleSetInteractive(const QVariantMap& userInfo);
    // A pointer move and a scroll step from the pointer source.
    void checkMousePosition();
    void handleScroll(const ScrollDelta& delta);
    // Reads the pointer at once; a move it finds is reported like any other.
    void readPointerNow();

signals:
    // Every polled pointer position (global), for content that reacts to hover while the mouse falls through.
    void pointerMoved(QPoint globalPosition);

protected:
    // The window's own crossings: the X server reports them for every kind of pointer move, also for those
    // without raw motion (warps by remote-desktop tools and scripts).
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void post(OverlayPointerTracker::Event event);
    void applyInteractive(bool interactive);
    void frameChanged();
    // Tells the pointer source what matters now: where to poll quickly and whether to listen for scrolls;
    // reads the pointer now and then while it is inside, and never while it is outside.
    void updatePointerInterest();

    QPointer<PointerSource> m_pointer;
    Clock& m_clock;
    OverlayNotificationCenter& m_center;
    std::unique_ptr<OverlayPointerTracker> m_tracker;
    QWidget* m_contentView = nullptr;
    bool m_tracking = false;
    ClockTimerPtr m_insideReads;
};
