#pragma once

#include "model/Team.h"
#include "platform/time/SpinnerTicker.h"

#include <QWidget>

// A team's logo in a square of `size` logical pixels, with the coloured initial as fallback. Its spinner
// timer runs only while the logo is loading and the view is shown.
class TeamLogoView : public QWidget {
    Q_OBJECT
public:
    TeamLogoView(const Team& team, int size, QWidget* parent = nullptr);

    void setTeam(const Team& team);
    const Team& team() const { return m_team; }
    bool isSpinning() const { return m_spinner.isTicking(); }

    QSize sizeHint() const override { return {m_size, m_size}; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Team m_team;
    int m_size;
    SpinnerTicker m_spinner;
};
