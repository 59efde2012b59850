#include "notch/window/NotchOverlayView.h"

#include "notch/panels/OverlayLabels.h"
#include "notch/panels/OverlayPainters.h"
#include "notch/panels/OverlayPanelFrame.h"
#include "notch/panels/OverlayStyle.h"
#include "notch/state/NotchViewModel.h"
#include "notch/window/ClickThroughWindow.h"
#include "notch/window/OverlayNotifications.h"

#include "app/AppState.h"
#include "platform/network/ImageLoader.h"
#include "platform/time/Spinner.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

using overlaystyle::clamp01;
using overlaystyle::fadeTolerance;

NotchOverlayView::NotchOverlayView(bool hasPhysicalNotch, NotchViewModel* viewModel, AppState& appState,
                                   Clock& clock, OverlayNotificationCenter& center,
                                   OverlayPanelFactory* panels, QWidget* parent)
    : QWidget(parent), m_hasPhysicalNotch(hasPhysicalNotch), m_viewModel(viewModel), m_appState(appState),
      m_clock(clock), m_center(center), m_panels(panels), m_driver(clock) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    m_viewModel->setParent(this);
    for (Spring* fade : {&m_compactOpacity, &m_sectionOpacity, &m_idleOpacity, &m_transition})
        fade->setTolerance(fadeTolerance);
    m_transition.jump(1);
    for (Spring* spring : panelSprings())
        m_driver.track(spring);
    m_driver.track(&m_transition);
    connect(&m_driver, &AnimationDriver::frame, this, &NotchOverlayView::frame);
    connect(&ImageLoader::shared(), &ImageLoader::finished, this, [this] {
        m_incoming = QPixmap();
        update();
    });
    connect(&m_center, &OverlayNotificationCenter::mouseEntered, this, &NotchOverlayView::handleMouseEntered);
    connect(&m_center, &OverlayNotificationCenter::mouseExited, this, &NotchOverlayView::handleMouseExited);
    connect(&m_center, &OverlayNotificationCenter::swipeLeft, this,
            [this] { handleSwipe(SwipeDirection::left); });
    connect(&m_center, &OverlayNotificationCenter::swipeRight, this,
            [this] { handleSwipe(SwipeDirection::right); });
    bindViewModel();
}

NotchOverlayView::~NotchOverlayView() = default;

QWidget* NotchOverlayView::hostedPanel(OverlaySlot slot) const {
    const auto found = m_hosted.find(slot);
    return found == m_hosted.end() ? nullptr : found->second.data();
}

void NotchOverlayView::bindViewModel() {
    NotchViewModel* vm = m_viewModel;
    const auto changed = [this](auto&&, ChangeAnimation animation) { scheduleRefresh(animation); };
    connect(vm, &NotchViewModel::displayedGameChanged, this, changed);
    connect(vm, &NotchViewModel::isExpandedChanged, this, changed);
    connect(vm, &NotchViewModel::scoreEventChanged, this, changed);
    connect(vm, &NotchViewModel::isScoreChangeExpandedChanged, this, changed);
    connect(vm, &NotchViewModel::celebrationPhaseChanged, this, changed);
    connect(vm, &NotchViewModel::isDeepExpandedChanged, this, changed);
    connect(vm, &NotchViewModel::isJumboExpandedChanged, this, changed);
    // Hosted panels read topScorers and isLoadingLeaders themselves; their heights may change with them.
    connect(vm, &NotchViewModel::topScorersChanged, this, changed);
    connect(vm, &NotchViewModel::isLoadingLeadersChanged, this, changed);
}

// --- Input ---

void NotchOverlayView::handleMouseEntered() {
    setHovered(true);
    m_viewModel->scheduleDeepExpand();
}

void NotchOverlayView::handleMouseExited() {
    setWindowInteractive(false);
    setHovered(false);
    m_viewModel->collapseDeep();
}

void NotchOverlayView::handleSwipe(SwipeDirection direction) {
    if (showsExpanded(m_isHovered, m_viewModel->isExpanded(), m_viewModel->isScoreChangeExpanded()))
        m_viewModel->navigate(direction);
}

void NotchOverlayView::setHovered(bool hovered) {
    m_isHovered = hovered;
    scheduleRefresh(hoverSpring);
}

