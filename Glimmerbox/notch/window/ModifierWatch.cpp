#include "notch/window/ModifierWatch.h"

#include <QGuiApplication>

ModifierWatch::ModifierWatch(Clock& clock, ModifierInput input, QObject* parent)
    : QObject(parent), m_clock(clock),
      m_query(input.query ? std::move(input.query)
                          : Query([] { return QGuiApplication::queryKeyboardModifiers(); })),
      m_keys(input.keys) {}

ModifierWatch::~ModifierWatch() {
    stop();
}

void ModifierWatch::start() {
    m_last = m_query();
    if (!m_keys) {
        m_timer = m_clock.repeating(pollInterval, this, [this] { poll(); });
        return;
    }
    if (m_listening)
        return;
    m_listening = true;
    connect(m_keys, &ModifierKeyEvents::modifierKeyChanged, this, &ModifierWatch::keyChanged);
    m_keys->addListener();
}

void ModifierWatch::stop() {
    m_timer.reset();
    if (!m_listening)
        return;
    m_listening = false;
    if (m_keys) {
        disconnect(m_keys, nullptr, this, nullptr);
        m_keys->removeListener();
    }
}

void ModifierWatch::poll() {
    const Qt::KeyboardModifiers now = m_query();
    if (now == m_last)
        return;
    m_last = now;
    emit modifiersChanged(now);
}

void ModifierWatch::keyChanged(Qt::KeyboardModifier modifier, bool down) {
    if (down) {
        m_last |= modifier;
        emit modifiersChanged(m_last);
    } else if (m_last.testFlag(modifier)) {
        m_last &= ~modifier;
        emit modifiersChanged(m_last);
    }
}
