#include "notch/window/ClickThroughWindow.h"

#include "notch/window/OverlayNotifications.h"
#include "platform/input/PointerSource.h"
#include "platform/input/X11WindowHints.h"
#include "platform/time/Clock.h"

#include <QVBoxLayout>
#include <QWindow>

namespace {
constexpr Qt::WindowFlags overlayWindowFlags =
    Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint | Qt::WindowDoesNotAcceptFocus;

// Only a bool under "interactive" counts; a missing key or a value of another type means click-through.
bool interactiveFlag(const QVariantMap& userInfo) {
    const QVariant value = userInfo.value(OverlayNotificationName::interactiveKey);
    return value.typeId() == QMetaType::Bool && value.toBool();
}

QString notificationName(OverlayPointerTracker::Event event) {
    switch (event) {
    case OverlayPointerTracker::Event::mouseEntered:
        return OverlayNotificationName::mouseEntered;
    case OverlayPointerTracker::Event::mouseExited:
        return OverlayNotificationName::mouseExited;
    case OverlayPointerTracker::Event::swipeLeft:
        return OverlayNotificationName::swipeLeft;
    case OverlayPointerTracker::Event::swipeRight:
        return OverlayNotificationName::swipeRight;
    case OverlayPointerTracker::Event::none:
        break;
    }
    return {};
}
} // namespace

ClickThroughWindow::ClickThroughWindow(const QRect& contentRect, PointerSource* pointerSource, Clock* clock,
                                       OverlayNotificationCenter* center)
    : QWidget(nullptr, overlayWindowFlags), m_pointer(pointerSource),
      m_clock(clock ? *clock : Clock::system()),
      m_center(center ? *center : OverlayNotificationCenter::shared()),
      m_tracker(std::make_unique<OverlayPointerTracker>(contentRect)) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setAttribute(Qt::WA_X11DoNotAcceptFocus);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(contentRect);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
}

ClickThroughWindow::~ClickThroughWindow() {
    if (m_pointer)
        m_pointer->disconnect(this);
}

void ClickThroughWindow::setHoverZone(std::optional<QRect> zone) {
    m_tracker->setHoverZone(zone);
    updatePointerInterest();
}

void ClickThroughWindow::setExpandedZone(std::optional<QRect> zone) {
    m_tracker->setExpandedZone(zone);
    updatePointerInterest();
}

void ClickThroughWindow::setContentView(QWidget* view) {
    if (m_contentView == view)
        return;
    if (m_contentView) {
        layout()->removeWidget(m_contentView);
        m_contentView->deleteLater();
    }
    m_contentView = view;
    if (view)
        layout()->addWidget(view);
}

bool ClickThroughWindow::isInteractive() const {
    return m_tracker->isInteractive();
}

bool ClickThroughWindow::isMouseInside() const {
    return m_tracker->isMouseInside();
}

void ClickThroughWindow::startTracking() {
    if (m_tracking)
        return;
    m_tracking = true;
    // The flag lives on the platform window: changing it through the widget's flags would hide the window.
    if (!windowHandle())
        create();
    windowHandle()->setFlag(Qt::WindowTransparentForInput, true);
    x11hints::showOnAllDesktops(windowHandle());

    if (!m_pointer)
        m_pointer = PointerSource::createSystem(this);
    connect(m_pointer, &PointerSource::moved, this, [this] { checkMousePosition(); });
    connect(m_pointer, &PointerSource::scrolled, this, &ClickThroughWindow::handleScroll);
    updatePointerInterest();
    m_pointer->start();

    connect(&m_center, &OverlayNotificationCenter::setInteractive, this,
            &ClickThroughWindow::handleSetInteractive);
}

void ClickThroughWindow::handleSetInteractive(const QVariantMap& userInfo) {
    const bool interactive = interactiveFlag(userInfo);
    // Applied later on the event loop; dropped if the window is gone by then.
    QMetaObject::invokeMethod(
        this, [this, interactive] { applyInteractive(interactive); }, Qt::QueuedConnection);
}

void ClickThroughWindow::applyInteractive(bool interactive) {
    m_tracker->setInteractive(interactive);
    if (QWindow* window = windowHandle()) {
        // Mouse only: the window never takes the keyboard from the application the user is typing in.
        window->setFlag(Qt::WindowTransparentForInput, !interactive);
    }
    updatePointerInterest();
}

void ClickThroughWindow::checkMousePosition() {
    if (!m_pointer)
        return;
    m_tracker->setFrame(geometry()); // a hidden window gets no move events
    const QPoint position = m_pointer->position();
    const auto event = m_tracker->pointerMoved(position);
    updatePointerInterest();
    emit pointerMoved(position);
    post(event);
}

void ClickThroughWindow::post(OverlayPointerTracker::Event event) {
    if (event != OverlayPointerTracker::Event::none)
        m_center.post(notificationName(event));
}

void ClickThroughWindow::readPointerNow() {
    if (m_pointer)
        m_pointer->readNow();
}

void ClickThroughWindow::enterEvent(QEnterEvent* event) {
    QWidget::enterEvent(event);
    readPointerNow();
}

void ClickThroughWindow::leaveEvent(QEvent* event) {
    QWidget::leaveEvent(event);
    // A pointer set down elsewhere (a warp) makes no raw motion: the crossing is the only news of it, and the
    // zones decide on where the pointer is now.
    readPointerNow();
}

void ClickThroughWindow::moveEvent(QMoveEvent* event) {
    QWidget::moveEvent(event);
    frameChanged();
}

void ClickThroughWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    frameChanged();
}

// Zones left unset stand for the window's frame, which may move (a window manager may shift it).
void ClickThroughWindow::frameChanged() {
    m_tracker->setFrame(geometry());
    updatePointerInterest();
}

void ClickThroughWindow::handleScroll(const ScrollDelta& delta) {
    post(m_tracker->scrolled(delta, m_clock.monotonicNow()));
}

void ClickThroughWindow::updatePointerInterest() {
    if (!m_pointer || !m_tracking)
        return;
    const bool inside = m_tracker->isMouseInside();
    // Outside, only the strip can change anything; inside, only leaving the larger area can.
    m_pointer->setAreaOfInterest(
        inside ? m_tracker->effectiveExpandedZone().united(m_tracker->effectiveHoverZone())
               : m_tracker->effectiveHoverZone());
    m_pointer->setScrollTracking(inside && !m_tracker->isInteractive());
    if (!inside) {
        // Stopped, not destroyed: this may run inside the timer's own read.
        if (m_insideReads)
            m_insideReads->cancel();
    } else if (!m_insideReads || !m_insideReads->isActive()) {
        m_insideReads = m_clock.repeating(insideReadPeriod, this, [this] { readPointerNow(); });
    }
}
