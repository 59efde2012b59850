#include "popover/common/StatusBadgeContent.h"

StatusBadgeContent StatusBadgeContent::of(const Game& game) {
    StatusBadgeContent content;
    if (game.isLive()) {
        content.isLive = true;
        content.tint = Tint::red;
        for (const std::optional<QString>& part : {game.period, game.clock}) {
            if (part)
                content.liveTexts.append(*part);
        }
        return content;
    }
    switch (game.status) {
    case GameStatus::scheduled:
        content = {false, {}, QStringLiteral("Scheduled"), Tint::blue};
        break;
    case GameStatus::final_:
        content = {false, {}, QStringLiteral("Final"), Tint::secondary};
        break;
    case GameStatus::postponed:
        content = {false, {}, QStringLiteral("Postponed"), Tint::orange};
        break;
    case GameStatus::cancelled:
        content = {false, {}, QStringLiteral("Cancelled"), Tint::orange};
        break;
    case GameStatus::delayed:
        content = {false, {}, QStringLiteral("Delayed"), Tint::orange};
        break;
    case GameStatus::inProgress: // live: written above
    case GameStatus::halftime:
    case GameStatus::endOfPeriod:
        break;
    }
    return content;
}
