#include "RecordingGameNotifier.h"

QStringList RecordingGameNotifier::log() const {
    QStringList lines;
    for (const Sent& entry : sent)
        lines.append(entry.kind + QLatin1Char(' ') + entry.game.id);
    return lines;
}
