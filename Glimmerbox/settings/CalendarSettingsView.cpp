#include "CalendarSettingsView.h"

#include "SettingsController.h"
#include "SettingsForm.h"
#include "model/UserPreferences.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QSpinBox>

CalendarSettingsView::CalendarSettingsView(SettingsController& controller, QWidget* parent)
    : QWidget(parent), m_form(new SettingsForm(this, controller)) {
    UserPreferences& prefs = controller.prefs();

    QGroupBox* sync = m_form->addSection();
    m_form->addToggle(sync, QStringLiteral("Sync games to Calendar"), "calendarSyncEnabled");

    QGroupBox* reminders = m_form->addSection(QStringLiteral("Reminders"));
    QCheckBox* add = m_form->addToggle(reminders, QStringLiteral("Add game reminders"), "addGameReminders");
    QSpinBox* minutes = m_form->addStepper(reminders, "reminderMinutesBefore",
                                           {QStringLiteral("Minutes before: "), {}, 0, 60, 5});
    m_form->follow([add, minutes, &prefs] {
        add->setEnabled(prefs.calendarSyncEnabled());
        minutes->setEnabled(prefs.calendarSyncEnabled() && prefs.addGameReminders());
    });
    m_form->refresh();
}
