#include "popover/detail/ErrorView.h"

#include "popover/common/PopoverStyle.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

ErrorView::ErrorView(const QString& errorDescription, std::function<void()> retryAction, QWidget* parent)
    : QWidget(parent) {
    using namespace popoverstyle;
    auto* layout = popoverstyle::vbox(this, QMargins(16, 16, 16, 16), 12);
    layout->addStretch();
    layout->addWidget(symbol(QStringLiteral("exclamationmark.triangle"), largeTitle, Tint::orange, this), 0,
                      Qt::AlignHCenter);
    layout->addWidget(
        label(QStringLiteral("Something went wrong"), headline, QFont::Bold, Tint::primary, this), 0,
        Qt::AlignHCenter);
    QLabel* description = paragraph(errorDescription, caption, QFont::Normal, Tint::secondary, this);
    description->setAlignment(Qt::AlignHCenter);
    layout->addWidget(description);
    if (retryAction) {
        auto* retry = new QPushButton(QStringLiteral("Retry"), this);
        connect(retry, &QPushButton::clicked, this, std::move(retryAction));
        layout->addWidget(retry, 0, Qt::AlignHCenter);
    }
    layout->addStretch();
}
