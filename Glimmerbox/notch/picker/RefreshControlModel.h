#pragma once

#include "platform/time/Clock.h"

#include <QCoroTask>
#include <QObject>
#include <QString>

#include <functional>

// The picker's hover-to-refresh control. Resting the pointer on it charges a bar by a tenth every 0.05 s;
// when the bar is full the fetch runs (spinner), and for 30 s after it returns, succeeded or not, the
// control shows "Wait" and ignores the pointer. Leaving while charging eases the bar back to empty.
// Each picker owns its own control, so two pickers share neither charge nor cool-down.
class RefreshControlModel : public QObject {
    Q_OBJECT
public:
    enum class State { idle, charging, refreshing, coolingDown };
    // How the bar's fill should move to a new progress.
    enum class ProgressMotion { none, tick, easeBack };

    static constexpr double tickSeconds = 0.05;
    static constexpr double tickStep = 0.1;
    static constexpr double easeBackSeconds = 0.15;
    static constexpr double cooldownSeconds = 30.0;

    using Fetch = std::function<QCoro::Task<>()>;

    RefreshControlModel(Clock& clock, Fetch fetch, QObject* parent = nullptr);
    ~RefreshControlModel() override;

    double refreshHoverProgress() const { return m_refreshHoverProgress; }
    bool isRefreshing() const { return m_isRefreshing; }
    bool refreshCooldown() const { return m_refreshCooldown; }
    State state() const;

    // The pointer entered (true) or left (false) the control.
    void handleRefreshHover(bool hovering);

    // What the control draws.
    bool showsFill() const { return m_refreshHoverProgress > 0 && !m_refreshCooldown; }
    QString labelText() const;
    double trackOpacity() const { return m_refreshCooldown ? 0.04 : 0.08; }
    double labelOpacity() const { return m_refreshCooldown ? 0.2 : 0.6; }

signals:
    void refreshHoverProgressChanged(double progress, RefreshControlModel::ProgressMotion motion);
    void isRefreshingChanged(bool isRefreshing);
    void refreshCooldownChanged(bool refreshCooldown);

private:
    void startRefreshHover();
    void refreshHoverTick();
    void cancelRefreshHover();
    void triggerRefresh();
    void finishRefresh();
    void setProgress(double progress, ProgressMotion motion);
    void setIsRefreshing(bool isRefreshing);
    void setRefreshCooldown(bool refreshCooldown);

    Clock& m_clock;
    Fetch m_fetch;
    double m_refreshHoverProgress = 0;
    bool m_isRefreshing = false;
    bool m_refreshCooldown = false;
    ClockTimerPtr m_refreshHoverTimer;
    ClockTimerPtr m_refreshCooldownTimer;
};
