#include "ChildWithText.h"
#include "SettingsFixture.h"

#include "platform/desktop/UnconfirmedEdits.h"
#include "settings/AdvancedSettingsView.h"
#include "settings/CalendarSettingsView.h"
#include "settings/NotificationSettingsView.h"
#include "settings/SettingsController.h"
#include "settings/SettingsTabBar.h"
#include "settings/SettingsView.h"
#include "settings/SettingsWindowController.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QTest>
#include <QTimeEdit>
#include <QToolButton>
#include <QWheelEvent>

#include <algorithm>

namespace {

class SettingsWindowTest : public SettingsFixture {
protected:
    SettingsWindowController windows{[this](AppState&) { return services; }};
    SettingsController controller{services};
};

// One notch of the wheel towards the user over the middle of `control`.
void turnWheelOver(QWidget* control) {
    const QPoint centre = control->rect().center();
    QWheelEvent wheel(centre, control->mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(control, &wheel);
}

// The picker that offers this row.
QComboBox* pickerWith(QWidget* parent, const QString& row) {
    for (QComboBox* picker : parent->findChildren<QComboBox*>())
        if (picker->findText(row) >= 0)
            return picker;
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
    QGroupBox* events = childWithText<QGroupBox>(view, "Game Events");
    ASSERT_NE(events, nullptr);
    auto* threshold = view.findChild<QSpinBox*>();
    EXPECT_TRUE(events->isEnabled());
    EXPECT_EQ(threshold->text(), "Threshold: 7 pts");

    childWithText<QCheckBox>(view, "Enable notifications")->click();
    EXPECT_FALSE(preferences.notificationsEnabled());
    EXPECT_TRUE(hasSavedDocument());
    for (const char* title : {"Game Events", "Filter", "Quiet Hours"})
        EXPECT_FALSE(childWithText<QGroupBox>(view, title)->isEnabled()) << title;
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

    QCheckBox* expand = childWithText<QCheckBox>(view, "Expand on hover");
    preferences.setUseNotch(false);
    EXPECT_FALSE(expand->isEnabled());
    EXPECT_TRUE(expand->isChecked()) << "greyed, its value kept";

    QCheckBox* reminders = childWithText<QCheckBox>(view, "Add game reminders");
    preferences.setCalendarSyncEnabled(true);
    preferences.setAddGameReminders(false);
    EXPECT_TRUE(reminders->isEnabled());
    const auto minutesBefore =
        std::ranges::find(steppers, QStringLiteral("Minutes before: "), &QSpinBox::prefix);
    ASSERT_NE(minutesBefore, steppers.end());
    EXPECT_FALSE((*minutesBefore)->isEnabled());

    QWidget* general = view.tabView(SettingsTab::general);
    auto liveIntervalShown = [general] {
        const QComboBox* picker = pickerWith(general, "5 seconds");
        return picker && picker->isVisibleTo(general);
    };
    EXPECT_TRUE(liveIntervalShown());
    preferences.setFasterRefreshWhenLive(false);
    EXPECT_FALSE(liveIntervalShown());
    EXPECT_EQ(preferences.liveRefreshInterval(), 10.0);
}

// The wheel over a picker, stepper or time field scrolls the page and never changes the control, focused or
// not: a picker keeps the focus after a choice made with the mouse, and scrolling on would change it again.
TEST_F(SettingsWindowTest, TheWheelOverAPickerStepperOrTimeFieldOnlyScrollsThePageFocusedOrNot) {
    SettingsView view(services);
    view.resize(SettingsWindowController::windowWidth, SettingsWindowController::windowHeight);
    view.selectTab(SettingsTab::general);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    QWidget* general = view.tabView(SettingsTab::general);
    QScrollBar* page = general->findChild<QScrollArea*>()->verticalScrollBar();
    ASSERT_GT(page->maximum(), 0) << "the tab is taller than its view";
    QComboBox* displayMode = pickerWith(general, "Compact");
    QComboBox* normalInterval = pickerWith(general, "5 minutes");
    QSpinBox* maxPinned = general->findChild<QSpinBox*>();
    const MenuBarDisplayMode mode = preferences.menuBarDisplayMode();
    const double interval = preferences.refreshInterval();
    const qint64 pins = preferences.maxPinnedGames();

    const QList<QWidget*> controls{displayMode, maxPinned, normalInterval};
    for (const bool focused : {false, true}) {
        page->setValue(0);
        int scrolled = page->value();
        for (QWidget* control : controls) {
            if (focused) {
                control->setFocus(Qt::MouseFocusReason);
                ASSERT_TRUE(control->hasFocus());
            }
            turnWheelOver(control);
            EXPECT_GT(page->value(), scrolled)
                << control->metaObject()->className() << (focused ? " focused" : "");
            scrolled = page->value();
        }
    }
    EXPECT_EQ(preferences.menuBarDisplayMode(), mode);
    EXPECT_EQ(preferences.refreshInterval(), interval);
    EXPECT_EQ(preferences.maxPinnedGames(), pins);
    EXPECT_FALSE(hasSavedDocument());

    // The keyboard still changes a focused control.
    normalInterval->setFocus(Qt::TabFocusReason);
    QTest::keyClick(normalInterval, Qt::Key_Down);
    EXPECT_NE(preferences.refreshInterval(), interval);
    EXPECT_TRUE(hasSavedDocument());

    // The quiet-hours times and the threshold likewise.
    preferences.setQuietHoursEnabled(true);
    view.selectTab(SettingsTab::notifications);
    QWidget* notifications = view.tabView(SettingsTab::notifications);
    QScrollBar* notificationsPage = notifications->findChild<QScrollArea*>()->verticalScrollBar();
    const QDateTime from = preferences.quietHoursStart();
    const qint64 threshold = preferences.closeGameThreshold();
    auto* thresholdField = notifications->findChild<QSpinBox*>();
    auto* fromField = notifications->findChild<QTimeEdit*>();
    for (QWidget* control : {static_cast<QWidget*>(thresholdField), static_cast<QWidget*>(fromField)}) {
        notificationsPage->setValue(0);
        control->setFocus(Qt::MouseFocusReason);
        ASSERT_TRUE(control->hasFocus());
        turnWheelOver(control);
        EXPECT_GT(notificationsPage->value(), 0) << control->metaObject()->className();
    }
    EXPECT_EQ(preferences.closeGameThreshold(), threshold);
    EXPECT_EQ(preferences.quietHoursStart(), from);
    thresholdField->setFocus(Qt::TabFocusReason);
    QTest::keyClick(thresholdField, Qt::Key_Up);
    EXPECT_NE(preferences.closeGameThreshold(), threshold);
}

TEST_F(SettingsWindowTest, TypedStepperValuesKeepTheStepAndTheRange) {
    preferences.setCalendarSyncEnabled(true);
    preferences.setAddGameReminders(true);
    CalendarSettingsView view(controller);
    view.show();
    view.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&view));
    auto* minutes = view.findChild<QSpinBox*>();
    auto type = [minutes](const QString& text) {
        minutes->setFocus(Qt::TabFocusReason);
        minutes->selectAll();
        QTest::keyClicks(minutes, text);
        QTest::keyClick(minutes, Qt::Key_Return);
    };

