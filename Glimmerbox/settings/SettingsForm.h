#pragma once

#include "model/UserPreferences.h"

#include <QFont>
#include <QList>
#include <QObject>
#include <QString>
#include <QVariant>

#include <functional>

class QCheckBox;
class QComboBox;
class QFormLayout;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimeEdit;
class QVBoxLayout;
class QWidget;
class SettingsController;

// One row of a picker: its text and the setting's value it stands for.
struct PickerRow {
    QString text;
    QVariant value;
};

// A stepper's label around its value ("Threshold: 7 pts"), the range its setting is kept in and its step.
struct StepperSpec {
    QString prefix;
    QString suffix;
    UserPreferences::Range range;
    int step = 1;

    // The value on the stepper's own steps (counted from the minimum) nearest to a typed one, within range.
    int nearestAllowed(int typed) const;
};

// Builds a settings tab as a scrolling column of sections. Each control shows the setting it is bound to
// (by name), follows every later change of it and hands the user's changes to the controller.
class SettingsForm : public QObject {
    Q_OBJECT
public:
    SettingsForm(QWidget* tab, SettingsController& controller);

    QGroupBox* addSection(const QString& title = {});
    QCheckBox* addToggle(QGroupBox* section, const QString& label, const char* setting);
    QComboBox* addPicker(QGroupBox* section, const QString& label, const char* setting,
                         const QList<PickerRow>& rows);
    QSpinBox* addStepper(QGroupBox* section, const char* setting, const StepperSpec& spec);
    // A button at its natural width.
    QPushButton* addButton(QGroupBox* section, const QString& text);
    // A smaller, secondary line of text.
    QLabel* addNote(QGroupBox* section, const QString& text);
    // A row the caller binds itself (with follow()).
    void addRow(QGroupBox* section, QWidget* field, const QString& label = {});

    // Runs `update` whenever a setting changes, and at refresh().
    void follow(std::function<void()> update);
    // Re-reads every control.
    void refresh();

    // Shows or hides a control together with its label.
    static void setRowVisible(QWidget* field, bool visible);
    static QFormLayout* formOf(QGroupBox* section);

private:
    QVariant value(const char* setting) const;
    // The field in a row of its own, at its natural width on the left.
    void addAtNaturalWidth(QGroupBox* section, QWidget* field);

    SettingsController& m_controller;
    QVBoxLayout* m_column = nullptr;
    QList<std::function<void()>> m_updates;
};

// A font of the widget's family at a pixel size.
QFont pixelFont(const QWidget* widget, int pixelSize, QFont::Weight weight = QFont::Normal);
