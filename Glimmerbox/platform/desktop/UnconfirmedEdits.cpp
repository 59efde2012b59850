#include "platform/desktop/UnconfirmedEdits.h"

#include <QAbstractSpinBox>
#include <QApplication>
#include <QWidget>

void commitUnconfirmedEdits() {
    // Each window keeps its focused field while it is inactive, so every window is asked, not only the
    // active one.
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (auto* field = qobject_cast<QAbstractSpinBox*>(window->focusWidget()))
            field->interpretText();
    }
}
