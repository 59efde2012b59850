#include "OnboardingPageDots.h"

#include "platform/ColorMix.h"
#include "platform/SystemColors.h"

#include <QPainter>

namespace {
// The page change's ease: a critically damped spring of the same length as an ease-in-out.
constexpr SpringSpec dotEase{0.35, 1.0};
constexpr float idleOpacity = 0.3f;
} // namespace

OnboardingPageDots::OnboardingPageDots(int count, int currentPage, Clock& clock, QWidget* parent)
    : QWidget(parent), m_driver(clock) {
    for (int index = 0; index < count; ++index) {
        Spring& spring = m_springs.emplace_back(index == currentPage ? 1.0 : 0.0);
        spring.setTolerance(0.005);
        m_driver.track(&spring);
    }
    setFixedSize(sizeHint());
    connect(&m_driver, &AnimationDriver::frame, this, qOverload<>(&QWidget::update));
}

void OnboardingPageDots::setCurrentPage(int page) {
    for (std::size_t index = 0; index < m_springs.size(); ++index)
        m_driver.animate(m_springs[index], static_cast<int>(index) == page ? 1.0 : 0.0, dotEase);
}

double OnboardingPageDots::emphasis(int index) const {
    return std::clamp(m_springs.at(index).value(m_driver.now()), 0.0, 1.0);
}

QSize OnboardingPageDots::sizeHint() const {
    const int count = static_cast<int>(m_springs.size());
    return {count * dotSize + std::max(0, count - 1) * spacing, dotSize};
}

void OnboardingPageDots::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    const QColor accent = palette().color(QPalette::Highlight);
    // Idle dots are the secondary colour at 0.3.
    QColor faint = system_colors::secondaryText(palette());
    faint.setAlphaF(faint.alphaF() * idleOpacity);
    for (std::size_t index = 0; index < m_springs.size(); ++index) {
        painter.setBrush(mixedColor(faint, accent, emphasis(static_cast<int>(index))));
        painter.drawEllipse(QRectF(static_cast<double>(index) * (dotSize + spacing), 0, dotSize, dotSize));
    }
}
