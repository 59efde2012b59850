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

QPoint cascadePlace(const QRect& area, QSize frame, const QList<QPoint>& open) {
    constexpr int step = 28;
    const auto taken = [&](QPoint corner) {
        return std::any_of(open.cbegin(), open.cend(),
                           [&](QPoint other) { return (other - corner).manhattanLength() < step; });
    };
    QRect first(QPoint(0, 0), frame);
    first.moveCenter(area.center());
    QPoint corner = first.topLeft();
    // Bounded: with every place taken the window opens at the last one tried.
    for (int tries = 0; tries < 64 && taken(corner); ++tries) {
        corner += QPoint(step, step);
        if (!area.contains(QRect(corner, frame)))
            corner = area.topLeft();
    }
    return corner;
}

void centerClearOf(QWidget* window, const QList<QWidget*>& others) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QList<QPoint> open;
    for (const QWidget* other : others) {
        if (other && other != window && other->isVisible())
            open.append(other->pos());
    }
    window->move(cascadePlace(screen->availableGeometry(), window->size(), open));
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
