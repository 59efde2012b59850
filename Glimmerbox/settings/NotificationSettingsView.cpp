#include "NotificationSettingsView.h"

#include "SettingsController.h"
#include "SettingsForm.h"
#include "model/UserPreferences.h"

#include <QGroupBox>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimeEdit>

NotificationSettingsView::NotificationSettingsView(SettingsController& controller, QWidget* parent)
    : QWidget(parent), m_form(new SettingsForm(this, controller)) {
    UserPreferences& prefs = controller.prefs();

    QGroupBox* master = m_form->addSection();
    m_form->addToggle(master, QStringLiteral("Enable notifications"), "notificationsEnabled");

    QGroupBox* events = m_form->addSection(QStringLiteral("Game Events"));
    m_form->addToggle(events, QStringLiteral("Game starts"), "notifyGameStart");
    m_form->addToggle(events, QStringLiteral("Game ends"), "notifyGameEnd");
    m_form->addToggle(events, QStringLiteral("Score changes"), "notifyScoreChange");
    m_form->addToggle(events, QStringLiteral("Close games"), "notifyCloseGame");
    QSpinBox* threshold = m_form->addStepper(events, "closeGameThreshold",
                                             {QStringLiteral("Threshold: "), QStringLiteral(" pts"), 1, 21});
    m_form->addToggle(events, QStringLiteral("Overtime / Extra time"), "notifyOvertime");
    m_form->follow([threshold, &prefs] { SettingsForm::setRowVisible(threshold, prefs.notifyCloseGame()); });

    QGroupBox* filter = m_form->addSection(QStringLiteral("Filter"));
    m_form->addToggle(filter, QStringLiteral("Favorites only"), "notifyFavoritesOnly");

    QGroupBox* quiet = m_form->addSection(QStringLiteral("Quiet Hours"));
    m_form->addToggle(quiet, QStringLiteral("Enable quiet hours"), "quietHoursEnabled");
    for (const auto& [label, setting] : {std::pair{QStringLiteral("From"), "quietHoursStart"},
                                         std::pair{QStringLiteral("To"), "quietHoursEnd"}}) {
        auto* picker = new QTimeEdit(quiet);
        picker->setDisplayFormat(QStringLiteral("HH:mm"));
        m_form->addRow(quiet, picker, label);
        connect(picker, &QTimeEdit::timeChanged, this, [&controller, setting](QTime time) {
            const QDateTime stored = controller.prefs().property(setting).toDateTime();
            controller.edit(setting, SettingsController::withTimeOfDay(stored, time));
        });
        m_form->follow([picker, setting, &prefs] {
            const QSignalBlocker quietly(picker);
            picker->setTime(prefs.property(setting).toDateTime().toLocalTime().time());
            SettingsForm::setRowVisible(picker, prefs.quietHoursEnabled());
        });
    }

    // Greyed, not hidden: the stored choices stay and apply again once notifications are back on.
    m_form->follow([events, filter, quiet, &prefs] {
        for (QGroupBox* section : {events, filter, quiet})
            section->setEnabled(prefs.notificationsEnabled());
    });
    m_form->refresh();
}
