#include "OnboardingView.h"

#include "OnboardingPageDots.h"
#include "platform/desktop/SettingsStore.h"
#include "platform/text/IconFont.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>

#include "platform/text/TextLabel.h"

namespace {

QLabel* makeText(const QString& text, int pixelSize, bool bold, QWidget* parent) {
    QLabel* label = makeCentredLabel(text, pixelSize, bold, TextTone::primary, parent);
    label->setWordWrap(true);
    return label;
}

// The bordered-prominent look: filled with the accent colour, its label in the colour that reads on it.
void makeProminent(QPushButton* button) {
    const QPalette& palette = button->palette();
    const QColor accent = palette.color(QPalette::Highlight);
    button->setStyleSheet(
        QStringLiteral("QPushButton { background: %1; color: %2; border: none; border-radius: 6px;"
                       " padding: 5px 14px; }"
                       "QPushButton:pressed { background: %3; }")
            .arg(accent.name(), palette.color(QPalette::HighlightedText).name(), accent.darker(120).name()));
}

} // namespace

OnboardingView::OnboardingView(int currentPage, std::function<void()> onComplete, QList<OnboardingPage> pages,
                               SettingsStore& defaults, Clock& clock, QWidget* parent)
    : QWidget(parent), m_currentPage(currentPage), m_onComplete(std::move(onComplete)),
      m_pages(std::move(pages)), m_defaults(defaults) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);

    m_stack = new QStackedWidget(this);
    for (const OnboardingPage& page : m_pages)
        m_stack->addWidget(makePage(page));
    layout->addWidget(m_stack, 1);

    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(32, 0, 32, 24);
    m_back = new QPushButton(QStringLiteral("Back"), this);
    m_back->setFlat(true);
    connect(m_back, &QPushButton::clicked, this, &OnboardingView::goBack);
    footer->addWidget(m_back);
    footer->addStretch(1);
    m_dots = new OnboardingPageDots(static_cast<int>(m_pages.size()), m_currentPage, clock, this);
    footer->addWidget(m_dots);
    footer->addStretch(1);
    m_next = new QPushButton(this);
    m_next->setDefault(true);
    makeProminent(m_next);
    connect(m_next, &QPushButton::clicked, this, &OnboardingView::goForward);
    footer->addWidget(m_next);
    layout->addLayout(footer);

    showPage(m_currentPage);
}

QWidget* OnboardingView::makePage(const OnboardingPage& page) {
    auto* widget = new QWidget(m_stack);
    auto* layout = new QVBoxLayout(widget);
    layout->setSpacing(24);
    layout->addStretch(1);
    auto* icon = new QLabel(widget);
    icon->setPixmap(
        iconfont::pixmap(page.icon, palette().color(QPalette::Highlight), 64, devicePixelRatioF()));
    icon->setAlignment(Qt::AlignCenter);
    layout->addWidget(icon);
    layout->addWidget(makeText(page.title, 17, true, widget));
    QLabel* description = makeText(page.description, 13, false, widget);
    // A wrapped label only takes its full width when given one.
    description->setFixedWidth(340);
    description->setForegroundRole(QPalette::PlaceholderText);
    // Centred by stretches, not by an alignment flag, which would keep the label at its one-line height.
    auto* centred = new QHBoxLayout;
    centred->addStretch(1);
    centred->addWidget(description);
    centred->addStretch(1);
    layout->addLayout(centred);
    layout->addStretch(1);
    return widget;
}

QString OnboardingView::primaryButtonTitle() const {
    return m_currentPage < m_pages.size() - 1 ? QStringLiteral("Next") : QStringLiteral("Get Started");
}

bool OnboardingView::isBackVisible() const {
    return m_currentPage > 0;
}

void OnboardingView::goBack() {
    if (m_currentPage > 0)
        showPage(m_currentPage - 1);
}

void OnboardingView::goForward() {
    if (m_currentPage >= m_pages.size() - 1) {
        m_defaults.setValue(QString(completedKey), true);
        m_defaults.sync();
        if (m_onComplete)
            m_onComplete();
        return;
    }
    showPage(m_currentPage + 1);
}

void OnboardingView::showPage(int index) {
    m_currentPage = index;
    if (index >= 0 && index < m_stack->count())
        m_stack->setCurrentIndex(index);
    m_back->setHidden(!isBackVisible());
    m_next->setText(primaryButtonTitle());
    m_dots->setCurrentPage(index);
}
