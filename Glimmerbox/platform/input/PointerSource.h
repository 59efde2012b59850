#pragma once

#include <QObject>
#include <QPoint>
#include <QRect>

#include <optional>

// One scroll step in points. Positive dx moves content right (fingers moving right on a touchpad with natural
// scrolling). `precise` is true for smooth scrolling from touchpads and the like, false for notched wheels.
struct ScrollDelta {
    double dx = 0;
    double dy = 0;
    bool precise = false;
};

// Where global pointer facts come from while our window lets the pointer fall through: the cursor position
// (polled) and scroll steps. The system source polls the cursor; tests use a fake they drive by hand.
class PointerSource : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;

    virtual QPoint position() const = 0;
    // Starts reporting moves (and, while scroll tracking is on, scroll steps).
    virtual void start() = 0;
    virtual void stop() = 0;
    // The area whose neighbourhood deserves quick polling; far from it the source may poll more slowly.
    virtual void setAreaOfInterest(std::optional<QRect> area) = 0;
    // Scroll steps are only wanted while the pointer is over our window; listening costs wake-ups on every
    // pointer motion, so callers switch it on only then.
    virtual void setScrollTracking(bool on) = 0;
    // Reads the position at once, not waiting for the next poll or throttled read, and reports a move when
    // it changed: for a decision that must see where the pointer is now.
    virtual void readNow() = 0;

    // The real source for this display (cursor polling plus XInput2 raw scroll events on X11).
    static PointerSource* createSystem(QObject* parent = nullptr);

signals:
    void moved(QPoint position);
    void scrolled(const ScrollDelta& delta);
};
