#pragma once

#include <QWidget>

// A spinner above a caption, centred in whatever room it is given.
class LoadingView : public QWidget {
public:
    explicit LoadingView(const QString& message, QWidget* parent = nullptr);
};