void NotchOverlayView::pointerMovedTo(const QPoint& globalPosition) {
    emit pointerMoved(globalPosition);
    followUnpinHover(m_unpinHover.pointerMoved(mapFromGlobal(QPointF(globalPosition)), unpinPillRect()));
}

void NotchOverlayView::followPointerOf(ClickThroughWindow& window) {
    connect(&window, &ClickThroughWindow::pointerMoved, this, &NotchOverlayView::pointerMovedTo);
    connect(this, &NotchOverlayView::pointerReadWanted, &window, &ClickThroughWindow::readPointerNow);
}

void NotchOverlayView::followUnpinHover(PillHover::Change change) {
    if (change == PillHover::Change::left)
        m_unpinHoverTimer.reset();
    if (change != PillHover::Change::entered)
        return;
    // The pill acts on a rest of half a second; the unpin itself runs on the next turn of the event loop,
    // once a fresh read of the pointer has confirmed the rest (the last read may be a few frames old, and the
    // pointer may have left since).
    m_unpinHoverTimer = m_clock.singleShot(secondsToMilliseconds(unpinHoverDelay), this, [this] {
        QMetaObject::invokeMethod(
            this,
            [this] {
                emit pointerReadWanted();
                if (!m_unpinHover.isHovered())
                    return;
                if (const std::optional<Game> game = m_viewModel->displayedGame())
                    m_viewModel->unpinGame(*game);
            },
            Qt::QueuedConnection);
    });
}

void NotchOverlayView::setWindowInteractive(bool interactive) {
    m_center.postSetInteractive(interactive);
}

bool NotchOverlayView::event(QEvent* event) {
    // A hosted panel changed its size (its updateGeometry() lands here): measure the panel again.
    if (event->type() == QEvent::LayoutRequest)
        scheduleRefresh(hoverSpring);
    return QWidget::event(event);
}

// --- State ---

void NotchOverlayView::scheduleRefresh(ChangeAnimation animation) {
    if (!m_pendingAnimation)
        m_pendingAnimation = animation;
    if (m_refreshPending)
        return;
    m_refreshPending = true;
    QMetaObject::invokeMethod(this, &NotchOverlayView::refresh, Qt::QueuedConnection);
}

void NotchOverlayView::refresh() {
    const ChangeAnimation animation = std::exchange(m_pendingAnimation, std::nullopt);
    m_refreshPending = false;
    const NotchViewModel& vm = *m_viewModel;
    const std::optional<Game>& game = vm.displayedGame();
    const std::optional<Game>& painted = m_inputs.displayedGame;
    const bool identityChanged = GameKey::of(painted) != GameKey::of(game);
    const SpringSpec spring = animation.value_or(identitySpring);
    const bool animated = animation.has_value() || identityChanged;

    if (identityChanged) {
        // The leaving panel goes as it was last painted; the new one enters with the transition of the swipe.
        m_outgoing = painted ? snapshotPanel() : QPixmap();
        m_outgoingRect = panelRect();
        m_transitionDirection = painted && game ? vm.swipeDirection() : SwipeDirection::none;
        m_driver.jump(m_transition, 0);
        m_driver.animate(m_transition, 1, spring);
        if (!painted || !game)
            m_isBarVisible = false; // a first panel opens from the hidden bar
    }
    OverlayInputs inputs;
    inputs.displayedGame = game;
    inputs.isHovered = m_isHovered;
    inputs.isExpanded = vm.isExpanded();
    inputs.isScoreChangeExpanded = vm.isScoreChangeExpanded();
    inputs.celebrationPhase = vm.celebrationPhase();
    inputs.hasScoreEvent = vm.scoreEvent().has_value();
    inputs.isDeepExpanded = vm.isDeepExpanded();
    inputs.isJumboExpanded = vm.isJumboExpanded();
    inputs.isBarVisible = m_isBarVisible;
    inputs.hasPhysicalNotch = m_hasPhysicalNotch;
    // The pinned games are republished on every refresh, mostly unchanged: nothing to do then.
    const bool sameScoreEvent = vm.scoreEvent().has_value() == m_scoreEvent.has_value() &&
                                (!m_scoreEvent || (*vm.scoreEvent() == *m_scoreEvent &&
                                                   vm.scoreEvent()->playText == m_scoreEvent->playText));
    if (!identityChanged && inputs == m_inputs && sameScoreEvent && contentHeight() == m_height.target())
        return;
    const CelebrationPhase oldPhase = m_inputs.celebrationPhase;
    const bool hadGame = painted.has_value();
    m_inputs = inputs;
    m_incoming = QPixmap();

    const CelebrationPhase phase = inputs.celebrationPhase;
    m_scoreEvent = vm.scoreEvent();
    m_rest = OverlayPanelFrame::atRest(inputs, m_scoreEvent, m_clock.now());

    syncHostedPanels();
    armDayChange();
    // A first panel, and the idle panel, appear in place at their size; everything else moves.
    const bool appearsInPlace = (identityChanged && !hadGame) || presentation().state == OverlayState::Idle;
    retargetSprings(spring, animated, appearsInPlace);
    if (phase != oldPhase && m_scoreEvent) {
        m_celebration.enter(phase, m_rest.celebration, spring, m_driver.now());
        m_driver.wake();
    }

    const bool pickerShown = presentation().idlePanel || presentation().gamePicker;
    if (pickerShown != m_interactiveShown) {
        m_interactiveShown = pickerShown;
        // The view asks for the mouse while a picker (idle panel or jumbo) is on screen, hosted or not.
        setWindowInteractive(pickerShown);
    }
    if (inputs.displayedGame && !m_isBarVisible)
        showBar();
    frame();
}

