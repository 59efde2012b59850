#pragma once

#include <QObject>

// One signal for a change of any setting of a QObject's notifying properties, after the value is stored:
// what the settings tabs re-read their controls on.
class SettingsObserver : public QObject {
    Q_OBJECT
public:
    explicit SettingsObserver(QObject& settings, QObject* parent = nullptr);

signals:
    void changed();

private slots:
    void relay();
};
