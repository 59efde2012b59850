#include "SettingsView.h"

#include "BuildInfo.h"

#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {
// Tab titles in window order; the window opens on Leagues.
const QStringList tabTitles{QStringLiteral("General"),    QStringLiteral("Leagues"),
                            QStringLiteral("Teams"),      QStringLiteral("Notifications"),
                            QStringLiteral("Appearance"), QStringLiteral("Calendar"),
                            QStringLiteral("Advanced")};
constexpr int leaguesTab = 1;
} // namespace

SettingsView::SettingsView(AppState& appState, QWidget* parent) : QWidget(parent), m_appState(appState) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    auto* tabs = new QTabWidget(this);
    for (const QString& title : tabTitles)
        tabs->addTab(new QWidget(tabs), title);
    tabs->setCurrentIndex(leaguesTab);
    layout->addWidget(tabs, 1);

    auto* footer = new QLabel(
        versionText(QString::fromLatin1(BuildInfo::version), QString::fromLatin1(BuildInfo::buildNumber)),
        this);
    footer->setContentsMargins(16, 6, 16, 6);
    footer->setForegroundRole(QPalette::PlaceholderText);
    QFont caption = footer->font();
    caption.setPixelSize(11);
    footer->setFont(caption);
    layout->addWidget(footer);
}

QString SettingsView::versionText(const QString& appVersion, const QString& buildNumber) {
    return QStringLiteral("Glimmerbox v%1 (%2)")
        .arg(appVersion.isEmpty() ? QStringLiteral("1.0.0") : appVersion,
             buildNumber.isEmpty() ? QStringLiteral("1") : buildNumber);
}
