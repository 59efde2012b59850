#include "SettingsFixture.h"

#include "settings/AdvancedSettingsView.h"
#include "settings/NotificationSettingsView.h"
#include "settings/SettingsController.h"
#include "settings/SettingsTabBar.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindowController.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QSpinBox>
#include <QToolButton>

#include <algorithm>

namespace {

class SettingsWindowTest : public SettingsFixture {
protected:
    SettingsWindowController windows{[this](AppState&) { return services; }};
    SettingsController controller{services};
};

// The button or section with this text.
template <typename Widget>
Widget* withText(QWidget* parent, const QString& text) {
    for (Widget* widget : parent->findChildren<Widget*>()) {
        if constexpr (std::is_same_v<Widget, QGroupBox>) {
            if (widget->title() == text)
                return widget;
        } else if (widget->text() == text) {
            return widget;
        }
    }
    return nullptr;
}

TEST_F(SettingsWindowTest, OneWindowAtATimeEachNewOneOnLeaguesWithEveryTabInView) {
    windows.showSettings(state);
    QWidget* window = windows.window();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Glimmerbox Settings");
    EXPECT_EQ(window->size(), QSize(550, 460));
    auto* view = window->findChild<SettingsView*>();
    ASSERT_NE(view, nullptr);
    EXPECT_EQ(view->selectedTab(), SettingsTab::leagues);
    // Every tab button lies wholly inside the window.
    const QList<QToolButton*> buttons = window->findChild<SettingsTabBar*>()->findChildren<QToolButton*>();
    int tabButtons = 0;
    for (QToolButton* button : buttons) {
        if (!button->isVisible() || !button->defaultAction() || !button->defaultAction()->isCheckable())
            continue;
        ++tabButtons;
        const QRect inWindow(button->mapTo(window, QPoint(0, 0)), button->size());
        EXPECT_TRUE(window->rect().contains(inWindow)) << button->text().toStdString();
    }
    EXPECT_EQ(tabButtons, 7);

    view->selectTab(SettingsTab::advanced);
    windows.showSettings(state);
    EXPECT_EQ(windows.window(), window);

    // A minimised window still counts as open: it comes back as it was.
    window->showMinimized();
    processPendingEvents();
    ASSERT_TRUE(window->isMinimized());
    windows.showSettings(state);
    EXPECT_EQ(windows.window(), window);
    EXPECT_FALSE(window->isMinimized());
    EXPECT_EQ(view->selectedTab(), SettingsTab::advanced);

    window->close();
    processPendingEvents();
    QPointer<QWidget> closed = window;
    windows.showSettings(state);
    EXPECT_TRUE(closed.isNull());
    EXPECT_EQ(windows.window()->findChild<SettingsView*>()->selectedTab(), SettingsTab::leagues);
}

TEST_F(SettingsWindowTest, ClosingTheWindowSavesChangesThatWaitedForALaterSave) {
    windows.showSettings(state);
    auto* view = windows.window()->findChild<SettingsView*>();
    view->controller().edit("hideWhenNoGames", false);
    EXPECT_FALSE(hasSavedDocument());
    windows.window()->close();
    EXPECT_FALSE(UserPreferences(settings).hideWhenNoGames());
}

TEST_F(SettingsWindowTest, NotificationSectionsGreyOutWhileOffAndTheThresholdFollowsCloseGames) {
    NotificationSettingsView view(controller);
    view.show();
    QGroupBox* events = withText<QGroupBox>(&view, "Game Events");
    ASSERT_NE(events, nullptr);
    auto* threshold = view.findChild<QSpinBox*>();
    EXPECT_TRUE(events->isEnabled());
    EXPECT_EQ(threshold->text(), "Threshold: 7 pts");

    withText<QCheckBox>(&view, "Enable notifications")->click();
    EXPECT_FALSE(preferences.notificationsEnabled());
    EXPECT_TRUE(hasSavedDocument());
    for (const char* title : {"Game Events", "Filter", "Quiet Hours"})
        EXPECT_FALSE(withText<QGroupBox>(&view, title)->isEnabled()) << title;
    EXPECT_TRUE(preferences.notifyGameStart()) << "the stored choices stay";

    preferences.setNotifyCloseGame(false);
    EXPECT_FALSE(threshold->isVisibleTo(&view));
    EXPECT_EQ(preferences.closeGameThreshold(), 7);
}

TEST_F(SettingsWindowTest, SteppersStopAtTheirBoundsAndDependentControlsFollowTheirSwitches) {
    SettingsView view(services);
    view.show();
    const QMap<QString, std::tuple<int, int, int>> ranges{{"Max pinned games: ", {1, 5, 1}},
                                                          {"Threshold: ", {1, 21, 1}},
                                                          {"Minutes before: ", {0, 60, 5}},
                                                          {"Cache expiration: ", {1, 168, 1}}};
    const QList<QSpinBox*> steppers = view.findChildren<QSpinBox*>();
    EXPECT_EQ(steppers.size(), ranges.size());
    for (QSpinBox* stepper : steppers) {
        EXPECT_EQ(std::tuple(stepper->minimum(), stepper->maximum(), stepper->singleStep()),
                  ranges.value(stepper->prefix()))
            << stepper->prefix().toStdString();
    }

    QCheckBox* expand = withText<QCheckBox>(&view, "Expand on hover");
    preferences.setUseNotch(false);
    EXPECT_FALSE(expand->isEnabled());
    EXPECT_TRUE(expand->isChecked()) << "greyed, its value kept";

    QCheckBox* reminders = withText<QCheckBox>(&view, "Add game reminders");
    preferences.setCalendarSyncEnabled(true);
    preferences.setAddGameReminders(false);
    EXPECT_TRUE(reminders->isEnabled());
    const auto minutesBefore =
        std::ranges::find(steppers, QStringLiteral("Minutes before: "), &QSpinBox::prefix);
    ASSERT_NE(minutesBefore, steppers.end());
    EXPECT_FALSE((*minutesBefore)->isEnabled());

    QWidget* general = view.tabView(SettingsTab::general);
    auto liveIntervalShown = [general] {
        for (QComboBox* picker : general->findChildren<QComboBox*>())
            if (picker->findText("5 seconds") >= 0)
                return picker->isVisibleTo(general);
        return false;
    };
    EXPECT_TRUE(liveIntervalShown());
    preferences.setFasterRefreshWhenLive(false);
    EXPECT_FALSE(liveIntervalShown());
    EXPECT_EQ(preferences.liveRefreshInterval(), 10.0);
}

TEST_F(SettingsWindowTest, ResetRunsOnlyOnceConfirmed) {
    AdvancedSettingsView view(controller);
    preferences.setBusyMode(true);

    QPointer<QMessageBox> box = view.confirmReset();
    box->button(QMessageBox::Cancel)->click();
    processPendingEvents();
    EXPECT_TRUE(preferences.busyMode());

    box = view.confirmReset();
    withText<QPushButton>(box, "Reset")->click();
    processPendingEvents();
    EXPECT_FALSE(preferences.busyMode());
    EXPECT_FALSE(UserPreferences(settings).busyMode());
}

TEST(SettingsViewTest, FooterShowsVersionAndBuildWithFallbacks) {
    EXPECT_EQ(SettingsView::versionText("1.2", "7"), "Glimmerbox v1.2 (7)");
    EXPECT_EQ(SettingsView::versionText("1.2", QString()), "Glimmerbox v1.2 (1)");
    EXPECT_EQ(SettingsView::versionText(QString(), QString()), "Glimmerbox v1.0.0 (1)");
}

} // namespace
