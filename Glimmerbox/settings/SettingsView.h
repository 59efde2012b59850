#pragma once

#include <QWidget>

class AppState;

// The settings window's content: the seven tabs over a version line. The tabs fill in as they are built.
class SettingsView : public QWidget {
    Q_OBJECT
public:
    explicit SettingsView(AppState& appState, QWidget* parent = nullptr);

    AppState& appState() const { return m_appState; }
    // "Glimmerbox v1.0.0 (1)".
    static QString versionText(const QString& appVersion, const QString& buildNumber);

private:
    AppState& m_appState;
};
