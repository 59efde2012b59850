#include "popover/menu/LeagueSectionView.h"

#include "app/AppState.h"
#include "popover/common/CapsuleLabel.h"
#include "popover/common/DotView.h"
#include "popover/common/PopoverStyle.h"
#include "popover/menu/PopoverContent.h"
#include "popover/menu/PopoverServices.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QVBoxLayout>

using namespace popoverstyle;

LeagueSectionView::LeagueSectionView(const League& league, bool isExpanded, PopoverServices& services,
                                     QWidget* parent)
    : QWidget(parent), m_league(league), m_isExpanded(isExpanded) {
    const QList<Game> games = services.appState.gamesFor(league);
    const popovercontent::SectionHeader summary = popovercontent::sectionHeader(games);
    auto* layout = popoverstyle::vbox(this, {}, 0);

    m_header = new QWidget(this);
    m_header->setCursor(Qt::PointingHandCursor);
    auto* header = popoverstyle::hbox(m_header, QMargins(12, 6, 12, 6), 8);
    header->addWidget(
        symbol(isExpanded ? QStringLiteral("chevron.down") : QStringLiteral("arrowtriangle.right.fill"),
               caption, Tint::secondary, m_header));
    QLabel* sport = symbol(sfSymbolName(league.sport), subheadline, Tint::secondary, m_header);
    sport->setFixedWidth(18);
    header->addWidget(sport);
    header->addWidget(label(league.abbreviation, subheadline, QFont::Medium, Tint::primary, m_header));
    header->addStretch();
    if (summary.hasLiveGame)
        header->addWidget(new DotView(6, Tint::red, m_header));
    header->addWidget(new CapsuleLabel(QString::number(summary.count), caption2, QMargins(5, 2, 5, 2),
                                       Tint::secondary, m_header));
    layout->addWidget(m_header);

    if (!isExpanded)
        return;
    if (games.isEmpty()) {
        QLabel* empty =
            label(QStringLiteral("No games today"), caption, QFont::Normal, Tint::secondary, this);
        empty->setContentsMargins(12, 6, 12, 6);
        layout->addWidget(empty);
    }
}

void LeagueSectionView::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton || !m_header->geometry().contains(event->position().toPoint()))
        return;
    emit expandedToggled(m_league.id, !m_isExpanded);
}
