#pragma once

#include "notch/panels/OverlayPanelFrame.h"
#include "notch/state/CelebrationMotion.h"
#include "notch/state/NotchViewModel.h"
#include "notch/state/OverlayPresenter.h"
#include "notch/window/PillHover.h"
#include "notch/window/SwipeDirection.h"

#include "platform/time/AnimationDriver.h"
#include "platform/time/Clock.h"
#include "platform/time/SpinnerTicker.h"
#include "platform/time/Spring.h"

#include <QPixmap>
#include <QPointer>
#include <QRegion>
#include <QWidget>
#include <map>
#include <vector>

#include <optional>

class AppState;
class ClickThroughWindow;
class OverlayNotificationCenter;

// Builds the panels the root view hosts but does not paint itself (racing panels, leaders, idle panel,
// game picker, SELECT pill). A panel is a widget sized by its sizeHint(); it reads what it shows from the
// view model. Returning nullptr leaves the slot empty.
class OverlayPanelFactory {
public:
    virtual ~OverlayPanelFactory() = default;
    virtual QWidget* createPanel(OverlaySlot slot, NotchViewModel& viewModel, AppState& appState,
                                 QWidget* parent) = 0;
};

// The overlay's root view: one black panel hanging from the top centre, whose state, size and parts the
// presenter decides from the view model and the hover. It paints the compact bar, the celebration, the
// expanded score card and the action strip itself and hosts the other panels from the factory. Every size
// and opacity moves on a spring driven by one AnimationDriver, which stops once all have settled; the
// window's mask follows the painted panel on every frame.
class NotchOverlayView : public QWidget {
    Q_OBJECT
public:
    static constexpr SpringSpec hoverSpring{0.3, 0.75};
    static constexpr SpringSpec showBarSpring{0.5, 0.7};
    static constexpr SpringSpec identitySpring{0.45, 0.75};
    static constexpr double unpinHoverDelay = 0.5;

    // The view model is adopted (parented to the view). A null factory hosts no panels.
    NotchOverlayView(bool hasPhysicalNotch, NotchViewModel* viewModel, AppState& appState, Clock& clock,
                     OverlayNotificationCenter& center, OverlayPanelFactory* panels = nullptr,
                     QWidget* parent = nullptr);
    ~NotchOverlayView() override;

    bool hasPhysicalNotch() const { return m_hasPhysicalNotch; }
    NotchViewModel& viewModel() const { return *m_viewModel; }
    bool isHovered() const { return m_isHovered; }
    bool isBarVisible() const { return m_isBarVisible; }
    const OverlayPresentation& presentation() const { return m_rest.presentation; }
    // The expanded score card's contents, as painted.
    const ScoreCardContent& scoreCard() const { return m_rest.card; }
    AnimationDriver& animationDriver() { return m_driver; }

    // The panel as it stands on this frame, in the view's coordinates; empty when nothing is shown.
    QRectF panelRect() const;
    // What this view paints on this frame, in its own coordinates.
    QRegion paintedRegion() const;
    // Where the UNPIN pill sits now (empty while the action strip is absent).
    QRectF unpinPillRect() const;
    // The hosted panel of `slot`, once created.
    QWidget* hostedPanel(OverlaySlot slot) const;

    // The pointer at a global position, followed while the window lets the mouse through.
    void pointerMovedTo(const QPoint& globalPosition);
    // Follows the pointer that `window` tracks, and has it read afresh when a decision needs it.
    void followPointerOf(ClickThroughWindow& window);
    // The window's hover and swipe notifications (also reachable through the notification centre).
    void handleMouseEntered();
    void handleMouseExited();
    void handleSwipe(SwipeDirection direction);

signals:
    // Re-emitted pointer positions, for hosted panels that react to hover while the window ignores the mouse.
    void pointerMoved(QPoint globalPosition);
    // A decision is due that needs the pointer where it is now (a read answers through pointerMovedTo).
    void pointerReadWanted();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void bindViewModel();
    // A view-model change: applied at the end of the event-loop turn, so that the changes of one step are
    // animated together with the spring that came with them.
    void scheduleRefresh(ChangeAnimation animation);
    void refresh();
    void setHovered(bool hovered);
    void showBar();
    void retargetSprings(SpringSpec spring, bool animated, bool sizeInPlace);
    void syncHostedPanels();
    // An open card that names the day is built again when the next day begins.
    void armDayChange();
    void setWindowInteractive(bool interactive);
    // Arms or disarms the UNPIN rest after a change of its hover.
    void followUnpinHover(PillHover::Change change);
    void frame();
    void updateMask();

    double contentHeight() const;
    OverlaySections sections(double panelWidth) const;
    // Paints the current panel (not the outgoing one) with its top centre at the origin.
    bool paintPanel(QPainter& painter, double turn);
    // The same into a pixmap of the panel's size; `loading` tells whether a logo in it is still loading.
    QPixmap snapshotPanel(bool* loading = nullptr);
    // The current panel while a transition moves it, with its top centre at the origin.
    bool paintIncoming(QPainter& painter);
    bool inTransition() const;
    // Every spring of the panel's own shape and contents: all but the transition's.
    std::vector<Spring*> panelSprings();

    bool m_hasPhysicalNotch;
    NotchViewModel* m_viewModel;
    AppState& m_appState;
    Clock& m_clock;
    OverlayNotificationCenter& m_center;
    OverlayPanelFactory* m_panels;
    AnimationDriver m_driver;

    // View state.
    bool m_isHovered = false;
    bool m_isBarVisible = false;
    ClockTimerPtr m_unpinHoverTimer;
    PillHover m_unpinHover;
    ClockTimerPtr m_dayChangeTimer;
    bool m_interactiveShown = false;

    // What is painted: the view model's values as of the last refresh (the game and the celebration's step
    // are those of m_inputs).
    OverlayInputs m_inputs;
    std::optional<ScoreEvent> m_scoreEvent;
    OverlayPanelFrame m_rest; // the panel's parts as they stand once every spring has settled

    bool m_refreshPending = false;
    ChangeAnimation m_pendingAnimation;

    Spring m_width;
    Spring m_height;
    Spring m_compactOpacity;
    Spring m_sectionOpacity; // expanded card, deep panels and action strip
    Spring m_idleOpacity;
    CelebrationMotion m_celebration;
    Spring m_transition; // 0 to 1 while one game's panel replaces another's

    QRegion m_lastPainted; // what the last frame painted, to repaint and mask only what changes
    QPixmap m_outgoing;    // the leaving panel, as last painted
    QPixmap m_incoming;    // the entering panel, while nothing but the transition moves it
    QRectF m_outgoingRect;
    SwipeDirection m_transitionDirection = SwipeDirection::none;

    std::map<OverlaySlot, QPointer<QWidget>> m_hosted;
    SpinnerTicker m_spinner{this, m_clock};
};
