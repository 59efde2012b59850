#pragma once

#include <QWidget>

#include <functional>

// A failed load: the warning symbol, "Something went wrong", the error's text and, when there is a retry
// action (an empty function is none), "Retry".
class ErrorView : public QWidget {
public:
    ErrorView(const QString& errorDescription, std::function<void()> retryAction, QWidget* parent = nullptr);
};
