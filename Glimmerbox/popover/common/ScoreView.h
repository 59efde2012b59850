#pragma once

#include <QWidget>

class QLabel;

// Two scores, away on the left and home on the right; only the leading one in the primary colour.
class ScoreView : public QWidget {
public:
    ScoreView(qint64 homeScore, qint64 awayScore, int fontSize, QWidget* parent = nullptr);

    // The separator is drawn at 0.8 of the scores' size.
    static int separatorSize(int fontSize) { return qRound(fontSize * 0.8); }
};
