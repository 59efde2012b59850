#include "SettingsForm.h"

#include "SettingsController.h"
#include "SettingsObserver.h"
#include "WheelScrollsPage.h"
#include "model/UserPreferences.h"
#include "platform/text/TextLabel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

#include <algorithm>

int StepperSpec::nearestAllowed(int typed) const {
    const int steps = (std::clamp(typed, range.minimum, range.maximum) - range.minimum + step / 2) / step;
    return std::min(range.minimum + steps * step, range.maximum);
}

QFont pixelFont(const QWidget* widget, int pixelSize, QFont::Weight weight) {
    QFont font = widget->font();
    font.setPixelSize(pixelSize);
    font.setWeight(weight);
    return font;
}

SettingsForm::SettingsForm(QWidget* tab, SettingsController& controller)
    : QObject(tab), m_controller(controller) {
    auto* outer = new QVBoxLayout(tab);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* scroll = new QScrollArea(tab);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    auto* content = new QWidget(scroll);
    m_column = new QVBoxLayout(content);
    m_column->setContentsMargins(20, 12, 20, 12);
    m_column->setSpacing(10);
    m_column->addStretch(1);
    scroll->setWidget(content);
    outer->addWidget(scroll);

    auto* observer = new SettingsObserver(controller.prefs(), this);
    connect(observer, &SettingsObserver::changed, this, &SettingsForm::refresh);
}

QGroupBox* SettingsForm::addSection(const QString& title) {
    auto* section = new QGroupBox(title);
    auto* form = new QFormLayout(section);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Before the closing stretch.
    m_column->insertWidget(m_column->count() - 1, section);
    return section;
}

QFormLayout* SettingsForm::formOf(QGroupBox* section) {
    return static_cast<QFormLayout*>(section->layout());
}

void SettingsForm::addRow(QGroupBox* section, QWidget* field, const QString& label) {
    if (label.isEmpty())
        formOf(section)->addRow(field);
    else
        formOf(section)->addRow(label, field);
}

QVariant SettingsForm::value(const char* setting) const {
    return m_controller.prefs().property(setting);
}

QCheckBox* SettingsForm::addToggle(QGroupBox* section, const QString& label, const char* setting) {
    auto* box = new QCheckBox(label, section);
    addRow(section, box);
    connect(box, &QCheckBox::clicked, this, [this, setting](bool on) { m_controller.edit(setting, on); });
    follow([this, box, setting] {
        const QSignalBlocker quiet(box);
        box->setChecked(value(setting).toBool());
    });
    return box;
}

QComboBox* SettingsForm::addPicker(QGroupBox* section, const QString& label, const char* setting,
                                   const QList<PickerRow>& rows) {
    auto* picker = new QComboBox(section);
    for (const PickerRow& row : rows)
        picker->addItem(row.text, row.value);
    picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    wheelScrollsPage(picker);
    addRow(section, picker, label);
    connect(picker, &QComboBox::activated, this,
            [this, picker, setting](int index) { m_controller.edit(setting, picker->itemData(index)); });
    follow([this, picker, rows, setting] {
        const QVariant current = value(setting);
        const auto found = std::ranges::find(rows, current, &PickerRow::value);
        const QSignalBlocker quiet(picker);
        picker->setCurrentIndex(found == rows.end() ? -1 : static_cast<int>(found - rows.begin()));
    });
    return picker;
}

void SettingsForm::addAtNaturalWidth(QGroupBox* section, QWidget* field) {
    auto* row = new QWidget(section);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(field);
    layout->addStretch(1);
    addRow(section, row);
}

QSpinBox* SettingsForm::addStepper(QGroupBox* section, const char* setting, const StepperSpec& spec) {
    auto* stepper = new QSpinBox(section);
    stepper->setPrefix(spec.prefix);
    stepper->setSuffix(spec.suffix);
    stepper->setRange(spec.range.minimum, spec.range.maximum);
    stepper->setSingleStep(spec.step);
    // A typed value counts once it is complete (Return or leaving the field), not at every keystroke.
    stepper->setKeyboardTracking(false);
    wheelScrollsPage(stepper);
    addAtNaturalWidth(section, stepper);
    connect(stepper, &QSpinBox::valueChanged, this, [this, stepper, setting, spec](int changed) {
        const int allowed = spec.nearestAllowed(changed);
        if (allowed != changed) {
            const QSignalBlocker quiet(stepper);
            stepper->setValue(allowed);
        }
        m_controller.edit(setting, allowed);
    });
    follow([this, stepper, setting] {
        const QSignalBlocker quiet(stepper);
        stepper->setValue(value(setting).toInt());
    });
    return stepper;
}

QPushButton* SettingsForm::addButton(QGroupBox* section, const QString& text) {
    auto* button = new QPushButton(text, section);
    addAtNaturalWidth(section, button);
    return button;
}

QLabel* SettingsForm::addNote(QGroupBox* section, const QString& text) {
    QLabel* note = makePlainTextLabel(text, section);
    note->setWordWrap(true);
    note->setFont(pixelFont(note, 10));
    note->setForegroundRole(QPalette::PlaceholderText);
    addRow(section, note);
    return note;
}

void SettingsForm::follow(std::function<void()> update) {
    m_updates.append(std::move(update));
}

void SettingsForm::refresh() {
    for (const std::function<void()>& update : std::as_const(m_updates))
        update();
}

void SettingsForm::setRowVisible(QWidget* field, bool visible) {
    // The row is the section's child that holds the field (a stepper sits in a row widget of its own).
    QWidget* row = field;
    while (row->parentWidget() && !qobject_cast<QGroupBox*>(row->parentWidget()))
        row = row->parentWidget();
    if (auto* section = qobject_cast<QGroupBox*>(row->parentWidget()))
        formOf(section)->setRowVisible(row, visible);
}
