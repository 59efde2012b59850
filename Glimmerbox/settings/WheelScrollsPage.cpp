#include "WheelScrollsPage.h"

#include <QAbstractScrollArea>
#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

namespace {

QAbstractScrollArea* enclosingScrollArea(const QWidget* widget) {
    for (QWidget* outer = widget->parentWidget(); outer; outer = outer->parentWidget())
        if (auto* area = qobject_cast<QAbstractScrollArea*>(outer))
            return area;
    return nullptr;
}

class WheelScrollsPageFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::Wheel)
            return false;
        // Handed straight to the page: a wheel event the window system did not send would not travel up.
        if (QAbstractScrollArea* page = enclosingScrollArea(static_cast<QWidget*>(watched)))
            QCoreApplication::sendEvent(page->viewport(), event);
        return true;
    }
};

} // namespace

void wheelScrollsPage(QWidget* control) {
    // Not Qt::WheelFocus: the wheel must not take the focus from where the user left it either.
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new WheelScrollsPageFilter(control));
}
