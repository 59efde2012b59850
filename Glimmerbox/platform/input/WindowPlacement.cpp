#include "platform/input/WindowPlacement.h"

#include <QGuiApplication>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace {
// What the window manager's decoration adds to a window: known only once a window has been shown, so a new
// window borrows it from those already on the screen.
QSize decorationOf(const QWidget* window) {
    return window->frameGeometry().size() - window->size();
}
} // namespace

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
    // A title bar's height: each window's title stays in sight below the one before.
    constexpr int step = 28;
    QRect place(QPoint(0, 0), frame);
    place.moveCenter(area.center());
    // The first place even for a frame larger than the area; the others only while the frame stays within.
    QList<QPoint> places{place.topLeft()};
    const auto run = [&](QPoint by) {
        for (QRect next = place.translated(by); area.contains(next); next.translate(by))
            places.append(next.topLeft());
    };
    run({step, step});
    // Once the cascade has no more room downwards (a short screen may leave it no step at all), a window
    // still takes a place of its own beside the first: a step at a time to the right, then to the left.
    run({step, 0});
    run({-step, 0});
    const auto heldBy = [&](QPoint corner) {
        return std::count_if(open.cbegin(), open.cend(),
                             [&](QPoint other) { return (other - corner).manhattanLength() < step; });
    };
    // A free place, the earliest; with every place held the cascade starts again from the first, and goes
    // on from there as windows keep coming.
    return *std::min_element(places.cbegin(), places.cend(),
                             [&](QPoint one, QPoint other) { return heldBy(one) < heldBy(other); });
}

void centerClearOf(QWidget* window, const QList<QWidget*>& others) {
    const QScreen* screen = QGuiApplication::primaryScreen();
    if (!screen)
        return;
    QList<QPoint> open;
    QSize decoration = decorationOf(window);
    for (const QWidget* other : others) {
        if (!other || other == window || !other->isVisible())
            continue;
        open.append(other->pos()); // a window's position is its frame's
        decoration = decoration.expandedTo(decorationOf(other));
    }
    window->move(cascadePlace(screen->availableGeometry(), window->size() + decoration, open));
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
