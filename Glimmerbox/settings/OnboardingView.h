#pragma once

#include "OnboardingPage.h"
#include "platform/desktop/SettingsStore.h"
#include "platform/time/Clock.h"

#include <QWidget>

#include <functional>

class OnboardingPageDots;
class QLabel;
class QPushButton;
class QStackedWidget;

// The first-run introduction: one page at a time, Back and Next below, and "Get Started" on the last page,
// which records under `completedKey` that onboarding is done and then runs the completion action.
class OnboardingView : public QWidget {
    Q_OBJECT
public:
    static constexpr QLatin1StringView completedKey{"hasCompletedOnboarding"};

    OnboardingView(int currentPage, std::function<void()> onComplete, QList<OnboardingPage> pages,
                   SettingsStore& defaults = SettingsStore::standard(), Clock& clock = Clock::system(),
                   QWidget* parent = nullptr);

    int currentPage() const { return m_currentPage; }
    QString primaryButtonTitle() const;
    bool isBackVisible() const;
    OnboardingPageDots& dots() const { return *m_dots; }

    // The footer buttons.
    void goBack();
    void goForward();

private:
    QWidget* makePage(const OnboardingPage& page);
    void showPage(int index);

    int m_currentPage;
    std::function<void()> m_onComplete;
    QList<OnboardingPage> m_pages;
    SettingsStore& m_defaults;
    QStackedWidget* m_stack = nullptr;
    QPushButton* m_back = nullptr;
    QPushButton* m_next = nullptr;
    OnboardingPageDots* m_dots = nullptr;
};
