#include "platform/time/SpinnerTicker.h"

#include "platform/time/Spinner.h"

#include <QEvent>
#include <QWidget>

SpinnerTicker::SpinnerTicker(QWidget* widget, Clock& clock) : m_widget(widget), m_clock(clock) {
    widget->installEventFilter(this);
}

void SpinnerTicker::setTurning(bool turning) {
    m_turning = turning;
    sync();
}

bool SpinnerTicker::eventFilter(QObject*, QEvent* event) {
    if (event->type() == QEvent::Show)
        sync();
    else if (event->type() == QEvent::Hide) // a minimised window stays "visible"; nothing of it is on screen
        m_timer.reset();
    return false;
}

void SpinnerTicker::sync() {
    if (!m_turning || !m_widget->isVisible())
        m_timer.reset();
    else if (!m_timer)
        m_timer = m_clock.repeating(std::chrono::milliseconds(spinnerFrameMs), m_widget,
                                    [widget = m_widget] { widget->update(); });
}
