#pragma once

#include "app/GameNotifier.h"

#include <QString>
#include <QStringList>

#include <vector>

// Records every send, in order, as "<kind> <game id>" with kind one of start, end, score, close, overtime.
class RecordingGameNotifier : public GameNotifier {
public:
    struct Sent {
        QString kind;
        Game game;
        std::optional<Game> previous; // score changes only
    };

    void registerCategories() override {}
    void sendGameStartNotification(const Game& game) override { record("start", game); }
    void sendGameEndNotification(const Game& game) override { record("end", game); }
    void sendScoreChangeNotification(const Game& game, const std::optional<Game>& previous) override {
        record("score", game, previous);
    }
    void sendCloseGameNotification(const Game& game) override { record("close", game); }
    void sendOvertimeNotification(const Game& game) override { record("overtime", game); }

    QStringList log() const {
        QStringList lines;
        for (const Sent& entry : sent)
            lines.append(entry.kind + QLatin1Char(' ') + entry.game.id);
        return lines;
    }
    void clear() { sent.clear(); }

    std::vector<Sent> sent;

private:
    void record(const char* kind, const Game& game, const std::optional<Game>& previous = std::nullopt) {
        sent.push_back(Sent{QString::fromLatin1(kind), game, previous});
    }
};
