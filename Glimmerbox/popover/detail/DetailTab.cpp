#include "popover/detail/DetailTab.h"

namespace {

struct TabNames {
    DetailTab tab;
    QLatin1StringView raw;
    QLatin1StringView title;
};

constexpr TabNames tabNames[] = {
    {DetailTab::summary, QLatin1StringView("summary"), QLatin1StringView("Summary")},
    {DetailTab::boxScore, QLatin1StringView("boxScore"), QLatin1StringView("Box Score")},
    {DetailTab::playByPlay, QLatin1StringView("playByPlay"), QLatin1StringView("Plays")},
    {DetailTab::stats, QLatin1StringView("stats"), QLatin1StringView("Stats")},
};

const TabNames& namesOf(DetailTab tab) {
    return tabNames[static_cast<int>(tab)];
}

} // namespace

QString rawValue(DetailTab tab) {
    return namesOf(tab).raw;
}

template <>
std::optional<DetailTab> fromRawValue<DetailTab>(QStringView raw) {
    for (const TabNames& names : tabNames) {
        if (raw == names.raw)
            return names.tab;
    }
    return std::nullopt;
}

const QList<DetailTab>& allDetailTabs() {
    static const QList<DetailTab> tabs{DetailTab::summary, DetailTab::boxScore, DetailTab::playByPlay,
                                       DetailTab::stats};
    return tabs;
}

QString title(DetailTab tab) {
    return namesOf(tab).title;
}
