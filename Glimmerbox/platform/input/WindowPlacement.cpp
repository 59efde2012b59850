#include "platform/input/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace windowplacement {

void makeTitledWindow(QWidget* window, const QString& title, QSize contentSize, bool minimizable) {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
    if (minimizable)
        flags |= Qt::WindowMinimizeButtonHint;
    window->setWindowFlags(flags);
    window->setAttribute(Qt::WA_DeleteOnClose, false);
    window->setWindowTitle(title);
    window->setFixedSize(contentSize);
}

void centerOnScreen(QWidget* window) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QRect frame(QPoint(0, 0), window->size());
    frame.moveCenter(screen->availableGeometry().center());
    window->move(frame.topLeft());
}

void centerClearOf(QWidget* window, const QList<QWidget*>& others) {
    centerOnScreen(window);
    constexpr int step = 28;
    const auto taken = [&](QPoint corner) {
        return std::any_of(others.cbegin(), others.cend(), [&](const QWidget* other) {
            return other && other != window && other->isVisible() &&
                   (other->pos() - corner).manhattanLength() < step;
        });
    };
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QRect area = screen ? screen->availableGeometry() : QRect();
    QPoint corner = window->pos();
    // Bounded: with every place taken the window opens at the last one tried.
    for (int tries = 0; tries < 64 && taken(corner); ++tries) {
        corner += QPoint(step, step);
        if (area.isValid() && !area.contains(QRect(corner, window->size())))
            corner = area.topLeft();
    }
    window->move(corner);
}

void present(QWidget* window) {
    // A minimised window still counts as visible: it comes back in the state it had before.
    if (window->isMinimized())
        window->setWindowState(window->windowState() & ~Qt::WindowMinimized);
    window->show();
    window->raise();
    window->activateWindow();
}

std::unique_ptr<QWidget> hostInWindow(QWidget* content, const QString& title, QSize contentSize,
                                      bool minimizable) {
    auto window = std::make_unique<QWidget>();
    auto* layout = new QVBoxLayout(window.get());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(content);
    makeTitledWindow(window.get(), title, contentSize, minimizable);
    centerOnScreen(window.get());
    return window;
}

void presentOrReplace(std::unique_ptr<QWidget>& slot,
                      const std::function<std::unique_ptr<QWidget>()>& build) {
    if (slot && slot->isVisible()) {
        present(slot.get());
        return;
    }
    std::unique_ptr<QWidget> window = build();
    present(window.get());
    slot = std::move(window);
}

} // namespace windowplacement
