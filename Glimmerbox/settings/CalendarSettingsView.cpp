#include "CalendarSettingsView.h"

#include "SettingsController.h"
#include "SettingsForm.h"
#include "model/UserPreferences.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QSpinBox>

CalendarSettingsView::CalendarSettingsView(SettingsController& controller, QWidget* parent)
    : QWidget(parent) {
    auto* form = new SettingsForm(this, controller);
    UserPreferences& prefs = controller.prefs();

    QGroupBox* sync = form->addSection();
    form->addToggle(sync, QStringLiteral("Sync games to Calendar"), "calendarSyncEnabled");

    QGroupBox* reminders = form->addSection(QStringLiteral("Reminders"));
    QCheckBox* add = form->addToggle(reminders, QStringLiteral("Add game reminders"), "addGameReminders");
    QSpinBox* minutes = form->addStepper(
        reminders, "reminderMinutesBefore",
        {QStringLiteral("Minutes before: "), {}, UserPreferences::reminderMinutesBeforeRange, 5});
    form->follow([add, minutes, &prefs] {
        add->setEnabled(prefs.calendarSyncEnabled());
        minutes->setEnabled(prefs.calendarSyncEnabled() && prefs.addGameReminders());
    });
    form->refresh();
}
