#pragma once

#include <QString>
#include <QUrl>

#include <optional>

// One line of the overlay's leaders panel.
struct TopScorer {
    QString playerName;
    QString statLine;
    std::optional<QUrl> headshotURL;
    bool isHome = false;
};
