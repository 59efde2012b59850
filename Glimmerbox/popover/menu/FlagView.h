#pragma once

#include <QUrl>
#include <QWidget>

// A driver's flag, 18 × 13 with slightly rounded corners; nothing while it loads or when it cannot be had.
class FlagView : public QWidget {
public:
    explicit FlagView(QUrl url, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QUrl m_url;
};
