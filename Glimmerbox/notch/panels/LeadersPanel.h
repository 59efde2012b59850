#pragma once

#include "notch/panels/LeadersContent.h"

#include "platform/time/Clock.h"
#include "platform/time/SpinnerTicker.h"

#include <QWidget>

// The deep card's leaders of a team game: the away leader, the league badge, the home leader; a small
// spinner while they load; the badge alone for sports without leaders or when none came back.
class LeadersPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int headshotSize = 24;
    static constexpr int badgeSize = 24;

    // Where one leader's headshot and two text lines sit in the column of their side.
    struct RowLayout {
        QRectF headshot;
        QRectF text;
        Qt::Alignment alignment;
    };
    static RowLayout rowLayout(const QRectF& column, const TopScorer& scorer, bool home);

    LeadersPanel(Clock& clock, QWidget* parent = nullptr);

    void setLeaders(const Game& game, bool isLoadingLeaders, const QList<TopScorer>& topScorers);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Clock& m_clock;
    Game m_game;
    LeadersContent m_content;
    SpinnerTicker m_spinner{this, m_clock};
};
