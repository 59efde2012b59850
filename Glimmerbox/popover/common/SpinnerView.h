#pragma once

#include "platform/time/SpinnerTicker.h"

#include <QWidget>

// An indeterminate progress mark: a rotating arc. Its timer runs only while the spinner is shown.
class SpinnerView : public QWidget {
public:
    explicit SpinnerView(int diameter, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    SpinnerTicker m_ticker;
};