    type("7");
    EXPECT_EQ(preferences.reminderMinutesBefore(), 5);
    EXPECT_EQ(minutes->text(), "Minutes before: 5");
    type("58");
    EXPECT_EQ(preferences.reminderMinutesBefore(), 60);
    QTest::keyClick(minutes, Qt::Key_Up);
    EXPECT_EQ(preferences.reminderMinutesBefore(), 60) << "the top of the range";
    QTest::keyClick(minutes, Qt::Key_Down);
    EXPECT_EQ(preferences.reminderMinutesBefore(), 55);

    // Typed but not yet confirmed when the application quits: it still counts.
    minutes->selectAll();
    QTest::keyClicks(minutes, "47");
    EXPECT_EQ(preferences.reminderMinutesBefore(), 55);
    commitUnconfirmedEdits();
    EXPECT_EQ(preferences.reminderMinutesBefore(), 45);
}

TEST_F(SettingsWindowTest, ResetRunsOnlyOnceConfirmed) {
    AdvancedSettingsView view(controller);
    preferences.setBusyMode(true);

    QPointer<QMessageBox> box = view.confirmReset();
    box->button(QMessageBox::Cancel)->click();
    processPendingEvents();
    EXPECT_TRUE(preferences.busyMode());

    box = view.confirmReset();
    childWithText<QPushButton>(*box, "Reset")->click();
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
