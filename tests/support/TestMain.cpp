#include <QApplication>

#include <gtest/gtest.h>

namespace {
void setDefault(const char* name, const char* value) {
    if (qEnvironmentVariableIsEmpty(name))
        qputenv(name, value);
}
} // namespace

// One QApplication per test binary; tests run on its (GUI) thread and spin its event loop as they need.
int main(int argc, char* argv[]) {
    setDefault("QT_QPA_PLATFORM", "offscreen");
    setDefault("GLIMMERBOX_TEST_DATA", GLIMMERBOX_DEFAULT_TEST_DATA);
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
