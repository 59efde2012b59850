#pragma once

#include <QJsonObject>
#include <QString>

#include <optional>

// Which side a summary's team block (leaders, box score) belongs to.
class SummarySides {
public:
    // Reads the home team's id from the summary's header: the last competitor marked "home" decides.
    explicit SummarySides(const QJsonObject& summary);

    // The block's "team" → "id" against the home team's id; two absent ids count as equal.
    bool isHome(const QJsonObject& block) const;

private:
    std::optional<QString> m_homeTeamId;
};
