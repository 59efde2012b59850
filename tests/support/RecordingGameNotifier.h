#pragma once

#include "app/GameNotifier.h"

#include <QString>
#include <QStringList>

#include <vector>

// Records every send, in order, as "<kind> <game id>" with kind one of start, end, score, close, overtime,
// and each summary of the games a pass had no room for as "more <count> <leagues, comma-separated>".
class RecordingGameNotifier : public GameNotifier {
public:
    struct Sent {
        QString kind;
        Game game;
        std::optional<Game> previous; // score changes only
        QString told;                 // summaries only: "<count> <leagues>"
    };

    void registerCategories() override {}
    void sendGameStartNotification(const Game& game) override { record("start", game); }
    void sendGameEndNotification(const Game& game) override { record("end", game); }
    void sendScoreChangeNotification(const Game& game, const std::optional<Game>& previous) override {
        record("score", game, previous);
    }
    void sendCloseGameNotification(const Game& game) override { record("close", game); }
    void sendOvertimeNotification(const Game& game) override { record("overtime", game); }
    void sendMoreGamesChangedNotification(qint64 gameCount, const QStringList& leagueNames) override {
        sent.push_back(
            Sent{QStringLiteral("more"), Game{}, std::nullopt,
                 QString::number(gameCount) + QLatin1Char(' ') + leagueNames.join(QLatin1Char(','))});
    }

    QStringList log() const {
        QStringList lines;
        for (const Sent& entry : sent)
            lines.append(entry.kind + QLatin1Char(' ') + (entry.told.isEmpty() ? entry.game.id : entry.told));
        return lines;
    }
    void clear() { sent.clear(); }

    std::vector<Sent> sent;

private:
    void record(const char* kind, const Game& game, const std::optional<Game>& previous = std::nullopt) {
        sent.push_back(Sent{QString::fromLatin1(kind), game, previous, {}});
    }
};
