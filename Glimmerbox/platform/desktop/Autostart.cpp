#include "platform/desktop/Autostart.h"

#include "BuildInfo.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QSaveFile>
#include <QStandardPaths>

Autostart::Autostart(QString directory, QString appId, QString executablePath)
    : m_directory(std::move(directory)), m_appId(std::move(appId)),
      m_executablePath(std::move(executablePath)) {}

Autostart Autostart::forCurrentUser() {
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    return Autostart(config + QStringLiteral("/autostart"), QString::fromLatin1(BuildInfo::appId),
                     QCoreApplication::applicationFilePath());
}

QString Autostart::filePath() const {
    return m_directory + QLatin1Char('/') + m_appId + QStringLiteral(".desktop");
}

bool Autostart::isRegistered() const {
    return QFile::exists(filePath());
}

std::optional<QString> Autostart::registerItem() {
    if (!QDir().mkpath(m_directory))
        return QStringLiteral("Could not create the folder %1").arg(m_directory);
    QSaveFile file(filePath());
    if (!file.open(QIODevice::WriteOnly | QIODevice::Text))
        return QStringLiteral("Could not write %1: %2").arg(filePath(), file.errorString());
    file.write(desktopEntry(m_executablePath).toUtf8());
    if (!file.commit())
        return QStringLiteral("Could not write %1: %2").arg(filePath(), file.errorString());
    return std::nullopt;
}

std::optional<QString> Autostart::unregisterItem() {
    QFile file(filePath());
    if (!file.exists())
        return std::nullopt;
    if (!file.remove())
        return QStringLiteral("Could not remove %1: %2").arg(filePath(), file.errorString());
    return std::nullopt;
}

QString Autostart::desktopEntry(const QString& executablePath) {
    return QStringLiteral("[Desktop Entry]\n"
                          "Type=Application\n"
                          "Name=Glimmerbox\n"
                          "Comment=Live sports scores\n"
                          "Exec=%1\n"
                          "Icon=glimmerbox\n"
                          "Terminal=false\n"
                          "X-GNOME-Autostart-enabled=true\n")
        .arg(execArgument(executablePath));
}

QString Autostart::execArgument(const QString& argument) {
    // Field codes start with '%', so a literal one is doubled in any case.
    QString escaped = argument;
    escaped.replace(QLatin1Char('%'), QStringLiteral("%%"));

    static const QString reserved = QStringLiteral(" \t\n\"'\\><~|&;$*?#()`");
    const bool needsQuotes =
        std::any_of(escaped.cbegin(), escaped.cend(), [](QChar c) { return reserved.contains(c); });
    if (!needsQuotes)
        return escaped;

    // Inside quotes '"', '`', '$' and '\' take a backslash; the value's own string escaping then doubles
    // every backslash once more.
    QString quoted;
    for (QChar c : escaped) {
        if (c == QLatin1Char('"') || c == QLatin1Char('`') || c == QLatin1Char('$') || c == QLatin1Char('\\'))
            quoted += QLatin1Char('\\');
        quoted += c;
    }
    quoted.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    quoted.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}
