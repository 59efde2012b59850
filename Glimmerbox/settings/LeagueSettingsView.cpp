#include "LeagueSettingsView.h"

#include "SettingsController.h"
#include "SettingsForm.h"
#include "platform/text/IconFont.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

constexpr int symbolWidth = 20;
const QColor warningOrange(0xFF, 0x9F, 0x0A);

QLabel* captionLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setFont(pixelFont(label, 10));
    return label;
}

} // namespace

LeagueSettingsView::LeagueSettingsView(SettingsController& controller, QWidget* parent)
    : QWidget(parent), m_selection(controller.prefs(), controller.appState()),
      m_form(new SettingsForm(this, controller)) {
    QGroupBox* counterSection = m_form->addSection();
    auto* counterRow = new QWidget(counterSection);
    auto* counterLayout = new QHBoxLayout(counterRow);
    counterLayout->setContentsMargins(0, 0, 0, 0);
    auto* heading = new QLabel(QStringLiteral("Enabled Leagues"), counterRow);
    heading->setFont(pixelFont(heading, 13, QFont::Bold));
    counterLayout->addWidget(heading);
    counterLayout->addStretch(1);
    QLabel* counter = captionLabel({}, counterRow);
    counterLayout->addWidget(counter);
    m_form->addRow(counterSection, counterRow);
    m_form->follow([this, counter] {
        counter->setText(m_selection.counterText());
        const bool atLimit = m_selection.isAtLimit();
        counter->setFont(pixelFont(counter, 10, atLimit ? QFont::DemiBold : QFont::Normal));
        QPalette palette = counter->palette();
        palette.setColor(QPalette::WindowText,
                         atLimit ? warningOrange : this->palette().color(QPalette::PlaceholderText));
        counter->setPalette(palette);
    });

    QGroupBox* leagues = m_form->addSection();
    for (const League& league : League::allLeagues())
        m_form->addRow(leagues, makeRow(league, leagues));

    QGroupBox* buttons = m_form->addSection();
    auto* buttonRow = new QWidget(buttons);
    auto* buttonLayout = new QHBoxLayout(buttonRow);
    buttonLayout->setContentsMargins(0, 0, 0, 0);
    // The text names six whatever the limit is.
    auto* enableFirst = new QPushButton(QStringLiteral("Enable First 6"), buttonRow);
    auto* disableAll = new QPushButton(QStringLiteral("Disable All"), buttonRow);
    buttonLayout->addWidget(enableFirst);
    buttonLayout->addStretch(1);
    buttonLayout->addWidget(disableAll);
    m_form->addRow(buttons, buttonRow);
    connect(enableFirst, &QPushButton::clicked, this, [this] { m_selection.enableFirstLeagues(); });
    connect(disableAll, &QPushButton::clicked, this, [this] { m_selection.disableAll(); });

    m_form->refresh();
}

QWidget* LeagueSettingsView::makeRow(const League& league, QWidget* parent) {
    auto* row = new QWidget(parent);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* symbol = new QLabel(row);
    symbol->setFixedWidth(symbolWidth);
    symbol->setAlignment(Qt::AlignCenter);
    auto* name = new QLabel(league.name, row);
    QLabel* country = captionLabel(league.country, row);
    country->setForegroundRole(QPalette::PlaceholderText);
    auto* toggle = new QCheckBox(row);
    toggle->setAccessibleName(league.name);
    layout->addWidget(symbol);
    layout->addWidget(name);
    layout->addStretch(1);
    layout->addWidget(country);
    layout->addWidget(toggle);
    // The keyboard starts on the first league.
    if (!focusProxy())
        setFocusProxy(toggle);

    connect(toggle, &QCheckBox::clicked, this,
            [this, league](bool on) { m_selection.setEnabled(league, on); });
    m_form->follow(
        [this, league, symbol, name, toggle, shown = std::optional<QPalette::ColorRole>()]() mutable {
            const QSignalBlocker quiet(toggle);
            toggle->setChecked(m_selection.isEnabled(league));
            // Leagues that are off dim once the limit is reached; they can still be switched on.
            const QPalette::ColorRole tone =
                m_selection.isDimmed(league) ? QPalette::PlaceholderText : QPalette::WindowText;
            if (shown == tone)
                return;
            shown = tone;
            name->setForegroundRole(tone);
            symbol->setPixmap(
                iconfont::pixmap(sfSymbolName(league.sport), palette().color(tone), 16, devicePixelRatioF()));
        });
    return row;
}
