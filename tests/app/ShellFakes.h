#pragma once

#include "app/shell/CoreActions.h"
#include "app/shell/ShellWindows.h"
#include "platform/Updater.h"

#include <QCoroSignal>
#include <QMenu>
#include <QPointer>
#include <QStringList>
#include <QWidget>

// One log that every fake of the shell's collaborators writes to, so tests can check the order of calls.
struct CallLog {
    QStringList calls;
    void add(const QString& call) { calls.append(call); }
};

// The application core: records each call; the fresh fetch waits until the test releases it.
class FakeCoreActions final : public CoreActions {
    Q_OBJECT
public:
    explicit FakeCoreActions(CallLog& log) : m_log(log) {}

    QCoro::Task<> registerCategories() override {
        m_log.add(QStringLiteral("registerCategories"));
        co_return;
    }
    QCoro::Task<> freshFetch() override {
        m_log.add(QStringLiteral("freshFetch"));
        if (holdFreshFetch)
            co_await qCoro(this, &FakeCoreActions::released);
        m_log.add(QStringLiteral("freshFetch done"));
    }
    QCoro::Task<> refreshLeagues() override {
        m_log.add(QStringLiteral("refreshLeagues"));
        co_return;
    }
    QCoro::Task<> loadAllTeams() override {
        m_log.add(QStringLiteral("loadAllTeams"));
        co_return;
    }
    void schedulePinnedRefresh() override { m_log.add(QStringLiteral("schedulePinnedRefresh")); }
    void scheduleLeagueRefresh() override { m_log.add(QStringLiteral("scheduleLeagueRefresh")); }
    void scheduleFullRefresh() override { m_log.add(QStringLiteral("scheduleFullRefresh")); }

    void release() { emit released(); }
    bool holdFreshFetch = false;

signals:
    void released();

private:
    CallLog& m_log;
};

// The windows: records each request and hands out plain widgets.
class FakeShellWindows final : public ShellWindows {
public:
    explicit FakeShellWindows(CallLog& log) : m_log(log) {}

    void showSettings() override { m_log.add(QStringLiteral("showSettings")); }
    void showAbout() override { m_log.add(QStringLiteral("showAbout")); }
    void showUpdateResult(const UpdateCheckResult& result) override {
        m_log.add(QStringLiteral("showUpdateResult"));
        updateResults.append(result);
    }
    void popUpStatusMenu(QMenu* menu) override {
        m_log.add(QStringLiteral("popUpStatusMenu"));
        shownMenu = menu;
    }
    std::optional<QRect> primaryScreenGeometry() const override { return screen; }
    std::unique_ptr<QWidget> createPopover() override {
        m_log.add(QStringLiteral("createPopover"));
        return std::make_unique<QWidget>();
    }
    std::unique_ptr<QWidget> createOverlayWindow(const OverlayGeometry& geometry,
                                                 bool hasPhysicalNotch) override {
        m_log.add(QStringLiteral("createOverlayWindow"));
        overlayGeometry = geometry;
        overlayHasPhysicalNotch = hasPhysicalNotch;
        return std::make_unique<QWidget>();
    }
    std::unique_ptr<QWidget> createOnboardingWindow(std::function<void()> onComplete) override {
        m_log.add(QStringLiteral("createOnboardingWindow"));
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