void NotchOverlayView::showBar() {
    m_isBarVisible = true;
    scheduleRefresh(showBarSpring);
}

void NotchOverlayView::retargetSprings(SpringSpec spring, bool animated, bool sizeInPlace) {
    const auto set = [&](Spring& s, double target, bool inPlace = false) {
        if (s.target() == target)
            return;
        if (animated && !inPlace)
            m_driver.animate(s, target, spring);
        else
            m_driver.jump(s, target);
    };
    const bool empty = presentation().state == OverlayState::Empty;
    if (!empty) {
        set(m_width, presentation().width, sizeInPlace);
        set(m_height, contentHeight(), sizeInPlace);
    }
    set(m_compactOpacity, m_isBarVisible ? 1 : 0);
    set(m_sectionOpacity, presentation().scoreCard || presentation().expandedSlot ? 1 : 0);
    set(m_idleOpacity, presentation().idlePanel ? 1 : 0);
}

void NotchOverlayView::armDayChange() {
    if (!presentation().scoreCard || !m_rest.card.namesTheDay()) {
        m_dayChangeTimer.reset();
        return;
    }
    m_dayChangeTimer = m_clock.singleShot(untilNextDay(m_clock.now()), this, [this] {
        m_rest = OverlayPanelFrame::atRest(m_inputs, m_scoreEvent, m_clock.now());
        m_incoming = QPixmap();
        armDayChange();
        frame();
    });
}

void NotchOverlayView::syncHostedPanels() {
    if (!m_panels)
        return;
    for (const OverlaySlot slot :
         {OverlaySlot::idlePanel, OverlaySlot::racingExpanded, OverlaySlot::raceStandings,
          OverlaySlot::leaders, OverlaySlot::gamePicker, OverlaySlot::selectPill}) {
        const bool shown = presentation().shows(slot);
        QPointer<QWidget>& panel = m_hosted[slot];
        if (shown && !panel)
            panel = m_panels->createPanel(slot, *m_viewModel, m_appState, this);
        if (panel && !shown && (slot == OverlaySlot::idlePanel || slot == OverlaySlot::gamePicker)) {
            // A picker's view state (refresh cool-down, scroll, rows) lives only while it is shown: the next
            // one starts idle, and none rebuilds its rows on data changes while hidden. It may be going from
            // inside one of its rows' clicks, hence later.
            panel->hide();
            panel->deleteLater();
            panel = nullptr;
        }
        if (panel)
            panel->setVisible(shown);
    }
}

// --- Geometry ---

double NotchOverlayView::contentHeight() const {
    return sections(presentation().width).height;
}

