#pragma once

#include "model/PlayByPlayEvent.h"

#include <QWidget>

// One play: its symbol in a circle, the description and the line with period, team and score. A key
// play's row is tinted.
class PlayByPlayRowView : public QWidget {
public:
    // The side of the play's symbol inside its 28-point circle.
    static constexpr int symbolSize = 16;

    explicit PlayByPlayRowView(const PlayByPlayEvent& play, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool m_isKeyPlay;
};
