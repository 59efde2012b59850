#pragma once

#include "notch/panels/RaceStandingsContent.h"

#include <QWidget>

// The racing panels: the expanded one (header with the series artwork and the race state, column titles,
// the first five drivers) and the deep list (a hairline and the drivers from sixth place on, nothing with
// five drivers or fewer).
class RacingPanel : public QWidget {
    Q_OBJECT
public:
    enum class Part { expanded, deepList };
    static constexpr int headerHeight = 32;
    static constexpr int columnTitlesHeight = 13;
    static constexpr int rowHeight = 24;
    static constexpr int hairlineHeight = 9;
    static constexpr int paddingX = 16;

    RacingPanel(Part part, const Game& game, const QDateTime& now, QWidget* parent = nullptr);

    void setGame(const Game& game, const QDateTime& now);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Part m_part;
    RaceStandingsContent m_content;
};
