#include "LazyApplicationIcon.h"

#include <QApplication>
#include <QEvent>
#include <QIcon>
#include <QWidget>

LazyApplicationIcon::LazyApplicationIcon(QString iconPath, QObject* parent)
    : QObject(parent), m_iconPath(std::move(iconPath)) {
    qApp->installEventFilter(this);
}

bool LazyApplicationIcon::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::Show || !watched->isWidgetType())
        return false;
    const auto* widget = static_cast<QWidget*>(watched);
    const Qt::WindowType type = widget->windowType();
    const bool decorated = widget->isWindow() && !widget->windowFlags().testFlag(Qt::FramelessWindowHint) &&
                           type != Qt::Popup && type != Qt::ToolTip;
    if (!decorated)
        return false;
    qApp->removeEventFilter(this);
    QApplication::setWindowIcon(QIcon(m_iconPath)); // reaches the window being shown as well
    return false;
}
