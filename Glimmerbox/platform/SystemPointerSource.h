#pragma once

#include "platform/PointerSource.h"

#include <QTimer>

#include <memory>

class XInputScrollSource;

// Polls the cursor (quickly near the area of interest, slowly far from it) and, where the X server offers
// them, listens for raw scroll events on the root window while scroll tracking is on.
class SystemPointerSource final : public PointerSource {
    Q_OBJECT
public:
    static constexpr int nearPollMs = 80;
    static constexpr int farPollMs = 250;
    // How far around the area of interest the quick polling reaches.
    static constexpr int nearMargin = 120;

    explicit SystemPointerSource(QObject* parent = nullptr);

    // Quick polling within `nearMargin` of the area of interest (or everywhere without one), slow elsewhere.
    static int pollPeriodFor(const QPoint& position, const std::optional<QRect>& area);
    ~SystemPointerSource() override;

    QPoint position() const override { return m_position; }
    void start() override;
    void stop() override;
    void setAreaOfInterest(std::optional<QRect> area) override;
    void setScrollTracking(bool on) override;

private:
    void poll();
    void adjustPollPeriod();

    QTimer m_timer;
    QPoint m_position;
    bool m_hasPosition = false;
    std::optional<QRect> m_area;
    std::unique_ptr<XInputScrollSource> m_scroll;
    bool m_scrollUnavailable = false;
};
