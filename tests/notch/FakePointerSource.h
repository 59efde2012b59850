#pragma once

#include "platform/input/PointerSource.h"

// A pointer that tests move and scroll by hand.
class FakePointerSource final : public PointerSource {
    Q_OBJECT
public:
    using PointerSource::PointerSource;

    QPoint position() const override { return m_position; }
    void start() override { started = true; }
    void stop() override { started = false; }
    void setAreaOfInterest(std::optional<QRect> area) override { areaOfInterest = area; }
    void setScrollTracking(bool on) override { scrollTracking = on; }

    void moveTo(const QPoint& position) {
        m_position = position;
        m_unread = position;
        emit moved(position);
    }
    // The pointer moves, but no read notices it until the next readNow().
    void moveUnread(const QPoint& position) { m_unread = position; }
    void readNow() override {
        ++reads;
        if (m_unread != m_position)
            moveTo(m_unread);
    }
    void scroll(double dx, double dy, bool precise = true) { emit scrolled(ScrollDelta{dx, dy, precise}); }

    bool started = false;
    bool scrollTracking = false;
    int reads = 0; // readNow() calls
    std::optional<QRect> areaOfInterest;

private:
    QPoint m_position;
    QPoint m_unread;
};
