#include "NotificationSettingsView.h"

#include "SettingsController.h"
#include "SettingsForm.h"
#include "WheelScrollsPage.h"
#include "model/UserPreferences.h"

#include <QGroupBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>

NotificationSettingsView::NotificationSettingsView(SettingsController& controller, QWidget* parent)
    : QWidget(parent) {
    auto* form = new SettingsForm(this, controller);
    UserPreferences& prefs = controller.prefs();

    QGroupBox* master = form->addSection();
    form->addToggle(master, QStringLiteral("Enable notifications"), "notificationsEnabled");

    QGroupBox* events = form->addSection(QStringLiteral("Game Events"));
    form->addToggle(events, QStringLiteral("Game starts"), "notifyGameStart");
    form->addToggle(events, QStringLiteral("Game ends"), "notifyGameEnd");
    form->addToggle(events, QStringLiteral("Score changes"), "notifyScoreChange");
    form->addToggle(events, QStringLiteral("Close games"), "notifyCloseGame");
    QSpinBox* threshold = form->addStepper(
        events, "closeGameThreshold",
        {QStringLiteral("Threshold: "), QStringLiteral(" pts"), UserPreferences::closeGameThresholdRange});
    form->addToggle(events, QStringLiteral("Overtime / Extra time"), "notifyOvertime");
    form->follow([threshold, &prefs] { SettingsForm::setRowVisible(threshold, prefs.notifyCloseGame()); });

    QGroupBox* filter = form->addSection(QStringLiteral("Filter"));
    form->addToggle(filter, QStringLiteral("Favorites only"), "notifyFavoritesOnly");

    QGroupBox* quiet = form->addSection(QStringLiteral("Quiet Hours"));
    form->addToggle(quiet, QStringLiteral("Enable quiet hours"), "quietHoursEnabled");
    for (const auto& [label, key] : {std::pair{QStringLiteral("From"), "quietHoursStart"},
                                     std::pair{QStringLiteral("To"), "quietHoursEnd"}}) {
        // A variable of its own: clang does not let lambdas capture a structured binding.
        const char* const setting = key;
        auto* picker = new QTimeEdit(quiet);
        picker->setDisplayFormat(QStringLiteral("HH:mm"));
        wheelScrollsPage(picker);
        form->addRow(quiet, picker, label);
        connect(picker, &QTimeEdit::timeChanged, this, [&controller, setting](QTime time) {
            const QDateTime stored = controller.prefs().property(setting).toDateTime();
            controller.edit(setting, SettingsController::withTimeOfDay(stored, time));
        });
        form->follow([picker, setting, &prefs] {
            const QSignalBlocker quietly(picker);
            picker->setTime(prefs.property(setting).toDateTime().toLocalTime().time());
            SettingsForm::setRowVisible(picker, prefs.quietHoursEnabled());
        });
    }

    // Greyed, not hidden: the stored choices stay and apply again once notifications are back on.
    form->follow([events, filter, quiet, &prefs] {
        for (QGroupBox* section : {events, filter, quiet})
            section->setEnabled(prefs.notificationsEnabled());
    });
    form->refresh();
}
