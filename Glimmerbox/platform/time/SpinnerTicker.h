#pragma once

#include "platform/time/Clock.h"

#include <QObject>

class QWidget;

// Repaints a widget at the spinner's pace while something in it turns and the widget is shown, and not
// otherwise: hiding the widget stops the repaints and showing it again resumes them, so a view only says
// whether it is busy. A member of the widget it repaints.
class SpinnerTicker : public QObject {
public:
    SpinnerTicker(QWidget* widget, Clock& clock);

    void setTurning(bool turning);
    bool isTicking() const { return m_timer != nullptr; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void sync();

    QWidget* m_widget;
    Clock& m_clock;
    bool m_turning = false;
    ClockTimerPtr m_timer;
};
