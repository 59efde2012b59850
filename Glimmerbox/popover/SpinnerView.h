#pragma once

#include "platform/Clock.h"

#include <QWidget>

// An indeterminate progress mark: a rotating arc. Its timer runs only while the spinner is shown.
class SpinnerView : public QWidget {
public:
    explicit SpinnerView(int diameter, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    ClockTimerPtr m_timer;
};