OverlaySections NotchOverlayView::sections(double width) const {
    return overlaySections(presentation(), m_rest.card, width, [this](OverlaySlot slot) {
        const QWidget* panel = hostedPanel(slot);
        return panel ? QSizeF(panel->sizeHint()) : QSizeF();
    });
}

QRectF NotchOverlayView::panelRect() const {
    const double t = m_driver.now();
    const bool hasGame = m_inputs.displayedGame.has_value();
    const bool idleFading = !hasGame && m_idleOpacity.value(t) > fadeTolerance;
    if (!hasGame && !idleFading)
        return {};
    const double w = m_width.value(t);
    return QRectF(width() / 2.0 - w / 2, 0, w, std::max(0.0, m_height.value(t)));
}

QRectF NotchOverlayView::unpinPillRect() const {
    if (!presentation().actionStrip)
        return {};
    const QRectF panel = panelRect();
    return sections(panel.width()).unpinPill.translated(panel.topLeft());
}

QRegion NotchOverlayView::paintedRegion() const {
    const QRectF panel = panelRect();
    QRegion region;
    const bool inTransition = this->inTransition();
    if (!panel.isEmpty()) {
        if (inTransition) {
            // Moving or scaling: the rectangle the panel may sweep through on this frame, widened by its
            // motion.
            const QRectF swept = m_transitionDirection == SwipeDirection::none
                                     ? panel
                                     : panel.adjusted(-panel.width(), 0, panel.width(), 0);
            region += swept.toAlignedRect();
        } else {
            region += QRegion(notchBarPath(panel, presentation().bottomRadius).toFillPolygon().toPolygon());
        }
    }
    if (inTransition && !m_outgoing.isNull())
        region +=
            m_outgoingRect.adjusted(-m_outgoingRect.width(), 0, m_outgoingRect.width(), 0).toAlignedRect();
    return region;
}

// --- Frames and painting ---

void NotchOverlayView::frame() {
    // Past the threshold the panels are painted at rest, whatever the transition's spring still does (its
    // overshoot and way back would only repaint the same picture): it ends here.
    if (!inTransition())
        m_transition.jump(1);
    const QRectF panel = panelRect();
    const OverlaySections s = sections(panel.width());
    const auto place = [&](OverlaySlot slot, const QRectF& rect) {
        if (QWidget* widget = hostedPanel(slot); widget && widget->isVisible())
            widget->setGeometry(rect.translated(panel.topLeft()).toAlignedRect());
    };
    place(OverlaySlot::idlePanel, s.idle);
    place(OverlaySlot::racingExpanded, s.expandedSlot);
    place(OverlaySlot::raceStandings, s.deepSlot);
    place(OverlaySlot::leaders, s.deepSlot);
    place(OverlaySlot::gamePicker, s.picker);
    place(OverlaySlot::selectPill, s.selectPill);
    // The UNPIN pill moving or going away from under a still pointer ends its hover (but never starts one).
    followUnpinHover(m_unpinHover.pillMoved(unpinPillRect()));
    // Only what was painted last frame or is painted now needs repainting: the rest of the window is clear.
    const QRegion painted = paintedRegion();
    update(painted.united(m_lastPainted).boundingRect().adjusted(-1, -1, 1, 1));
    if (painted != m_lastPainted)
        updateMask();
    m_lastPainted = painted;
    if (!inTransition()) {
        m_outgoing = QPixmap();
        m_incoming = QPixmap();
    }
}

std::vector<Spring*> NotchOverlayView::panelSprings() {
    std::vector<Spring*> springs{&m_width, &m_height, &m_compactOpacity, &m_sectionOpacity, &m_idleOpacity};
    for (Spring* spring : m_celebration.springs())
        springs.push_back(spring);
    return springs;
}

bool NotchOverlayView::inTransition() const {
    return m_transition.value(m_driver.now()) < 1 - fadeTolerance;
}

