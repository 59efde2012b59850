#include "popover/detail/DetailWindowTitle.h"

#include "platform/text/DisplayText.h"

#include <QStringList>

QString detailWindowTitle(const Game& game) {
    QStringList sides;
    for (const Team* team : {&game.awayTeam, &game.homeTeam}) {
        const QString abbreviation = oneLineText(team->abbreviation).trimmed();
        if (!abbreviation.isEmpty())
            sides.append(abbreviation);
    }
    QString title =
        sides.isEmpty() ? oneLineText(game.league.abbreviation) : sides.join(QStringLiteral(" vs "));
    // A window title reads "[*]" as the place of its modified mark; doubled, it shows as written.
    title.replace(QStringLiteral("[*]"), QStringLiteral("[*][*]"));
    return title;
}
