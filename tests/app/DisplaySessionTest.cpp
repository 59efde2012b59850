#include "platform/desktop/DisplaySession.h"

#include <gtest/gtest.h>

namespace {

std::optional<QByteArray> overrideFor(std::initializer_list<std::pair<const char*, const char*>> values) {
    QProcessEnvironment environment;
    for (const auto& [name, value] : values)
        environment.insert(name, value);
    return displaysession::platformOverride(environment);
}

TEST(DisplaySessionTest, WaylandSessionWithXWaylandRunsOnXcbUnlessTheUserChoseOrThereIsNoXServer) {
    EXPECT_EQ(
        overrideFor({{"XDG_SESSION_TYPE", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}),
        QByteArray("xcb"));
    EXPECT_EQ(overrideFor({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":1"}}), QByteArray("xcb"));
    EXPECT_FALSE(
        overrideFor({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}}));
    EXPECT_FALSE(overrideFor({{"XDG_SESSION_TYPE", "x11"}, {"DISPLAY", ":0"}}));
    EXPECT_FALSE(overrideFor({{"WAYLAND_DISPLAY", "wayland-0"}})) << "no X server to fall back on";
}

} // namespace
