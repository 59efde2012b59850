#include "notch/picker/RefreshControlModel.h"

#include <QPointer>

namespace {

QCoro::Task<> fetchThenFinish(RefreshControlModel::Fetch fetch, std::function<void()> finish) {
    co_await fetch();
    finish();
}

} // namespace

RefreshControlModel::RefreshControlModel(Clock& clock, Fetch fetch, QObject* parent)
    : QObject(parent), m_clock(clock), m_fetch(std::move(fetch)) {}

RefreshControlModel::~RefreshControlModel() = default;

RefreshControlModel::State RefreshControlModel::state() const {
    if (m_isRefreshing)
        return State::refreshing;
    if (m_refreshCooldown)
        return State::coolingDown;
    return m_refreshHoverTimer ? State::charging : State::idle;
}

QString RefreshControlModel::labelText() const {
    return m_refreshCooldown ? QStringLiteral("Wait") : QStringLiteral("Refresh");
}

void RefreshControlModel::handleRefreshHover(bool hovering) {
    if (m_refreshCooldown || m_isRefreshing)
        return;
    if (hovering)
        startRefreshHover();
    else
        cancelRefreshHover();
}

void RefreshControlModel::startRefreshHover() {
    setProgress(0, ProgressMotion::none);
    m_refreshHoverTimer =
        m_clock.repeating(secondsToMilliseconds(tickSeconds), this, [this] { refreshHoverTick(); });
}

void RefreshControlModel::refreshHoverTick() {
    // Plain additions: ten tenths make 0.9999999999999999, so the fetch starts on the eleventh tick.
    setProgress(m_refreshHoverProgress + tickStep, ProgressMotion::tick);
    if (m_refreshHoverProgress >= 1.0) {
        m_refreshHoverTimer.reset();
        triggerRefresh();
    }
}

void RefreshControlModel::cancelRefreshHover() {
    m_refreshHoverTimer.reset();
    setProgress(0, ProgressMotion::easeBack);
}

void RefreshControlModel::triggerRefresh() {
    setIsRefreshing(true);
    setProgress(0, ProgressMotion::none);
    QPointer<RefreshControlModel> self(this);
    fetchThenFinish(m_fetch, [self] {
        if (self)
            self->finishRefresh();
    });
}

void RefreshControlModel::finishRefresh() {
    setIsRefreshing(false);
    setRefreshCooldown(true);
    m_refreshCooldownTimer = m_clock.singleShot(secondsToMilliseconds(cooldownSeconds), this,
                                                [this] { setRefreshCooldown(false); });
}

void RefreshControlModel::setProgress(double progress, ProgressMotion motion) {
    m_refreshHoverProgress = progress;
    emit refreshHoverProgressChanged(progress, motion);
}

void RefreshControlModel::setIsRefreshing(bool isRefreshing) {
    m_isRefreshing = isRefreshing;
    emit isRefreshingChanged(isRefreshing);
}

void RefreshControlModel::setRefreshCooldown(bool refreshCooldown) {
    m_refreshCooldown = refreshCooldown;
    emit refreshCooldownChanged(refreshCooldown);
}
