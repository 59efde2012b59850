#pragma once

#include "platform/desktop/Updater.h"
#include "shell/CoreActions.h"
#include "shell/ShellWindows.h"

#include <QCoroSignal>
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// One log that every fake of the shell's collaborators writes to, so tests can check the order of calls.
using CallLog = QStringList;

// The application core: records each call; the fresh fetch waits until the test releases it.
class FakeCoreActions final : public CoreActions {
    Q_OBJECT
public:
    explicit FakeCoreActions(CallLog& log) : m_log(log) {}

    QCoro::Task<> registerCategories() override { return logged("registerCategories"); }
    QCoro::Task<> freshFetch() override {
        m_log.append("freshFetch");
        if (holdFreshFetch)
            co_await qCoro(this, &FakeCoreActions::released);
        m_log.append("freshFetch done");
    }
    QCoro::Task<> refreshLeagues() override { return logged("refreshLeagues"); }
    QCoro::Task<> loadAllTeams() override { return logged("loadAllTeams"); }
    void schedulePinnedRefresh() override { m_log.append("schedulePinnedRefresh"); }
    void scheduleLeagueRefresh() override { m_log.append("scheduleLeagueRefresh"); }
    void scheduleFullRefresh() override { m_log.append("scheduleFullRefresh"); }

    void release() { emit released(); }
    bool holdFreshFetch = false;

signals:
    void released();

private:
    QCoro::Task<> logged(QString call) {
        m_log.append(call);
        co_return;
    }
    CallLog& m_log;
};

// The windows: records each request and hands out plain widgets.
class FakeShellWindows final : public ShellWindows {
public:
    explicit FakeShellWindows(CallLog& log) : m_log(log) {}

    void showSettings() override { m_log.append("showSettings"); }
    void showAbout() override { m_log.append("showAbout"); }
    void showUpdateResult(const UpdateCheckResult& result) override { updateResults.append(result); }
    void popUpStatusMenu(QMenu* menu) override {
        m_log.append("popUpStatusMenu");
        shownMenu = menu;
    }
    std::optional<QRect> primaryScreenGeometry() const override { return screen; }
    std::unique_ptr<QWidget> createPopover() override {
        m_log.append("createPopover");
        return std::make_unique<QWidget>();
    }
    std::unique_ptr<QWidget> createOverlayWindow(const OverlayGeometry& geometry,
                                                 bool hasPhysicalNotch) override {
        m_log.append("createOverlayWindow");
        overlayGeometry = geometry;
        overlayHasPhysicalNotch = hasPhysicalNotch;
        return std::make_unique<QWidget>();
    }
    std::unique_ptr<QWidget> createOnboardingWindow(std::function<void()> onComplete) override {
        m_log.append("createOnboardingWindow");
        completeOnboarding = std::move(onComplete);
        auto window = std::make_unique<QWidget>();
        onboardingWindow = window.get();
        return window;
    }

    std::optional<QRect> screen = QRect(0, 0, 1920, 1080);
    std::optional<OverlayGeometry> overlayGeometry;
    bool overlayHasPhysicalNotch = true;
    std::function<void()> completeOnboarding;
    QPointer<QWidget> onboardingWindow;
    QPointer<QMenu> shownMenu;
    QList<UpdateCheckResult> updateResults;

private:
    CallLog& m_log;
};
