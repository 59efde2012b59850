#pragma once

#include <QWidget>

class AppState;
class QListWidget;

// The popover's content. For now: the pinned games, one line each, kept current.
class MenuBarView : public QWidget {
    Q_OBJECT
public:
    static constexpr int popoverWidth = 360;
    static constexpr int popoverHeight = 500;

    explicit MenuBarView(AppState& appState, QWidget* parent = nullptr);

    QStringList lines() const;

private:
    void reload();

    AppState& m_appState;
    QListWidget* m_list = nullptr;
};
