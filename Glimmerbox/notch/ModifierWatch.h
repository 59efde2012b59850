#pragma once

#include "platform/Clock.h"

#include <QObject>

#include <functional>

// Notices modifier-key changes while the overlay holds no keyboard focus, by polling the keyboard state
// while it runs. The first reading is the baseline: only later changes are reported.
class ModifierWatch : public QObject {
    Q_OBJECT
public:
    using Query = std::function<Qt::KeyboardModifiers()>;
    static constexpr std::chrono::milliseconds pollInterval{50};

    // `query` defaults to QGuiApplication::queryKeyboardModifiers.
    explicit ModifierWatch(Clock& clock, Query query = {}, QObject* parent = nullptr);

    void start();
    void stop();
    bool isRunning() const { return m_timer != nullptr; }

signals:
    void modifiersChanged(Qt::KeyboardModifiers modifiers);

private:
    void poll();

    Clock& m_clock;
    Query m_query;
    Qt::KeyboardModifiers m_last;
    ClockTimerPtr m_timer;
};
