#include "MenuBarDisplayMode.h"

QString rawValue(MenuBarDisplayMode mode) {
    switch (mode) {
    case MenuBarDisplayMode::scoreOnly:
        return QStringLiteral("score_only");
    case MenuBarDisplayMode::scoreWithLogos:
        return QStringLiteral("score_logos");
    case MenuBarDisplayMode::iconOnly:
        return QStringLiteral("icon_only");
    case MenuBarDisplayMode::teamAbbreviation:
        return QStringLiteral("abbreviation");
    case MenuBarDisplayMode::compact:
        return QStringLiteral("compact");
    }
    return {};
}

template <>
std::optional<MenuBarDisplayMode> fromRawValue<MenuBarDisplayMode>(QStringView raw) {
    for (MenuBarDisplayMode mode : allMenuBarDisplayModes()) {
        if (rawValue(mode) == raw)
            return mode;
    }
    return std::nullopt;
}

const QList<MenuBarDisplayMode>& allMenuBarDisplayModes() {
    static const QList<MenuBarDisplayMode> modes{
        MenuBarDisplayMode::scoreOnly, MenuBarDisplayMode::scoreWithLogos, MenuBarDisplayMode::iconOnly,
        MenuBarDisplayMode::teamAbbreviation, MenuBarDisplayMode::compact};
    return modes;
}
