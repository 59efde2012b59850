#pragma once

#include <QWidget>

// The About window's content: icon, name, version and build, tagline and legal line.
class AboutView : public QWidget {
    Q_OBJECT
public:
    static constexpr int viewWidth = 340;
    static constexpr int viewHeight = 320;

    // The build's version and number; empty texts fall back to "1.0.0" and "1".
    explicit AboutView(QWidget* parent = nullptr);
    AboutView(const QString& appVersion, const QString& buildNumber, QWidget* parent = nullptr);

    const QString& appVersion() const { return m_appVersion; }
    const QString& buildNumber() const { return m_buildNumber; }
    // "Version 1.2 (7)".
    QString versionText() const;

private:
    QString m_appVersion;
    QString m_buildNumber;
};
