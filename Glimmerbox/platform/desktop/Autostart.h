#pragma once

#include <QString>

#include <optional>

// Launch at login as an XDG autostart entry: $XDG_CONFIG_HOME/autostart/<app id>.desktop starting this
// executable. Operations return nothing on success and a description of the failure otherwise.
class Autostart {
public:
    Autostart(QString directory, QString appId, QString executablePath);

    // The user's autostart folder, the application id and the running executable.
    static Autostart forCurrentUser();

    // Writes the entry (replacing an older one). Unregistering a missing entry succeeds.
    std::optional<QString> registerItem();
    std::optional<QString> unregisterItem();
    std::optional<QString> setEnabled(bool enabled) { return enabled ? registerItem() : unregisterItem(); }

    bool isRegistered() const;
    QString filePath() const;

    // The entry's text for an executable; the Exec line quotes the path when the desktop-entry rules need it.
    static QString desktopEntry(const QString& executablePath);
    static QString execArgument(const QString& argument);

private:
    QString m_directory;
    QString m_appId;
    QString m_executablePath;
};
