#pragma once

#include "platform/time/AnimationDriver.h"
#include "platform/time/Spring.h"

#include <QWidget>

#include <deque>

// The onboarding's page dots: the current page's dot in the accent colour, the others faint. A change of
// page fades the two dots concerned into their new colours.
class OnboardingPageDots : public QWidget {
    Q_OBJECT
public:
    static constexpr int dotSize = 7;
    static constexpr int spacing = 6;

    OnboardingPageDots(int count, int currentPage, Clock& clock = Clock::system(), QWidget* parent = nullptr);

    void setCurrentPage(int page);
    // How far each dot is towards the accent colour, 0 to 1, now.
    double emphasis(int index) const;
    bool isAnimating() const { return m_driver.isTicking(); }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    AnimationDriver m_driver;
    std::deque<Spring> m_springs; // stable addresses for the driver
};
