#include "shell/LazyApplicationIcon.h"

#include <QApplication>
#include <QIcon>
#include <QWidget>

#include <gtest/gtest.h>

TEST(LazyApplicationIconTest, TheIconWaitsForTheFirstFramedWindow) {
    QApplication::setWindowIcon(QIcon());
    LazyApplicationIcon lazy(QStringLiteral(":/glimmerbox/icons/glimmerbox.svg"));

    QWidget overlay(nullptr, Qt::Tool | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
    overlay.show();
    QWidget popup(nullptr, Qt::Popup);
    popup.show();
    EXPECT_TRUE(QApplication::windowIcon().isNull());

    QWidget settings;
    settings.show();
    EXPECT_FALSE(QApplication::windowIcon().isNull());
    EXPECT_FALSE(settings.windowIcon().isNull());
}
