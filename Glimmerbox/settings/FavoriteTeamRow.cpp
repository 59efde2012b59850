#include "FavoriteTeamRow.h"

#include "SettingsForm.h"
#include "notch/panels/TeamLogoView.h"
#include "platform/text/IconFont.h"
#include "platform/text/OneLineLabel.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QVBoxLayout>

namespace {
constexpr int logoSize = 24;
constexpr int starSize = 14;
const QColor starYellow(0xFF, 0xD6, 0x0A);
} // namespace

FavoriteTeamRow::FavoriteTeamRow(const Team& team, bool isFavorite, std::function<void()> onToggle,
                                 QWidget* parent)
    : QWidget(parent), m_onToggle(std::move(onToggle)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(8, 4, 8, 4);
    layout->addWidget(new TeamLogoView(team, logoSize, this));

    auto* names = new QVBoxLayout;
    names->setSpacing(1);
    auto* name = new OneLineLabel(team.name, this);
    name->setFont(pixelFont(name, 11));
    auto* league = new OneLineLabel(team.league.abbreviation, this);
    league->setFont(pixelFont(league, 10));
    league->setForegroundRole(QPalette::PlaceholderText);
    names->addWidget(name);
    names->addWidget(league);
    layout->addLayout(names);
    layout->addStretch(1);

    if (isFavorite) {
        auto* star = new QLabel(this);
        star->setPixmap(
            iconfont::pixmap(QStringLiteral("star.fill"), starYellow, starSize, devicePixelRatioF()));
        layout->addWidget(star);
    }
    setCursor(Qt::PointingHandCursor);
}

void FavoriteTeamRow::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) && m_onToggle)
        m_onToggle();
}
