#include "ModifierWatch.h"

#include <QGuiApplication>

ModifierWatch::ModifierWatch(Clock& clock, Query query, QObject* parent)
    : QObject(parent), m_clock(clock),
      m_query(query ? std::move(query) : Query([] { return QGuiApplication::queryKeyboardModifiers(); })) {}

void ModifierWatch::start() {
    m_last = m_query();
    m_timer = m_clock.repeating(pollInterval, this, [this] { poll(); });
}

void ModifierWatch::stop() {
    m_timer.reset();
}

void ModifierWatch::poll() {
    const Qt::KeyboardModifiers now = m_query();
    if (now == m_last)
        return;
    m_last = now;
    emit modifiersChanged(now);
}