bool NotchOverlayView::paintIncoming(QPainter& painter) {
    // While only the transition moves it, the panel is painted once and then moved as a picture, like the
    // leaving one: a frame then costs a copy instead of laying out its texts again.
    const double t = m_driver.now();
    const auto panel = panelSprings();
    if (!std::all_of(panel.begin(), panel.end(), [t](const Spring* s) { return s->isSettled(t); })) {
        m_incoming = QPixmap();
        return paintPanel(painter, spinnerTurn(m_clock));
    }
    if (m_incoming.isNull()) {
        bool loading = false;
        QPixmap pixmap = snapshotPanel(&loading);
        if (loading) // a spinner turns on every frame
            return paintPanel(painter, spinnerTurn(m_clock));
        m_incoming = std::move(pixmap);
    }
    painter.drawPixmap(QPointF(-panelRect().width() / 2, 0), m_incoming);
    return false;
}

bool NotchOverlayView::paintPanel(QPainter& painter, double turn) {
    const double t = m_driver.now();
    OverlayPanelFrame f = m_rest;
    f.width = m_width.value(t);
    f.height = m_height.value(t);
    f.compactOpacity = clamp01(m_compactOpacity.value(t));
    f.sectionOpacity = clamp01(m_sectionOpacity.value(t));
    f.celebrationFrame = m_celebration.frameAt(t);
    const bool idle = !m_inputs.displayedGame;
    if (idle) {
        // The idle panel: its background, fading; the hosted panel paints the rest.
        painter.save();
        painter.setOpacity(painter.opacity() * clamp01(m_idleOpacity.value(t)));
    }
    const bool loading = paintOverlayPanel(painter, f, sections(f.width), turn);
    if (idle)
        painter.restore();
    return loading;
}

QPixmap NotchOverlayView::snapshotPanel(bool* loading) {
    const QRectF panel = panelRect();
    if (panel.isEmpty())
        return {};
    const qreal dpr = devicePixelRatioF();
    QPixmap pixmap((panel.size() * dpr).toSize() + QSize(1, 1));
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(panel.width() / 2, 0);
    const bool stillLoading = paintPanel(painter, spinnerTurn(m_clock));
    if (loading)
        *loading = stillLoading;
    return pixmap;
}

void NotchOverlayView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const double p = m_transition.value(m_driver.now());
    const bool inTransition = this->inTransition();
    const double cx = width() / 2.0;

    const auto place = [&](bool incoming, double panelWidth) {
        // Swipes slide the panels sideways; any other change scales them from and to 0.3 at the top.
        const double progress = incoming ? 1 - p : p;
        painter.setOpacity(clamp01(incoming ? p : 1 - p));
        painter.translate(cx, 0);
        switch (m_transitionDirection) {
        case SwipeDirection::none: {
            const double scale = 1 - 0.7 * clamp01(progress);
            painter.scale(scale, scale);
            break;
        }
        case SwipeDirection::left:
            painter.translate(incoming ? panelWidth * progress : -panelWidth * progress, 0);
            break;
        case SwipeDirection::right:
            painter.translate(incoming ? -panelWidth * progress : panelWidth * progress, 0);
            break;
        }
    };
    if (inTransition && !m_outgoing.isNull()) {
        painter.save();
        place(false, m_outgoingRect.width());
        painter.drawPixmap(QPointF(-m_outgoingRect.width() / 2, 0), m_outgoing);
        painter.restore();
    }
    bool loading = false;
    if (!panelRect().isEmpty()) {
        painter.save();
        if (inTransition) {
            place(true, panelRect().width());
            loading = paintIncoming(painter);
        } else {
            painter.translate(cx, 0);
            loading = paintPanel(painter, spinnerTurn(m_clock));
        }
        painter.restore();
    }
    // Logos that are still loading turn their spinners; nothing ticks once none is.
    m_spinner.setTurning(loading);
}

void NotchOverlayView::resizeEvent(QResizeEvent*) {
    updateMask();
}

void NotchOverlayView::showEvent(QShowEvent*) {
    updateMask();
}

void NotchOverlayView::updateMask() {
    QRegion region = paintedRegion();
    if (region.isEmpty()) {
        // An empty mask means "no mask" (the whole window would show, black without a compositor), so with
        // nothing to paint the window keeps a single pixel at the top centre.
        region = QRegion(width() / 2, 0, 1, 1);
    }
    QWidget* host = window();
    host->setMask(host == this ? region : region.translated(mapTo(host, QPoint(0, 0))));
}
