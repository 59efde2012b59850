#include "WheelNeedsFocus.h"

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

class WheelNeedsFocusFilter final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        auto* control = static_cast<QWidget*>(watched);
        if (event->type() != QEvent::Wheel || control->hasFocus())
            return false;
        // Handed straight to the page: a wheel event the window system did not send would not travel up.
        if (QAbstractScrollArea* page = enclosingScrollArea(control))
            QCoreApplication::sendEvent(page->viewport(), event);
        return true;
    }
};

} // namespace

void wheelNeedsFocus(QWidget* control) {
    // Not Qt::WheelFocus: the wheel itself must not give the control the focus.
    control->setFocusPolicy(Qt::StrongFocus);
    control->installEventFilter(new WheelNeedsFocusFilter(control));
}
