#pragma once

#include <QWidget>

// Hosts the overlay's root view over its whole area and acts on the first click even while the application
// is inactive (on X11 a click on an inactive window is delivered as is; the view only must not ask for
// focus).
class FirstMouseHostingView : public QWidget {
    Q_OBJECT
public:
    explicit FirstMouseHostingView(QWidget* rootView, QWidget* parent = nullptr);
};
