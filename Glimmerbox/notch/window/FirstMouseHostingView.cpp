#include "notch/window/FirstMouseHostingView.h"

#include <QVBoxLayout>

FirstMouseHostingView::FirstMouseHostingView(QWidget* rootView, QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    setFocusPolicy(Qt::NoFocus);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    if (rootView)
        layout->addWidget(rootView);
}
