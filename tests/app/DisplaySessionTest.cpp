#include "platform/DisplaySession.h"

#include <gtest/gtest.h>

namespace {

QProcessEnvironment environment(std::initializer_list<std::pair<const char*, const char*>> values) {
    QProcessEnvironment result;
    for (const auto& [name, value] : values)
        result.insert(QString::fromLatin1(name), QString::fromLatin1(value));
    return result;
}

TEST(DisplaySessionTest, WaylandSessionWithXWaylandRunsOnXcb) {
    EXPECT_EQ(displaysession::platformOverride(environment(
                  {{"XDG_SESSION_TYPE", "wayland"}, {"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}})),
              QByteArray("xcb"));
    EXPECT_EQ(
        displaysession::platformOverride(environment({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":1"}})),
        QByteArray("xcb"));
}

TEST(DisplaySessionTest, UsersChoiceAndX11SessionsAreLeftAlone) {
    EXPECT_FALSE(displaysession::platformOverride(
        environment({{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}, {"QT_QPA_PLATFORM", "wayland"}})));
    EXPECT_FALSE(
        displaysession::platformOverride(environment({{"XDG_SESSION_TYPE", "x11"}, {"DISPLAY", ":0"}})));
    EXPECT_FALSE(displaysession::platformOverride(environment({{"WAYLAND_DISPLAY", "wayland-0"}})))
        << "no X server to fall back on";
}

} // namespace
