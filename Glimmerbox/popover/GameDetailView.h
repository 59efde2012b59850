#pragma once

#include <QWidget>

class AppState;
class QLabel;

// The detail of one game. For now: the game's score line, or its id until the game is known.
class GameDetailView : public QWidget {
    Q_OBJECT
public:
    GameDetailView(QString gameId, AppState& appState, QWidget* parent = nullptr);

    const QString& gameId() const { return m_gameId; }
    QString headline() const;

private:
    void reload();

    QString m_gameId;
    AppState& m_appState;
    QLabel* m_headline = nullptr;
};
