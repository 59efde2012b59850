#pragma once

#include "platform/input/ModifierKeyEvents.h"
#include "platform/time/Clock.h"

#include <QObject>
#include <QPointer>

#include <functional>

// Where a watch reads the modifier keys.
struct ModifierInput {
    // The keyboard state now; empty: QGuiApplication::queryKeyboardModifiers.
    std::function<Qt::KeyboardModifiers()> query;
    // The display's key events; null where it has none, and the watch polls `query` instead.
    ModifierKeyEvents* keys = ModifierKeyEvents::system();
};

// Notices modifier-key changes while the overlay holds no keyboard focus: from the display's key events,
// which see a press however short, or else by polling the keyboard state while it runs. The state when it
// starts is the baseline: only later changes are reported, and with key events every press is one.
class ModifierWatch : public QObject {
    Q_OBJECT
public:
    using Query = std::function<Qt::KeyboardModifiers()>;
    static constexpr std::chrono::milliseconds pollInterval{50};

    explicit ModifierWatch(Clock& clock, ModifierInput input = {}, QObject* parent = nullptr);
    ~ModifierWatch() override;

    void start();
    void stop();
    bool isRunning() const { return m_timer != nullptr || m_listening; }

signals:
    void modifiersChanged(Qt::KeyboardModifiers modifiers);

private:
    void poll();
    void keyChanged(Qt::KeyboardModifier modifier, bool down);

    Clock& m_clock;
    Query m_query;
    QPointer<ModifierKeyEvents> m_keys;
    Qt::KeyboardModifiers m_last;
    ClockTimerPtr m_timer;
    bool m_listening = false;
};
