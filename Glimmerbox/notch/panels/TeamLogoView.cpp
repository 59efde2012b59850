#include "notch/panels/TeamLogoView.h"

#include "notch/panels/TeamLogo.h"
#include "platform/time/Spinner.h"

#include <QPainter>

TeamLogoView::TeamLogoView(const Team& team, int size, QWidget* parent)
    : QWidget(parent), m_team(team), m_size(size), m_spinner(this, Clock::system()) {
    setFixedSize(size, size);
    setAttribute(Qt::WA_TranslucentBackground);
    connect(&ImageLoader::shared(), &ImageLoader::finished, this, [this](const QUrl& url) {
        if (m_team.logoURL == url)
            update();
    });
}

void TeamLogoView::setTeam(const Team& team) {
    if (team == m_team)
        return;
    m_team = team;
    update();
}

void TeamLogoView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool loading = paintTeamLogo(painter, QRectF(rect()), m_team, spinnerTurn(Clock::system()));
    m_spinner.setTurning(loading);
}
