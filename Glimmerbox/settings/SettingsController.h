#pragma once

#include "SettingsServices.h"

#include <QByteArrayView>
#include <QDateTime>
#include <QObject>
#include <QString>
#include <QTime>
#include <QVariant>

// The settings window's decisions: which changes reach storage at once, what follows a change (the login
// item, the calendar request, the debug flag), the update options, clearing the cache and the reset. The tabs
// only show values and hand the user's changes here.
class SettingsController : public QObject {
    Q_OBJECT
    Q_PROPERTY(QString launchAtLoginProblem READ launchAtLoginProblem NOTIFY launchAtLoginProblemChanged)
public:
    explicit SettingsController(SettingsServices services, QObject* parent = nullptr);

    UserPreferences& prefs() const { return m_services.prefs; }
    AppState& appState() const { return m_services.appState; }

    // One control's change of the setting of that name: stores the value, writes the settings to storage at
    // once for the controls that do so (the others wait for the next save), then runs the setting's
    // follow-up.
    void edit(const char* setting, const QVariant& value);
    static bool savesAtOnce(QByteArrayView setting);
    // Writes the settings to storage (the window does so when it closes).
    void save();

    // The quiet-hours pickers change the hour and minute; the stored date part stays.
    static QDateTime withTimeOfDay(const QDateTime& stored, QTime time);

    // The updater's own flag and the user's check, which reports through the updater.
    bool automaticallyChecksForUpdates() const;
    void setAutomaticallyChecksForUpdates(bool enabled);
    void checkForUpdates();

    void clearCache();
    // Every setting back to its default, saved; the pins cleared (their stored ids too).
    void resetAllPreferences();

    // One line for the user after the login item could not be changed; empty otherwise.
    const QString& launchAtLoginProblem() const { return m_launchAtLoginProblem; }

signals:
    void launchAtLoginProblemChanged(const QString& problem);
    void automaticallyChecksForUpdatesChanged(bool enabled);

private:
    void applyLaunchAtLogin();
    void requestCalendarAccess();
    void copyDebugFlag();
    void setLaunchAtLoginProblem(const QString& problem);

    SettingsServices m_services;
    QString m_launchAtLoginProblem;
};
